// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Demarrage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The file dialog's type column: Qt moved these texts to a context that its French
// catalogue does not have yet.
class TypesDeFichiers final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *contexte, const char *source, const char *, int) const override
    {
        static const QHash<QByteArray, QString> textes{{"Drive", QStringLiteral("Lecteur")},
                                                       {"File", QStringLiteral("Fichier")},
                                                       // Windows' word, as its Explorer has it
                                                       {"File Folder", QStringLiteral("Dossier")},
                                                       {"Folder", QStringLiteral("Dossier")},
                                                       {"Shortcut", QStringLiteral("Raccourci")},
                                                       {"Unknown", QStringLiteral("Inconnu")}};
        if (qstrcmp(contexte, "QAbstractFileIconProvider") != 0)
            return {};
        return textes.value(source);
    }
};

} // namespace

void MessagesQtDeveloppeur(QtMsgType type, const QMessageLogContext &contexte, const QString &texte)
{
#ifdef NDEBUG
    if (type != QtFatalMsg)
        return;
#endif
    qt_message_output(type, contexte, texte);
}

void PolicesDuProgramme()
{
#ifdef Q_OS_WIN
    const QDir dossier(QCoreApplication::applicationDirPath() + QStringLiteral("/polices"));
    for (const QString &nom : dossier.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(dossier.filePath(nom));
#endif
}

bool TextesQtEnFrancais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Owned by the application, so it lives as long as the texts it translates.
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    QCoreApplication::installTranslator(new TypesDeFichiers(QCoreApplication::instance()));
    return QCoreApplication::installTranslator(traducteur);
}
