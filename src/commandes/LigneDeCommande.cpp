// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/LigneDeCommande.h"

#include "MichelLevySpectre/Erreur.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/Conoscopie.h"
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
                          "        prismelle --conoscopie --sortie FIGURE.png [options]\n"
                          "Sans argument, prismelle ouvre sa fenêtre.\n\n") +
           AideCouleurs() + AideIdentifier() + AideConoscopie() +
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
            a.startsWith(QStringLiteral("--conoscopie=")) ||
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

void execute(const QStringList &arguments)
{
    QCommandLineParser parseur;
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parseur.addOption(
        {{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")}, QString()});
    DeclareOptionsCouleurs(parseur);
    DeclareOptionsIdentifier(parseur);
    DeclareOptionsConoscopie(parseur);
    if (!parseur.parse(arguments))
        throw ArgumentIncorrect{erreurDeLecture(parseur, arguments)};
    if (!parseur.positionalArguments().isEmpty())
        throw ArgumentIncorrect{QStringLiteral("argument inattendu : %1")
                                    .arg(parseur.positionalArguments().constFirst())};
    if (parseur.isSet(QStringLiteral("help")))
        ecrit(stdout, aide());
    else if (parseur.isSet(QStringLiteral("conoscopie")))
        ExecuteConoscopie(parseur);
    else if (parseur.isSet(QStringLiteral("couleurs")))
        ExecuteCouleurs(parseur);
    else if (parseur.isSet(QStringLiteral("identifier")))
        ExecuteIdentifier(parseur);
    else
        throw ArgumentIncorrect{
            QStringLiteral("aucune commande : --couleurs, --identifier ou --conoscopie est "
                           "attendu")};
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
    } catch (const Erreur &e) { // a file that could not be written
        ecrit(stderr, QStringLiteral("prismelle : %1\n").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    return 0;
}
