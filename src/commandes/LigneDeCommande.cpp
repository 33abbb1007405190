// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/LigneDeCommande.h"

#include "commandes/ArgumentIncorrect.h"
#include "commandes/Couleurs.h"
#include "commandes/Identifier.h"
#include "toolkit/Console.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

// Qt's parser cuts the arguments; its messages and its help are English, so the texts here
// are ours. A new command adds its options and its help beside --couleurs, and a branch below.

namespace {

void ecrit(std::FILE *flux, const QString &texte)
{
    const QByteArray octets = texte.toUtf8();
    std::fwrite(octets.constData(), 1, std::size_t(octets.size()), flux);
}

QString aide()
{
    return QStringLiteral("Usage : prismelle [--couleurs [options]]\n"
                          "        prismelle --identifier PHOTO --point X,Y [options]\n"
                          "Sans argument, prismelle ouvre sa fenêtre.\n\n") +
           AideCouleurs() + AideIdentifier() +
           QStringLiteral("  -h, --help                   affiche cette aide\n");
}

// Qt's parser says what went wrong in English only: the same fault, in French.
QString erreurDeLecture(const QCommandLineParser &parseur, const QStringList &arguments)
{
    if (!parseur.unknownOptionNames().isEmpty()) {
        const QString nom = parseur.unknownOptionNames().constFirst();
        return QStringLiteral("option inconnue : %1%2")
            .arg(nom.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), nom);
    }
    for (const QString &a : arguments)
        if (a.startsWith(QStringLiteral("--couleurs=")) ||
            a.startsWith(QStringLiteral("--help=")) ||
            a.startsWith(QStringLiteral("--teinte-max=")))
            return QStringLiteral("%1 ne prend pas de valeur")
                .arg(a.section(QLatin1Char('='), 0, 0));
    return QStringLiteral("valeur manquante après %1").arg(arguments.constLast());
}

bool pourLaLigneDeCommande(const QStringList &arguments)
{
    for (const QString &a : arguments.mid(1))
        if (a.startsWith(QStringLiteral("--")) || a == QStringLiteral("-h") ||
            a == QStringLiteral("-?"))
            return true;
    return false;
}

// One command per call, and only the options it takes.
void verifieOptions(const QCommandLineParser &parseur, const QString &commande,
                    const QStringList &admises)
{
    for (const QString &autre : {QStringLiteral("couleurs"), QStringLiteral("identifier")})
        if (autre != commande && parseur.isSet(autre))
            throw ArgumentIncorrect{
                QStringLiteral("une seule commande à la fois : --%1 et --%2 ne vont pas ensemble")
                    .arg(commande, autre)};
    for (const QString &nom : parseur.optionNames())
        if (nom != commande && !admises.contains(nom))
            throw ArgumentIncorrect{
                QStringLiteral("--%1 ne s'applique pas à --%2").arg(nom, commande)};
}

void execute(const QStringList &arguments)
{
    QCommandLineParser parseur;
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parseur.addOption(
        {{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")}, QString()});
    DeclareOptionsCouleurs(parseur);
    DeclareOptionsIdentifier(parseur);
    if (!parseur.parse(arguments))
        throw ArgumentIncorrect{erreurDeLecture(parseur, arguments)};
    if (!parseur.positionalArguments().isEmpty())
        throw ArgumentIncorrect{QStringLiteral("argument inattendu : %1")
                                    .arg(parseur.positionalArguments().constFirst())};
    if (parseur.isSet(QStringLiteral("help")))
        ecrit(stdout, aide());
    else if (parseur.isSet(QStringLiteral("couleurs"))) {
        verifieOptions(parseur, QStringLiteral("couleurs"), OptionsAdmisesCouleurs());
        ExecuteCouleurs(parseur);
    } else if (parseur.isSet(QStringLiteral("identifier"))) {
        verifieOptions(parseur, QStringLiteral("identifier"), OptionsAdmisesIdentifier());
        ExecuteIdentifier(parseur);
    } else
        throw ArgumentIncorrect{
            QStringLiteral("aucune commande : --couleurs ou --identifier est attendu")};
}

} // namespace

std::optional<int> LigneDeCommande(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!pourLaLigneDeCommande(arguments))
        return std::nullopt;
    SortieVersLaConsole();
    try {
        execute(arguments);
    } catch (const ArgumentIncorrect &e) {
        ecrit(stderr,
              QStringLiteral("prismelle : %1\nEssayez « prismelle --help ».\n").arg(e.message));
        return 2;
    }
    return 0;
}
