// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commande.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

// Resolved, drive included, before a test moves into a folder of its own (on Windows, another
// drive).
const QString Programme = QFileInfo(QStringLiteral(PRISMELLE_PROGRAMME)).canonicalFilePath();

// A Windows console ends its lines with CR LF.
QString texte(const QByteArray &octets)
{
    QString t = QString::fromUtf8(octets);
#ifdef _WIN32
    t.remove(QLatin1Char('\r'));
#endif
    return t;
}

Sortie lance(const QStringList &arguments, const QString &dossier)
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromUtf8(v));
    p.setProcessEnvironment(env);
    p.start(Programme, arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), texte(p.readAllStandardOutput()), texte(p.readAllStandardError())};
}

QStringList args(const std::vector<const char *> &a)
{
    QStringList l;
    for (const char *s : a)
        l << QString::fromUtf8(s);
    return l;
}
