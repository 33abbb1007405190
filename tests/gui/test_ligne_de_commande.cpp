// SPDX-License-Identifier: GPL-3.0-or-later
// "prismelle --couleurs", and the refusals of every command, run as a script would.
#include "Commande.h"
#include "PhotographieSynthetique.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#ifdef __linux__
#include <sys/stat.h>
#endif

namespace {

// The rows by retardation, after checking the header.
std::map<int, Rgb8> table(const QStringList &arguments)
{
    const Sortie s = lance(QStringList{QStringLiteral("--couleurs")} + arguments);
    EXPECT_EQ(s.statut, 0) << s.erreurs.toStdString();
    QStringList lignes = s.sortie.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lignes.value(0), QStringLiteral("retard (nm)\tR\tV\tB"));
    std::map<int, Rgb8> t;
    for (const QString &l : lignes.sliced(std::min<qsizetype>(1, lignes.size()))) {
        const QStringList c = l.split(QLatin1Char('\t'));
        EXPECT_EQ(c.size(), 4) << l.toStdString();
        if (c.size() == 4)
            t[c[0].toInt()] = {std::uint8_t(c[1].toInt()), std::uint8_t(c[2].toInt()),
                               std::uint8_t(c[3].toInt())};
    }
    return t;
}

TEST(LigneDeCommande, defaults_matchAnIndependentCieRendering)
{
    const std::map<int, Rgb8> t = table({});
    ASSERT_EQ(t.size(), 501u);
    EXPECT_EQ(t.rbegin()->first, 3000);
    double somme = 0;
    for (const auto &[retard, c] : t)
        somme += DeltaEab(SrgbVersLab(c), SrgbVersLab(CouleurDuRetard(retard)));
    EXPECT_LE(somme / double(t.size()), 1.0);
}

