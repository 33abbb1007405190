// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/CommandeCouleurs.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "commandes/ArgumentIncorrect.h"
#include "toolkit/Console.h"

#include <QCommandLineParser>

#include <cmath>
#include <string>

namespace {

constexpr int RetardMaxDefaut = 3000; // nm
constexpr int PasDefaut = 6;          // nm
constexpr int RetardMaxLimite = 100000;
constexpr double AngleDefaut = 45.0;  // degrees
constexpr double AngleLimite = 360.0; // either way

struct OptionsCouleurs {
    int retardMax = RetardMaxDefaut;
    int pas = PasDefaut;
    MicroscopeLigneDeCommande microscope;
};

// One of the names, each with its value; accents may be typed or not.
template <class T>
T choix(const QCommandLineParser &p, const QString &option, T defaut,
        std::initializer_list<std::pair<const char *, T>> noms, const QString &attendu)
{
    if (!p.isSet(option))
        return defaut;
    const QString texte = p.value(option);
    for (const auto &[nom, valeur] : noms)
        if (texte == QString::fromUtf8(nom))
            return valeur;
    RefuseValeur(option, texte, attendu);
}

void litLame(const QCommandLineParser &p, MicroscopeLigneDeCommande &o)
{
    const QString texte = p.value(QStringLiteral("lame"));
    const QString biseau = QStringLiteral("biseau:");
    if (texte.startsWith(biseau)) {
        const std::optional<double> v = LitDecimal(texte.mid(biseau.size()).toStdString());
        if (!v || *v < 0 || *v > BiseauMax)
            RefuseValeur(QStringLiteral("lame"), texte,
                         QStringLiteral("le biseau de quartz va de 0 à 2000 nm"));
        o.lame = LameAuxiliaire::Biseau, o.biseau = *v;
        return;
    }
    using L = LameAuxiliaire;
    o.lame = choix(p, QStringLiteral("lame"), L::Aucune,
                   {{"aucune", L::Aucune}, {"lambda", L::TeinteSensible}, {"quart", L::QuartDOnde}},
                   QStringLiteral("aucune, lambda, quart ou biseau:N (N de 0 à 2000 nm) est "
                                  "attendu"));
}

OptionsCouleurs litOptions(const QCommandLineParser &p)
{
    OptionsCouleurs o;
    o.retardMax =
        LitEntierOption(p, QStringLiteral("retard-max"), RetardMaxDefaut, 0, RetardMaxLimite);
    o.pas = LitEntierOption(p, QStringLiteral("pas"), PasDefaut, 1, RetardMaxLimite);
    o.microscope = LitMicroscope(p, AngleDefaut);
    return o;
}

} // namespace

MicroscopeLigneDeCommande LitMicroscope(const QCommandLineParser &p, double angleDefaut)
{
    MicroscopeLigneDeCommande o;
    using S = SourceLumineuse;
    o.reglages.source = choix(p, QStringLiteral("source"), S::EgaleEnergie,
                              {{"E", S::EgaleEnergie},
                               {"D65", S::D65},
                               {"halogene", S::Halogene},
                               {"halogène", S::Halogene},
                               {"A", S::IlluminantA}},
                              QStringLiteral("E, D65, halogene ou A est attendu"));
    o.reglages.vision = choix(p, QStringLiteral("vision"), Vision::OeilAdapte,
                              {{"oeil", Vision::OeilAdapte},
                               {"œil", Vision::OeilAdapte},
                               {"appareil", Vision::AppareilLumiereDuJour}},
                              QStringLiteral("oeil ou appareil est attendu"));
    using P = Polariseurs;
    o.reglages.polariseurs = choix(p, QStringLiteral("polariseurs"), P::Croises,
                                   {{"croises", P::Croises},
                                    {"croisés", P::Croises},
                                    {"paralleles", P::Paralleles},
                                    {"parallèles", P::Paralleles}},
                                   QStringLiteral("croises ou paralleles est attendu"));
    litLame(p, o);
    o.angle = angleDefaut;
    if (p.isSet(QStringLiteral("angle"))) {
        const QString texte = p.value(QStringLiteral("angle"));
        const std::optional<double> v = LitDecimal(texte.toStdString());
        if (!v || std::abs(*v) > AngleLimite)
            RefuseValeur(QStringLiteral("angle"), texte,
                         QStringLiteral("un angle en degrés de -360 à 360 est attendu"));
        o.angle = *v;
    }
    return o;
}

QStringList OptionsMicroscope()
{
    return {QStringLiteral("source"), QStringLiteral("vision"), QStringLiteral("polariseurs"),
            QStringLiteral("lame")};
}

