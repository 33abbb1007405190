// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/LigneDeCommande.h"

#include "MichelLevySpectre/Erreur.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/CommandeConoscopie.h"
#include "commandes/CommandeCouleurs.h"
#include "commandes/CommandeGrain.h"
#include "commandes/CommandeIdentifier.h"
#include "toolkit/Console.h"
#include "toolkit/Demarrage.h"

#include <QCommandLineParser>
#include <QStringList>

#include <new>
#include <stdexcept>
#include <string_view>

// Qt's parser cuts the arguments; its messages and its help are English, so the texts here
// are ours. A new command adds its options and its help beside --couleurs, and a branch below.

namespace {

void ecrit(const QString &texte, void (*flux)(std::string_view))
{
    const QByteArray octets = texte.toUtf8();
    flux(std::string_view(octets.constData(), std::size_t(octets.size())));
}

// Qt's own single-dash options (QGuiApplication, QApplication, X11), which open the window; the
// first ones take the next argument as their value unless written "-style=fusion".
const QStringList OptionsQtAValeur{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const QStringList OptionsQt =
    OptionsQtAValeur +
    QStringList{"reverse", "widgetcount", "qmljsdebugger", "dialogs", "fontengine"};

QString aide()
{
    return QStringLiteral("Usage : prismelle [--couleurs [options]]\n"
                          "        prismelle --identifier PHOTO --point X,Y [options]\n"
                          "        prismelle --conoscopie --sortie FIGURE.png [options]\n"
                          "        prismelle --grain --mineral NOM [options]\n"
                          "        prismelle --plagioclase [--an N]\n"
                          "Sans argument, prismelle ouvre sa fenêtre.\n\n") +
           AideCouleurs() + AideIdentifier() + AideConoscopie() + AideGrain() +
           QStringLiteral("  -h, --help                   affiche cette aide\n");
}

// "-couleurs" is no "--couleurs": the parser reads single-dash words as letters, and the first
// unknown one is said as it was typed.
QString optionInconnue(const QString &nom, const QStringList &arguments)
{
    if (nom.size() > 1 || arguments.contains(QStringLiteral("--") + nom))
        return QStringLiteral("--") + nom;
    for (const QString &a : arguments.mid(1))
        if (a.startsWith(QLatin1Char('-')) && !a.startsWith(QStringLiteral("--")) &&
            a.contains(nom))
            return a;
    return QStringLiteral("-") + nom;
}

// Qt's parser says what went wrong in English only: the same fault, in French.
QString erreurDeLecture(const QCommandLineParser &parseur, const QStringList &arguments)
{
    if (!parseur.unknownOptionNames().isEmpty()) {
        return QStringLiteral("option inconnue : %1")
            .arg(optionInconnue(parseur.unknownOptionNames().constFirst(), arguments));
    }
    for (const QString &a : arguments)
        if (a.startsWith(QStringLiteral("--couleurs=")) ||
            a.startsWith(QStringLiteral("--help=")) ||
            a.startsWith(QStringLiteral("--conoscopie=")) ||
            a.startsWith(QStringLiteral("--grain=")) ||
            a.startsWith(QStringLiteral("--plagioclase=")) ||
            a.startsWith(QStringLiteral("--teinte-max=")))
            return QStringLiteral("%1 ne prend pas de valeur")
                .arg(a.section(QLatin1Char('='), 0, 0));
    return QStringLiteral("valeur manquante après %1").arg(arguments.constLast());
}

// Any other single-dash word (-couleurs) is the command line's, which refuses it.
bool pourLaLigneDeCommande(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a.startsWith(QStringLiteral("--")) || a == QStringLiteral("-h") ||
            a == QStringLiteral("-?"))
            return true;
        if (!a.startsWith(QLatin1Char('-')) || a.size() == 1)
            continue;
        const QString nom = a.mid(1).section(QLatin1Char('='), 0, 0);
        if (!OptionsQt.contains(nom))
            return true;
        if (!a.contains(QLatin1Char('=')) && OptionsQtAValeur.contains(nom))
            ++i;
    }
    return false;
}