TEST(LigneDeCommande, extinctionEvery90Degrees_halfTheLightAt22Point5)
{
    for (const char *angle : {"0", "90"})
        for (const auto &[retard, c] : table(args({"--angle", angle})))
            ASSERT_EQ(c, Rgb8{}) << angle << "°, " << retard << " nm";
    const std::map<int, Rgb8> diagonale = table({}), moitie = table(args({"--angle", "22,5"}));
    const auto lineaire = [](int code) {
        const double v = code / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    int comparees = 0;
    for (const auto &[retard, c] : diagonale) {
        const std::array<int, 3> d{c.r, c.g, c.b};
        const Rgb8 m = moitie.at(retard);
        const std::array<int, 3> h{m.r, m.g, m.b};
        // Out of the gamut, the grey it is mixed with is not halved.
        if (*std::min_element(d.begin(), d.end()) == 0 ||
            *std::max_element(d.begin(), d.end()) == 255)
            continue;
        ++comparees;
        for (int k = 0; k < 3; ++k)
            EXPECT_LE(std::abs(OctetSrgb(lineaire(d[k]) / 2) - h[k]), 1) << retard << " nm";
    }
    EXPECT_GT(comparees, 100);
}

TEST(LigneDeCommande, lambdaPlate_addsAt45AndSubtractsAt135)
{
    const std::map<int, Rgb8> sans = table(args({"--retard-max", "3600", "--pas", "1"}));
    const std::map<int, Rgb8> plus = table(args({"--lame", "lambda"}));
    const std::map<int, Rgb8> moins = table(args({"--lame", "lambda", "--angle", "135"}));
    ASSERT_EQ(plus.size(), 501u);
    for (const auto &[retard, c] : plus) {
        EXPECT_EQ(c, sans.at(retard + 551)) << retard;
        EXPECT_EQ(moins.at(retard), sans.at(std::abs(retard - 551))) << retard;
    }
}

TEST(LigneDeCommande, parallelPolarisersAtExtinction_passTheLampsWhite)
{
    for (const auto &[retard, c] : table(args({"--polariseurs", "paralleles", "--angle", "0"})))
        ASSERT_EQ(c, (Rgb8{255, 255, 255})) << retard;
    // A camera under the halogen lamp keeps its cast, the brightest channel full.
    const std::map<int, Rgb8> t = table(args({"--polariseurs", "parallèles", "--angle", "0",
                                              "--source", "halogene", "--vision", "appareil"}));
    const Rgb8 blanc = t.at(0);
    EXPECT_EQ(blanc.r, 255);
    EXPECT_LT(blanc.b, 200);
    for (const auto &[retard, c] : t)
        ASSERT_EQ(c, blanc) << retard;
}

struct Mauvais {
    const char *nom;
    std::vector<const char *> arguments;
    const char *message;
};

class ArgumentsIncorrects : public ::testing::TestWithParam<Mauvais> {};

TEST_P(ArgumentsIncorrects, frenchMessage_status2_nothingWritten)
{
    const Sortie s = lance(args(GetParam().arguments));
    EXPECT_EQ(s.statut, 2);
    EXPECT_TRUE(s.sortie.isEmpty());
    EXPECT_TRUE(s.erreurs.startsWith(QStringLiteral("prismelle : "))) << s.erreurs.toStdString();
    EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8(GetParam().message)))
        << s.erreurs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, ArgumentsIncorrects,
    ::testing::Values(
        Mauvais{"unknownOption", {"--couleurs", "--bidule"}, "option inconnue : --bidule"},
        Mauvais{"angleNotANumber", {"--couleurs", "--angle", "abc"}, "angle en degrés"},
        Mauvais{"angleNaN", {"--couleurs", "--angle", "nan"}, "angle en degrés"},
        Mauvais{"angleExponent", {"--couleurs", "--angle", "1,e3"}, "angle en degrés"},
        Mauvais{"angleOutOfRange", {"--couleurs", "--angle", "400"}, "de -360 à 360"},
        Mauvais{"stepZero", {"--couleurs", "--pas", "0"}, "entier de 1 à 100000"},
        Mauvais{"maxNotAnInteger", {"--couleurs", "--retard-max", "3e3"}, "entier de 0 à 100000"},
        Mauvais{
            "maxPastTheLimit", {"--couleurs", "--retard-max", "100001"}, "entier de 0 à 100000"},
        Mauvais{"wedgeBeyond2000", {"--couleurs", "--lame", "biseau:2000.5"}, "de 0 à 2000 nm"},
        Mauvais{"unknownSource", {"--couleurs", "--source", "B"}, "E, D65, halogene ou A"},
        Mauvais{"missingValue", {"--couleurs", "--angle"}, "valeur manquante après --angle"},
        Mauvais{"strayArgument", {"--couleurs", "trop"}, "argument inattendu : trop"},
        Mauvais{"noCommand", {"--angle", "30"}, "aucune commande"},
        Mauvais{"singleDashWord", {"-couleurs"}, "option inconnue : -couleurs"},
        Mauvais{"singleDashAfterCommand", {"--couleurs", "-pas", "3"}, "option inconnue : -pas"},
        Mauvais{"identifyFolder",
                {"--identifier", ".", "--point", "1,1"},
                "« . » n'est pas un fichier ordinaire"},
        Mauvais{"identifyWithoutPoint", {"--identifier", "p.png"}, "--point X,Y est attendu"},
        Mauvais{"identifyBadPoint", {"--identifier", "p.png", "--point", "3"}, "deux entiers X,Y"},
        Mauvais{"identifyNoPhotograph",
                {"--identifier", "absente.png", "--point", "1,1"},
                "Impossible de lire le fichier « absente.png »"},
        Mauvais{"conoscopyWithoutOutput",
                {"--conoscopie", "--indices", "1.544,1.553"},
                "--sortie FIGURE.png est attendu"},
        Mauvais{"conoscopyIndicesOutOfOrder",
                {"--conoscopie", "--sortie", "f.png", "--indices", "1.6,1.5,1.7"},
                "dans l'ordre croissant"},
        Mauvais{"conoscopySingleIndex",
                {"--conoscopie", "--sortie", "f.png", "--indices", "1.55"},
                "ω,ε ou nα,nβ,nγ"},
        Mauvais{"conoscopyNoIndices", {"--conoscopie", "--sortie", "f.png"}, "l'un des deux"},
        Mauvais{
            "conoscopyApertureBelow0_05",
            {"--conoscopie", "--sortie", "f.png", "--indices", "1.5,1.6", "--ouverture", "0,04"},
            "de 0,05 à 1"},
        Mauvais{"conoscopySize4097",
                {"--conoscopie", "--sortie", "f.png", "--indices", "1.5,1.6", "--taille", "4097"},
                "de 64 à 4096"},
        Mauvais{"conoscopyTiltOnABisectrix",
                {"--conoscopie", "--sortie", "f.png", "--indices", "1.5,1.6,1.7", "--section",
                 "normale", "--inclinaison", "10"},
                "ne s'applique qu'à la section axe"},
        Mauvais{"conoscopyOptionOfAnotherCommand",
                {"--conoscopie", "--sortie", "f.png", "--indices", "1.5,1.6", "--pas", "3"},
                "--pas ne s'applique pas à --conoscopie"},
        Mauvais{"identifyUnknownSource",
                {"--identifier", "p.png", "--point", "1,1", "--source", "xyz"},
                "E, D65, halogene ou A"},
        Mauvais{"identifyWedge",
                {"--identifier", "p.png", "--point", "1,1", "--lame", "biseau:300"},
                "aucune, lambda ou quart"},
        Mauvais{"identifyAngleDoesNotApply",
                {"--identifier", "p.png", "--point", "1,1", "--angle", "30"},
                "--angle ne s'applique pas à --identifier"},
        Mauvais{"colorsPointDoesNotApply",
                {"--couleurs", "--point", "1,1"},
                "--point ne s'applique pas à --couleurs"},
        Mauvais{"twoCommands",
                {"--identifier", "p.png", "--point", "1,1", "--couleurs"},
                "une seule commande à la fois"},
        Mauvais{"grainWithoutMineral", {"--grain"}, "--mineral NOM est attendu"},
        Mauvais{"grainLight", {"--grain", "--lumiere", "jour"}, "naturelle ou polarisee"},
        Mauvais{"grainStep0", {"--grain", "--pas-angle", "0"}, "entier de 1 à 359"},
        Mauvais{"grainStageAngle",
                {"--grain", "--mineral", "quartz", "--angle", "3"},
                "--angle ne s'applique pas à --grain"},
        Mauvais{"plagioclaseAn101", {"--plagioclase", "--an", "101"}, "entier de 0 à 100"},
        Mauvais{"identifyThickness",
                {"--identifier", "p.png", "--point", "1,1", "--epaisseur", "0,5"},
                "une épaisseur de 1 à 1000 µm"}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(LigneDeCommande, helpIsFrench)
{
    const Sortie s = lance(args({"--help"}));
    EXPECT_EQ(s.statut, 0);
    EXPECT_TRUE(s.sortie.startsWith(QStringLiteral("Usage : prismelle"))) << s.sortie.toStdString();
    EXPECT_TRUE(s.sortie.contains(QStringLiteral("--lame aucune|lambda|quart|biseau:N")));
    EXPECT_TRUE(s.sortie.contains(QStringLiteral("--identifier PHOTO")));
    EXPECT_TRUE(s.sortie.contains(QStringLiteral("--conoscopie")));
}

#ifdef __linux__
// A device or a FIFO is refused at once, not read forever or waited on; a full disk is said.
TEST(LigneDeCommande, devicesAndFifosRefusedAtOnce_fullDiskSaid)
{
    QTemporaryDir dossier;
    const QString tube = dossier.filePath(QStringLiteral("tube.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    for (const QString &nom : {QStringLiteral("/dev/zero"), tube}) {
        const Sortie s = lance({QStringLiteral("--identifier"), nom, QStringLiteral("--point"),
                                QStringLiteral("1,1")});
        EXPECT_EQ(s.statut, 2) << nom.toStdString();
        EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8("n'est pas un fichier ordinaire")))
            << s.erreurs.toStdString();
    }
    for (const char *commande : {"--couleurs", "--help"}) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(Programme, {QString::fromUtf8(commande)});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 1) << commande;
        EXPECT_EQ(texte(p.readAllStandardError()),
                  QString::fromUtf8("prismelle : la sortie standard n'a pas pu être écrite "
                                    "(disque plein).\n"));
    }
}
#endif

} // namespace