QStringList OptionsAdmisesCouleurs()
{
    return QStringList{QStringLiteral("retard-max"), QStringLiteral("pas"),
                       QStringLiteral("angle")} +
           OptionsMicroscope();
}

int LitEntierOption(const QCommandLineParser &p, const QString &option, int defaut, int min,
                    int max)
{
    if (!p.isSet(option))
        return defaut;
    const QString texte = p.value(option);
    const std::optional<std::int32_t> v = LitEntierOptionnel(texte.toStdString());
    if (!v || *v < min || *v > max)
        RefuseValeur(option, texte,
                     QStringLiteral("un nombre entier de %1 à %2 est attendu")
                         .arg(QString::number(min), QString::number(max)));
    return *v;
}

Mineral LitMineral(const QCommandLineParser &p)
{
    const std::vector<Mineral> table = TablePourMineral(ChargeTableMineraux, FichierMineraux);
    const QString nom = p.value(QStringLiteral("mineral"));
    const Mineral *m = TrouveMineral(table, nom.toStdString());
    if (!m)
        RefuseValeur(QStringLiteral("mineral"), nom, QStringLiteral("minéral inconnu de la table"));
    return *m;
}

double LitEpaisseurOption(const QCommandLineParser &p, double defaut)
{
    const QString nom = QStringLiteral("epaisseur");
    if (!p.isSet(nom))
        return defaut;
    const std::optional<double> e = LitEpaisseur(p.value(nom).toStdString());
    if (!e)
        RefuseValeur(nom, p.value(nom),
                     QStringLiteral("une épaisseur de 1 à 1000 µm est attendue"));
    return *e;
}

QStringList NomsOptions(std::initializer_list<const char *> noms)
{
    QStringList l;
    for (const char *nom : noms)
        l << QString::fromUtf8(nom);
    return l;
}

void DeclareValeurs(QCommandLineParser &parseur, const QStringList &noms)
{
    for (const QString &nom : noms)
        parseur.addOption({nom, QString(), QStringLiteral("valeur")});
}

void DeclareOptionsCouleurs(QCommandLineParser &parseur)
{
    parseur.addOption({QStringLiteral("couleurs"), QString()});
    DeclareValeurs(parseur, OptionsAdmisesCouleurs());
}

QString AideCouleurs()
{
    return QStringLiteral(
        "  --couleurs                   écrit le tableau des couleurs colorimétriques (sRGB, 0 à\n"
        "                               255) d'un grain sur la platine, comme la bande les montre "
        ":\n"
        "                               « retard (nm) », R, V, B séparés par des tabulations\n"
        "  --retard-max N               retard le plus grand, en nm (0 à 100000 ; 3000)\n"
        "  --pas N                      pas des retards, en nm (1 à 100000 ; 6)\n"
        "  --source E|D65|halogene|A    lampe : égale énergie, lumière du jour, halogène 3200 K\n"
        "                               ou illuminant A (E)\n"
        "  --vision oeil|appareil       œil adapté, ou appareil photo réglé en lumière du jour\n"
        "                               (oeil)\n"
        "  --polariseurs croises|paralleles   analyseur N–S ou E–O (croises)\n"
        "  --lame aucune|lambda|quart|biseau:N   lame auxiliaire, direction lente à 45° : lame λ\n"
        "                               (551 nm), λ/4 (147 nm) ou biseau de quartz de N nm (0 à\n"
        "                               2000) (aucune)\n"
        "  --angle α                    angle en degrés de la direction lente du grain depuis le\n"
        "                               polariseur E–O, sens trigonométrique (-360 à 360 ; 45)\n");
}

void ExecuteCouleurs(const QCommandLineParser &parseur)
{
    const OptionsCouleurs o = litOptions(parseur);
    const MicroscopeLigneDeCommande &m = o.microscope;
    const LumierePlatine lumiere = PrepareLumierePlatine(m.reglages);
    MontagePlatine montage{0.0, m.angle, RetardLame(m.lame, m.biseau),
                           m.reglages.polariseurs == Polariseurs::Croises};
    std::string texte = "retard (nm)\tR\tV\tB\n";
    for (int retard = 0; retard <= o.retardMax; retard += o.pas) {
        montage.retardGrain = retard;
        const Rgb8 c = VoitPlatine(lumiere, montage).couleur;
        texte += std::to_string(retard) + '\t' + std::to_string(c.r) + '\t' + std::to_string(c.g) +
                 '\t' + std::to_string(c.b) + '\n';
    }
    EcritSortie(texte);
}
