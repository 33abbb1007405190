// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/CommandeConoscopie.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/CommandeCouleurs.h"
#include "toolkit/Console.h"
#include "toolkit/Fichiers.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double OuvertureMin = 0.05, OuvertureMax = 1.0;
constexpr int TailleMin = 64, TailleMax = 4096, TailleDefaut = 512;
constexpr double InclinaisonMax = 90; // degrees, either way

// The command's own options; it shares the others with --couleurs and --identifier.
QStringList optionsPropres()
{
    return NomsOptions(
        {"sortie", "mineral", "indices", "section", "inclinaison", "ouverture", "taille"});
}

double decimal(const QCommandLineParser &p, const QString &nom, double defaut, double min,
               double max, const QString &attendu)
{
    if (!p.isSet(nom))
        return defaut;
    const std::optional<double> v = LitDecimal(p.value(nom).toStdString());
    if (!v || *v < min || *v > max)
        RefuseValeur(nom, p.value(nom), attendu);
    return *v;
}

// "1.658,1.486" or, with decimal commas, "1,658;1,486".
IndicesPrincipaux indicesTapes(const QString &texte)
{
    const std::optional<std::vector<double>> valeurs = LitValeursIndices(texte.toStdString());
    if (!valeurs)
        RefuseValeur(QStringLiteral("indices"), texte,
                     QStringLiteral("des nombres séparés par des virgules sont attendus"));
    const std::optional<IndicesPrincipaux> n = IndicesDesValeurs(*valeurs);
    if (!n)
        RefuseValeur(
            QStringLiteral("indices"), texte,
            QStringLiteral("ω,ε ou nα,nβ,nγ dans l'ordre croissant, chacun de 1,3 à 3, sont "
                           "attendus"));
    return *n;
}

IndicesPrincipaux indicesDuMineral(const QCommandLineParser &p)
{
    const std::optional<IndicesPrincipaux> n = IndicesDuMineral(LitMineral(p));
    if (!n)
        RefuseValeur(QStringLiteral("mineral"), p.value(QStringLiteral("mineral")),
                     QStringLiteral("la table ne donne pas ses indices ; --indices les donne"));
    return *n;
}

IndicesPrincipaux indices(const QCommandLineParser &p)
{
    const bool mineral = p.isSet(QStringLiteral("mineral")),
               tapes = p.isSet(QStringLiteral("indices"));
    if (mineral == tapes)
        throw ArgumentIncorrect{
            QStringLiteral("--conoscopie : --mineral NOM ou --indices (l'un des deux) est "
                           "attendu")};
    return mineral ? indicesDuMineral(p) : indicesTapes(p.value(QStringLiteral("indices")));
}

SectionGrain section(const QCommandLineParser &p)
{
    const QString nom = QStringLiteral("section");
    if (!p.isSet(nom))
        return SectionGrain::AxeOptique;
    const QString texte = p.value(nom);
    for (const auto &[mot, s] : {std::pair{"axe", SectionGrain::AxeOptique},
                                 {"bissectrice-aigue", SectionGrain::BissectriceAigue},
                                 {"bissectrice-aiguë", SectionGrain::BissectriceAigue},
                                 {"bissectrice-obtuse", SectionGrain::BissectriceObtuse},
                                 {"normale", SectionGrain::NormaleOptique}})
        if (texte == QString::fromUtf8(mot))
            return s;
    RefuseValeur(
        nom, texte,
        QStringLiteral("axe, bissectrice-aigue, bissectrice-obtuse ou normale est attendu"));
}

OrientationGrain orientation(const QCommandLineParser &p, double angle)
{
    OrientationGrain o{section(p), 0, angle};
    if (p.isSet(QStringLiteral("inclinaison"))) {
        if (o.section != SectionGrain::AxeOptique)
            throw ArgumentIncorrect{
                QStringLiteral("--inclinaison ne s'applique qu'à la section axe")};
        o.section = SectionGrain::Inclinee;
        o.inclinaison =
            decimal(p, QStringLiteral("inclinaison"), 0, -InclinaisonMax, InclinaisonMax,
                    QStringLiteral("un angle en degrés de -90 à 90 est attendu"));
    }
    return o;
}

Conoscope conoscope(const QCommandLineParser &p)
{
    Conoscope c;
    c.ouverture = decimal(p, QStringLiteral("ouverture"), c.ouverture, OuvertureMin, OuvertureMax,
                          QStringLiteral("une ouverture numérique de 0,05 à 1 est attendue"));
    c.epaisseur = LitEpaisseurOption(p, c.epaisseur);
    return c;
}

