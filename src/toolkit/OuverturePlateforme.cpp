// SPDX-License-Identifier: GPL-3.0-or-later
// Qt alone decides which platform to open and whether it answers (its plugins read the
// environment, QT_QPA_PLATFORM's lists and the -platform and -display options); the program
// only turns its fatal failure into one French line.
#include "toolkit/Demarrage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct MessageRetenu {
    QtMsgType type;
    QByteArray categorie;
    QString texte;
};

QList<MessageRetenu> retenus;
std::string ligneEchec;

// The value after Qt's option "-nom" or "--nom", empty when absent.
std::string optionQt(int argc, char *argv[], const char *nom)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char *a = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (a[0] == '-' && std::strcmp(a + 1, nom) == 0)
            return argv[i + 1];
    }
    return {};
}

// What names the window system, as the user wrote it: "DISPLAY=:1", "-platform xcb"...
std::string nomme(int argc, char *argv[], const char *option, const char *variable)
{
    if (const std::string v = option ? optionQt(argc, argv, option) : ""; !v.empty())
        return std::string("-") + option + " " + v;
    if (const QByteArray v = qgetenv(variable); !v.isEmpty())
        return std::string(variable) + "=" + v.toStdString();
    return {};
}

// "(DISPLAY=:1 ne répond pas)", empty when nothing names a window system.
std::string quiNeRepondPas(int argc, char *argv[])
{
    std::vector<std::string> noms;
    for (std::string n :
         {nomme(argc, argv, "platform", "QT_QPA_PLATFORM"),
          nomme(argc, argv, nullptr, "WAYLAND_DISPLAY"), nomme(argc, argv, "display", "DISPLAY")})
        if (!n.empty())
            noms.push_back(std::move(n));
    if (noms.empty())
        return {};
    std::string liste = noms.front();
    for (std::size_t i = 1; i < noms.size(); ++i)
        liste += (i + 1 < noms.size() ? ", " : " et ") + noms[i];
    return "(" + liste + (noms.size() == 1 ? " ne répond pas)" : " ne répondent pas)");
}

void pendantOuverture(QtMsgType type, const QMessageLogContext &contexte, const QString &texte)
{
    if (type != QtFatalMsg) {
        retenus.append({type, contexte.category, texte});
        return;
    }
    // Qt aborts once this returns; nothing of the half-built application is worth unwinding.
    std::fputs(ligneEchec.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

bool GuetteOuverturePlateforme(int argc, char *argv[])
{
    std::string raison = quiNeRepondPas(argc, argv);
    if (raison.empty()) {
#ifdef Q_OS_WIN
        raison = "(le module de plateforme de Qt ne s'ouvre pas)";
#else
        std::fputs("prismelle : un système de fenêtres est nécessaire (DISPLAY, WAYLAND_DISPLAY "
                   "et QT_QPA_PLATFORM sont vides).\n",
                   stderr);
        return false;
#endif
    }
    ligneEchec = "prismelle : un système de fenêtres est nécessaire " + raison + ".\n";
    qInstallMessageHandler(pendantOuverture);
    return true;
}

void PlateformeOuverte()
{
    qInstallMessageHandler(MessagesQtDeveloppeur);
    for (const MessageRetenu &m : std::as_const(retenus))
        MessagesQtDeveloppeur(m.type, QMessageLogContext(nullptr, 0, nullptr, m.categorie.data()),
                              m.texte);
    retenus.clear();
}
