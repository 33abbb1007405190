// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/CommandeIdentifier.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/photographie/Photographie.h"
#include "MichelLevySpectre/recherche/Avertissements.h"
#include "MichelLevySpectre/recherche/BlancReference.h"
#include "MichelLevySpectre/recherche/LameLambda.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "commandes/ArgumentIncorrect.h"
#include "commandes/CommandeCouleurs.h"
#include "toolkit/Console.h"
#include "toolkit/Fichiers.h"

#include <QCommandLineParser>

#include <string>

namespace {

// "X,Y": two whole numbers of pixels.
QPoint point(const QCommandLineParser &p, const QString &option)
{
    const QString texte = p.value(option);
    const QStringList xy = texte.split(QLatin1Char(','));
    const auto lu = [&](int i) { return LitEntierOptionnel(xy[i].trimmed().toStdString()); };
    const std::optional<std::int32_t> x = xy.size() == 2 ? lu(0) : std::nullopt,
                                      y = xy.size() == 2 ? lu(1) : std::nullopt;
    if (!x || !y)
        throw ArgumentIncorrect{
            QStringLiteral("--%1 « %2 » : deux entiers X,Y (pixels, origine en haut à gauche) sont "
                           "attendus")
                .arg(option, texte)};
    return {*x, *y};
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
        return ChargeTableMineraux(QString::fromUtf8(FichierMineraux));
    } catch (const Erreur &e) {
        EcritErreurs(std::string("prismelle : ") + e.what() + "\n");
        return {};
    }
}

Photographie litPhotographie(const QString &nom)
{
    Photographie photo = LitPhotographie(nom);
    if (photo.image.isNull())
        throw ArgumentIncorrect{photo.erreur};
    return photo;
}

BalanceBlancs balanceDe(const Photographie &photo, const QCommandLineParser &p)
{
    if (!p.isSet(QStringLiteral("blanc")))
        return {};
    const BalanceBlancs b = BalanceDepuisNeutre(couleur(photo, p, QStringLiteral("blanc")));
    if (!b.erreur.empty())
        throw ArgumentIncorrect{QStringLiteral("--blanc : ") + QString::fromStdString(b.erreur)};
    return b;
}

// The grain at the option's point, its saturation read before the white reference.
GrainPhotographie grainDe(const Photographie &photo, const QCommandLineParser &p,
                          const QString &option, const BalanceBlancs &balance)
{
    const RgbLineaire brute = couleur(photo, p, option);
    return LitGrain(brute, Equilibre(brute, balance.matrice));
}

// The grain again on the photograph with the λ plate, Δ fitted to both colours.
ReponseLambda avecLambda(const QCommandLineParser &p, const std::vector<RgbLineaire> &reference,
                         const GrainPhotographie &grain, const BalanceBlancs &balance)
{
    const Photographie seconde = litPhotographie(p.value(QStringLiteral("avec-lambda")));
    const QString option = p.isSet(QStringLiteral("point-lambda")) ? QStringLiteral("point-lambda")
                                                                   : QStringLiteral("point");
    return RepondAvecLambda(reference, grain, grainDe(seconde, p, option, balance));
}

// How the photograph was taken; a wedge has no fixed place in a photograph.
ReglagesMicroscope reglagesPhotographie(const QCommandLineParser &p)
{
    const MicroscopeLigneDeCommande m = LitMicroscope(p, 0.0);
    if (m.lame == LameAuxiliaire::Biseau)
        RefuseValeur(QStringLiteral("lame"), p.value(QStringLiteral("lame")),
                     QStringLiteral("aucune, lambda ou quart est attendu (sans biseau pour une "
                                    "photographie)"));
    ReglagesMicroscope r = m.reglages;
    r.lame = m.lame;
    return r;
}

} // namespace

QStringList OptionsAdmisesIdentifier()
{
    return QStringList{QStringLiteral("point"),       QStringLiteral("epaisseur"),
                       QStringLiteral("blanc"),       QStringLiteral("teinte-max"),
                       QStringLiteral("avec-lambda"), QStringLiteral("point-lambda")} +
           OptionsMicroscope();
}

void DeclareOptionsIdentifier(QCommandLineParser &parseur)
{
    parseur.addOption({QStringLiteral("teinte-max"), QString()});
    DeclareValeurs(parseur, NomsOptions({"identifier", "point", "epaisseur", "blanc", "avec-lambda",
                                         "point-lambda"}));
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
        "                               (δ ≥ Δ / e)\n"
        "  --source, --vision, --polariseurs   la lampe, l'appareil et les polariseurs de la\n"
        "                               photographie, comme pour --couleurs\n"
        "  --lame aucune|lambda|quart   lame auxiliaire en place sur la photographie (aucune)\n"
        "  --avec-lambda PHOTO2         la même vue photographiée avec la lame λ : Δ est ajusté\n"
        "                               aux deux couleurs (addition ou soustraction)\n"
        "  --point-lambda X,Y           le grain sur PHOTO2, quand le cadrage diffère (--point)\n");
}

void ExecuteIdentifier(const QCommandLineParser &p)
{
    if (!p.isSet(QStringLiteral("point")))
        throw ArgumentIncorrect{QStringLiteral("--identifier : --point X,Y est attendu")};
    const double e = LitEpaisseurOption(p, EpaisseurLameMince);
    ReglagesMicroscope reglages = reglagesPhotographie(p);
    const bool lambda = p.isSet(QStringLiteral("avec-lambda"));
    if (!lambda && p.isSet(QStringLiteral("point-lambda")))
        throw ArgumentIncorrect{
            QStringLiteral("--point-lambda ne s'applique qu'avec --avec-lambda")};
    if (lambda && reglages.lame != LameAuxiliaire::Aucune)
        throw ArgumentIncorrect{QStringLiteral("--lame : la première photographie est sans "
                                               "lame quand --avec-lambda donne la seconde")};
    point(p, QStringLiteral("point")); // a malformed point is said before the file is read
    if (lambda && p.isSet(QStringLiteral("point-lambda")))
        point(p, QStringLiteral("point-lambda"));
    const Photographie photo = litPhotographie(p.value(QStringLiteral("identifier")));
    const BalanceBlancs balance = balanceDe(photo, p);
    const std::vector<RgbLineaire> reference =
        ReferenceTeintes(ReglagesBalances(reglages, balance));
    const GrainPhotographie grain = grainDe(photo, p, QStringLiteral("point"), balance);
    ReponseLambda r = lambda ? avecLambda(p, reference, grain, balance)
                             : ReponseLambda{RechercheTeinte(reference, grain), {}};
    if (!lambda)
        r.avertissements = AvertissementsReponse(grain, r.candidats);
    const LectureDelta lecture = p.isSet(QStringLiteral("teinte-max"))
                                     ? LectureDelta::TeinteLaPlusElevee
                                     : LectureDelta::GrainQuelconque;
    const std::vector<Mineral> table = tableMineraux();
    EcritSortie(TexteResultats(LignesIdentification(r.candidats, e, table, lecture)));
    for (const QString &a :
         QString::fromStdString(r.avertissements).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EcritErreurs("prismelle : " + a.toStdString() + "\n");
}
