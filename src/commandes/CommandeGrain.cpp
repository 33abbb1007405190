// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/CommandeGrain.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/grains/GrainSurPlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/CommandeCouleurs.h"
#include "toolkit/Console.h"

#include <QCommandLineParser>

#include <string>

namespace {

constexpr int PasAngleDefaut = 5; // degrees
constexpr int TourComplet = 360;

bool naturelle(const QCommandLineParser &p)
{
    const QString nom = QStringLiteral("lumiere");
    if (!p.isSet(nom))
        return false;
    const QString v = p.value(nom);
    if (v == QStringLiteral("naturelle"))
        return true;
    if (v == QStringLiteral("polarisee") || v == QString::fromUtf8("polarisée"))
        return false;
    RefuseValeur(nom, v, QStringLiteral("naturelle ou polarisee est attendu"));
}

FicheGrain ficheDuMineral(const Mineral &m)
{
    const std::vector<FicheGrain> grains = TablePourMineral(ChargeTableGrains, FichierGrains);
    const FicheGrain *f = TrouveGrain(grains, m);
    if (!f)
        RefuseValeur(QStringLiteral("mineral"), QString::fromStdString(m.nom),
                     QStringLiteral("la table des grains ne le décrit pas"));
    return *f;
}

} // namespace

QStringList OptionsAdmisesGrain()
{
    return NomsOptions(
        {"mineral", "lumiere", "pas-angle", "lame", "epaisseur", "source", "vision"});
}

QStringList OptionsAdmisesPlagioclase() { return {QStringLiteral("an")}; }

void DeclareOptionsGrain(QCommandLineParser &parseur)
{
    parseur.addOption({QStringLiteral("grain"), QString()});
    parseur.addOption({QStringLiteral("plagioclase"), QString()});
    DeclareValeurs(parseur, NomsOptions({"lumiere", "pas-angle", "an"}));
}

QString AideGrain()
{
    return QStringLiteral(
        "  --grain                      le grain d'un minéral tourné sur la platine, dans sa\n"
        "                               section de biréfringence maximale : la couleur de son\n"
        "                               centre (sRGB, 0 à 255) à chaque angle de sa longueur (ou\n"
        "                               de la trace de son clivage) depuis le polariseur E–O,\n"
        "                               sens trigonométrique : « angle (°) », R, V, B\n"
        "  --mineral NOM                le minéral, par son nom ou un synonyme (grains.tsv)\n"
        "  --lumiere naturelle|polarisee   analyseur retiré, ou polariseurs croisés (polarisee)\n"
        "  --pas-angle N                pas des angles en degrés (1 à 359 ; 5)\n"
        "  --epaisseur, --lame, --source, --vision   comme pour --identifier et --couleurs\n"
        "  --plagioclase [--an N]       l'angle d'extinction symétrique maximal des macles de\n"
        "                               l'albite selon la teneur en anorthite (méthode de\n"
        "                               Michel-Lévy), de 0 à 100 % par 5, ou pour N\n");
}

void ExecuteGrain(const QCommandLineParser &p)
{
    const MicroscopeLigneDeCommande microscope = LitMicroscope(p, 0.0);
    EtatPlatine etat;
    etat.naturelle = naturelle(p);
    etat.lame = microscope.lame, etat.biseau = microscope.biseau;
    etat.epaisseur = LitEpaisseurOption(p, EpaisseurLameMince);
    const int pas =
        LitEntierOption(p, QStringLiteral("pas-angle"), PasAngleDefaut, 1, TourComplet - 1);
    if (!p.isSet(QStringLiteral("mineral")))
        throw ArgumentIncorrect{QStringLiteral("--grain : --mineral NOM est attendu")};
    const Mineral mineral = LitMineral(p);
    const FicheGrain fiche = ficheDuMineral(mineral);
    const std::optional<GrainDessine> grain = PrepareGrain(mineral, fiche, etat.epaisseur);
    if (!grain)
        RefuseValeur(QStringLiteral("mineral"), p.value(QStringLiteral("mineral")),
                     QStringLiteral("aucune source publiée ne donne son extinction"));
    const LumierePlatine lumiere = PrepareLumierePlatine(microscope.reglages);
    const AbsorptionGrain *absorption = grain->absorption ? &*grain->absorption : nullptr;
    etat = AvecLeGrain(etat, *grain);
    std::string texte = "angle (°)\tR\tV\tB\n";
    for (int angle = 0; angle < TourComplet; angle += pas) {
        etat.angle = angle;
        const Rgb8 c = VoitPlatine(lumiere, MontageDeLaPlatine(etat, absorption)).couleur;
        texte += std::to_string(angle) + '\t' + std::to_string(c.r) + '\t' + std::to_string(c.g) +
                 '\t' + std::to_string(c.b) + '\n';
    }
    EcritSortie(texte);
}

// No published table or curve of the maximum symmetric extinction against An % has been read
// into the program's data yet: the command says so rather than show numbers of its own.
void ExecutePlagioclase(const QCommandLineParser &p)
{
    LitEntierOption(p, QStringLiteral("an"), 0, 0, 100);
    throw Erreur("--plagioclase : la courbe de Michel-Lévy n'est pas encore dans les données du "
                 "programme, faute d'une source publiée lue avec ses valeurs");
}
