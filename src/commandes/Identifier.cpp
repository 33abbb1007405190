// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/Identifier.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/photographie/Photographie.h"
#include "MichelLevySpectre/presentation/BalanceBlancs.h"
#include "MichelLevySpectre/presentation/Charte.h"
#include "MichelLevySpectre/presentation/Identification.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/MinerauxDuDossier.h"

#include <QCommandLineParser>

#include <cstdio>
#include <string>

namespace {

void ecrit(std::FILE *flux, const std::string &texte)
{
    std::fwrite(texte.data(), 1, texte.size(), flux);
}

// "X,Y": two whole numbers of pixels.
QPoint point(const QCommandLineParser &p, const QString &option)
{
    const QString texte = p.value(option);
    const QStringList xy = texte.split(QLatin1Char(','));
    bool x = false, y = false;
    const QPoint pixel =
        xy.size() == 2 ? QPoint(xy[0].trimmed().toInt(&x), xy[1].trimmed().toInt(&y)) : QPoint();
    if (!x || !y)
        throw ArgumentIncorrect{
            QStringLiteral("--%1 « %2 » : deux entiers X,Y (pixels, origine en haut à gauche) sont "
                           "attendus")
                .arg(option, texte)};
    return pixel;
}

// The grain's colour, the mean of 5 × 5 pixels around the file's pixel.
RgbLineaire couleur(const Photographie &photo, const QCommandLineParser &p, const QString &option)
{
    const QPoint demande = point(p, option);
    const std::optional<QPoint> pixel = PixelDeLImage(photo, demande);
    if (!pixel)
        throw ArgumentIncorrect{
            QStringLiteral("--%1 « %2 » : le point est en dehors de la photographie")
                .arg(option, p.value(option))};
    return MoyenneLineaire(photo.image, pixel->x(), pixel->y());
}

// The window's table, from the working folder; without it the rows name no mineral.
std::vector<Mineral> tableMineraux()
{
    try {
        return LitMinerauxDuDossier();
    } catch (const Erreur &e) {
        ecrit(stderr, std::string("prismelle : ") + e.what() + "\n");
        return {};
    }
}

} // namespace

void DeclareOptionsIdentifier(QCommandLineParser &parseur)
{
    parseur.addOption({QStringLiteral("teinte-max"), QString()});
    for (const char *nom : {"identifier", "point", "epaisseur", "blanc"})
        parseur.addOption({QString::fromUtf8(nom), QString(), QStringLiteral("valeur")});
}

QString AideIdentifier()
{
    return QStringLiteral(
        "  --identifier PHOTO           identifie la teinte d'un grain d'une photographie (PNG ou\n"
        "                               JPEG) : ordre, retard (nm), ΔE00, biréfringence, "
        "minéraux,\n"
        "                               exposition, séparés par des tabulations, le meilleur en\n"
        "                               premier ; l'avertissement d'une teinte mal reconnue va\n"
        "                               sur la sortie d'erreur\n"
        "  --point X,Y                  le grain : pixel de la photographie, origine en haut à\n"
        "                               gauche (moyenne de 5 × 5 pixels) ; obligatoire\n"
        "  --epaisseur µm               épaisseur de la lame (1 à 1000 ; 30)\n"
        "  --blanc X,Y                  référence de blanc : un pixel d'une zone neutre\n"
        "  --teinte-max                 le grain montre la teinte la plus élevée de son minéral\n"
        "                               dans la lame (δ ≈ Δ / e) ; sans elle, grain quelconque\n"
        "                               (δ ≥ Δ / e)\n");
}

void ExecuteIdentifier(const QCommandLineParser &p)
{
    if (!p.isSet(QStringLiteral("point")))
        throw ArgumentIncorrect{QStringLiteral("--identifier : --point X,Y est attendu")};
    double epaisseur = EpaisseurLameMince;
    if (p.isSet(QStringLiteral("epaisseur"))) {
        const std::optional<double> e =
            LitEpaisseur(p.value(QStringLiteral("epaisseur")).toStdString());
        if (!e)
            throw ArgumentIncorrect{
                QStringLiteral("--epaisseur « %1 » : une épaisseur de 1 à 1000 µm est attendue")
                    .arg(p.value(QStringLiteral("epaisseur")))};
        epaisseur = *e;
    }
    point(p, QStringLiteral("point")); // a malformed point is said before the file is read
    const Photographie photo = LitPhotographie(p.value(QStringLiteral("identifier")));
    if (photo.image.isNull())
        throw ArgumentIncorrect{photo.erreur};
    BalanceBlancs balance;
    if (p.isSet(QStringLiteral("blanc"))) {
        const BalanceBlancs b = BalanceDepuisNeutre(couleur(photo, p, QStringLiteral("blanc")));
        if (!b.erreur.empty())
            throw ArgumentIncorrect{QStringLiteral("--blanc : ") +
                                    QString::fromStdString(b.erreur)};
        balance = b;
    }
    const RgbLineaire grain =
        Equilibre(couleur(photo, p, QStringLiteral("point")), balance.matrice);
    const std::vector<Candidat> candidats =
        RechercheTeinte(ReferenceTeintes(ReglagesBalances({}, balance)), grain);
    const LectureDelta lecture = p.isSet(QStringLiteral("teinte-max"))
                                     ? LectureDelta::TeinteLaPlusElevee
                                     : LectureDelta::GrainQuelconque;
    const std::vector<Mineral> table = tableMineraux();
    ecrit(stdout, TexteResultats(LignesIdentification(candidats, epaisseur, table, lecture)));
    if (const std::string a = AvertissementConcordance(candidats); !a.empty())
        ecrit(stderr, "prismelle : " + a + "\n");
}