// The commands, each with the options it takes beside its own name.
struct Commande {
    const char *nom;
    QStringList (*admises)();
    void (*execute)(const QCommandLineParser &);
};
constexpr Commande Commandes[] = {{"couleurs", OptionsAdmisesCouleurs, ExecuteCouleurs},
                                  {"identifier", OptionsAdmisesIdentifier, ExecuteIdentifier},
                                  {"conoscopie", OptionsAdmisesConoscopie, ExecuteConoscopie},
                                  {"grain", OptionsAdmisesGrain, ExecuteGrain},
                                  {"plagioclase", OptionsAdmisesPlagioclase, ExecutePlagioclase}};

// One command per call, and only the options it takes.
const Commande &commandeChoisie(const QCommandLineParser &parseur)
{
    const Commande *choisie = nullptr;
    for (const Commande &c : Commandes) {
        if (!parseur.isSet(QString::fromUtf8(c.nom)))
            continue;
        if (choisie)
            throw ArgumentIncorrect{
                QStringLiteral("une seule commande à la fois : --%1 et --%2 ne vont pas ensemble")
                    .arg(QString::fromUtf8(choisie->nom), QString::fromUtf8(c.nom))};
        choisie = &c;
    }
    if (!choisie)
        throw ArgumentIncorrect{QStringLiteral("aucune commande : --couleurs, --identifier, "
                                               "--conoscopie, --grain ou --plagioclase est "
                                               "attendu")};
    const QString nom = QString::fromUtf8(choisie->nom);
    const QStringList admises = choisie->admises();
    for (const QString &option : parseur.optionNames())
        if (option != nom && !admises.contains(option))
            throw ArgumentIncorrect{
                QStringLiteral("--%1 ne s'applique pas à --%2").arg(option, nom)};
    return *choisie;
}

void execute(const QStringList &arguments)
{
    QCommandLineParser parseur;
    parseur.addOption(
        {{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")}, QString()});
    DeclareOptionsCouleurs(parseur);
    DeclareOptionsIdentifier(parseur);
    DeclareOptionsConoscopie(parseur);
    DeclareOptionsGrain(parseur);
    if (!parseur.parse(arguments))
        throw ArgumentIncorrect{erreurDeLecture(parseur, arguments)};
    if (!parseur.positionalArguments().isEmpty())
        throw ArgumentIncorrect{QStringLiteral("argument inattendu : %1")
                                    .arg(parseur.positionalArguments().constFirst())};
    if (parseur.isSet(QStringLiteral("help")))
        ecrit(aide(), EcritSortie);
    else
        commandeChoisie(parseur).execute(parseur);
}

} // namespace

std::optional<int> LigneDeCommande(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!pourLaLigneDeCommande(arguments))
        return std::nullopt;
    qInstallMessageHandler(MessagesQtDeveloppeur); // only our French on stderr
    SortieVersLaConsole();
    try {
        execute(arguments);
    } catch (const ArgumentIncorrect &e) {
        ecrit(QStringLiteral("prismelle : %1\nEssayez « prismelle --help ».\n").arg(e.message),
              EcritErreurs);
        return 2;
    } catch (const std::bad_alloc &) {
        EcritErreurs("prismelle : mémoire insuffisante.\n");
        return 1;
    } catch (const std::length_error &) { // a container asked to grow past its largest size
        EcritErreurs("prismelle : mémoire insuffisante.\n");
        return 1;
    } catch (const Erreur &e) { // a file that could not be written
        EcritErreurs(
            QStringLiteral("prismelle : %1\n").arg(QString::fromUtf8(e.what())).toStdString());
        return 1;
    }
    return SortieTerminee() ? 0 : 1;
}