int taille(const QCommandLineParser &p)
{
    const QString nom = QStringLiteral("taille");
    if (!p.isSet(nom))
        return TailleDefaut;
    const std::optional<std::int32_t> v = LitEntierOptionnel(p.value(nom).toStdString());
    if (!v || *v < TailleMin || *v > TailleMax)
        RefuseValeur(nom, p.value(nom),
                     QStringLiteral("un nombre entier de 64 à 4096 est attendu"));
    return *v;
}

QByteArray png(const ImageFigure &figure)
{
    const QImage image(figure.rgba.data(), figure.cote, figure.cote, figure.cote * 4,
                       QImage::Format_RGBA8888);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

std::string ligne(const QString &fichier, int cote, const IndicesPrincipaux &n)
{
    const bool isotrope = n.alpha == n.gamma, uniaxe = n.alpha == n.beta || n.beta == n.gamma;
    const std::string caractere = isotrope ? "isotrope" : uniaxe ? "uniaxe" : "biaxe";
    // An isotropic grain has neither sign nor optic axes.
    const std::string signe = isotrope ? "" : SignePositif(n) ? "+" : "-";
    const std::string deuxV = isotrope ? "" : std::to_string(std::lround(Angle2V(n)));
    return "fichier\ttaille (px)\tcaractère\tsigne optique\t2V (°)\n" + fichier.toStdString() +
           '\t' + std::to_string(cote) + '\t' + caractere + '\t' + signe + '\t' + deuxV + '\n';
}

} // namespace

QStringList OptionsAdmisesConoscopie()
{
    return OptionsMicroscope() + optionsPropres() + NomsOptions({"epaisseur", "angle"});
}

void DeclareOptionsConoscopie(QCommandLineParser &parseur)
{
    parseur.addOption({QStringLiteral("conoscopie"), QString()});
    DeclareValeurs(parseur, optionsPropres());
}

QString AideConoscopie()
{
    return QStringLiteral(
        "  --conoscopie                 dessine la figure d'interférence d'un grain en lumière\n"
        "                               blanche convergente (image PNG, nord en haut, est à\n"
        "                               droite, transparente hors du champ) ; écrit une ligne :\n"
        "                               fichier, taille, caractère, signe optique, 2V\n"
        "  --sortie FIGURE.png          le fichier de la figure ; obligatoire\n"
        "  --mineral NOM                le minéral, par ses indices dans mineraux.tsv\n"
        "  --indices ω,ε | nα,nβ,nγ     ou ses indices principaux (point décimal ; avec la\n"
        "                               virgule décimale, séparés par des points-virgules)\n"
        "  --section axe|bissectrice-aigue|bissectrice-obtuse|normale\n"
        "                               l'axe optique, une bissectrice ou la normale optique\n"
        "                               vertical, le plan des axes E–O à la platine 0 (axe)\n"
        "  --inclinaison θ              axe optique incliné de θ degrés vers l'est (-90 à 90)\n"
        "  --epaisseur µm               épaisseur de la lame (1 à 1000 ; 30)\n"
        "  --ouverture NA               ouverture numérique (0,05 à 1 ; 0,85)\n"
        "  --lame, --source, --vision, --polariseurs   comme pour --couleurs\n"
        "  --angle α                    angle de la platine en degrés, sens trigonométrique\n"
        "                               (-360 à 360 ; 0)\n"
        "  --taille N                   côté de l'image en pixels (64 à 4096 ; 512)\n");
}

void ExecuteConoscopie(const QCommandLineParser &p)
{
    if (!p.isSet(QStringLiteral("sortie")) || p.value(QStringLiteral("sortie")).isEmpty())
        throw ArgumentIncorrect{QStringLiteral("--conoscopie : --sortie FIGURE.png est attendu")};
    const MicroscopeLigneDeCommande microscope = LitMicroscope(p, 0.0);
    const Grain grain{indices(p), orientation(p, microscope.angle)};
    const Conoscope c = conoscope(p);
    const int cote = taille(p);
    const LumiereConoscopie lumiere = PrepareLumiereConoscopie(
        microscope.reglages, RetardLame(microscope.lame, microscope.biseau),
        RetardMaxFigure(grain.indices, c));
    const QString sortie = p.value(QStringLiteral("sortie"));
    EnregistreFichier(sortie, png(DessineFigure(lumiere, grain, c, cote)));
    const std::string texte = ligne(sortie, cote, grain.indices);
    EcritSortie(texte);
}
