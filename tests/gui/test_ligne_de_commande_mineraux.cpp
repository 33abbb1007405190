// SPDX-License-Identifier: GPL-3.0-or-later
// "prismelle --conoscopie" and "--grain", which read the mineral tables, with no display at all.
#include "Commande.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// A folder holding the program's two tables, as its working folder.
void copieTables(const QTemporaryDir &dossier)
{
    for (const char *nom : {"mineraux.tsv", "grains.tsv"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(PRISMELLE_DATA_DIR "/") + QString::fromUtf8(nom),
                                dossier.filePath(QString::fromUtf8(nom))));
}

// A quartz-like and a calcite-like figure with the λ plate, by their indices and by the table's
// names: a square PNG, transparent outside the field, blue (addition) in NE for a positive
// mineral and in NW for a negative one, and the sign on stdout.
TEST(LigneDeCommande, conoscopy_lambdaPlateShowsTheSignByIndicesAndByName)
{
    QTemporaryDir dossier;
    copieTables(dossier);
    const std::pair<std::vector<const char *>, bool> cas[] = {{{"--indices", "1.544,1.553"}, true},
                                                              {{"--mineral", "Quartz"}, true},
                                                              {{"--indices", "1.658;1.486"}, false},
                                                              {{"--mineral", "calcite"}, false}};
    const int n = 128;
    for (const auto &[grain, positif] : cas) {
        const Sortie s = lance(args({"--conoscopie", "--sortie", "figure.png", "--lame", "lambda",
                                     "--taille", "128"}) +
                                   args(grain),
                               dossier.path());
        ASSERT_EQ(s.statut, 0) << s.erreurs.toStdString();
        EXPECT_EQ(s.sortie, QString::fromUtf8("fichier\ttaille (px)\tcaractère\tsigne optique\t"
                                              "2V (°)\nfigure.png\t128\tuniaxe\t%1\t0\n")
                                .arg(positif ? '+' : '-'));
        const QImage f(dossier.filePath(QStringLiteral("figure.png")));
        ASSERT_EQ(f.size(), QSize(n, n));
        EXPECT_EQ(qAlpha(f.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(f.pixel(n / 2, n / 2)), 255);
        // Where the quartz field's edge and calcite's 0.25 show about 100 nm.
        const int d = int((positif ? 0.55 : 0.18) * n / 2);
        const QColor ne = f.pixelColor(n / 2 + d, n / 2 - 1 - d),
                     no = f.pixelColor(n / 2 - 1 - d, n / 2 - 1 - d);
        EXPECT_GT((positif ? ne : no).blue(), (positif ? ne : no).red() + 40) << grain[1];
        EXPECT_GT((positif ? no : ne).red(), (positif ? no : ne).blue() + 40) << grain[1];
    }
    for (const auto &[nom, message] : {std::pair{"kryptonite", "minéral inconnu de la table"},
                                       {"épidote", "la table ne donne pas ses indices"}}) {
        const Sortie s = lance(args({"--conoscopie", "--sortie", "autre.png", "--mineral", nom}),
                               dossier.path());
        EXPECT_EQ(s.statut, 2);
        EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8(message))) << s.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("autre.png"))));
    }
    // A garnet stays dark: its one index gives neither sign nor 2V.
    const Sortie grenat = lance(
        args({"--conoscopie", "--sortie", "grenat.png", "--mineral", "grenat", "--taille", "64"}),
        dossier.path());
    EXPECT_TRUE(grenat.sortie.endsWith(QStringLiteral("grenat.png\t64\tisotrope\t\t\n")))
        << grenat.sortie.toStdString();
    const QImage noir(dossier.filePath(QStringLiteral("grenat.png")));
    ASSERT_FALSE(noir.isNull());
    EXPECT_EQ(qGray(noir.pixel(32, 32)), 0);
}

// The brightness R+V+B at each angle of a grain's turn by `pas` degrees, after checking the
// header and the angles.
std::vector<int> tour(const QStringList &arguments, const QString &dossier, int pas = 1)
{
    const Sortie s = lance(
        args({"--grain", "--pas-angle"}) + QStringList{QString::number(pas)} + arguments, dossier);
    EXPECT_EQ(s.statut, 0) << s.erreurs.toStdString();
    QStringList lignes = s.sortie.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lignes.value(0), QString::fromUtf8("angle (°)\tR\tV\tB"));
    std::vector<int> clartes;
    for (const QString &l : lignes.sliced(std::min<qsizetype>(1, lignes.size()))) {
        const QStringList c = l.split(QLatin1Char('\t'));
        EXPECT_EQ(c.value(0).toInt(), int(clartes.size()) * pas) << l.toStdString();
        clartes.push_back(c.value(1).toInt() + c.value(2).toInt() + c.value(3).toInt());
    }
    return clartes;
}

// The angles (0..179°, a turn by degrees) where the grain is darkest.
std::vector<int> plusSombres(const std::vector<int> &t)
{
    const int min = *std::min_element(t.begin(), t.end());
    std::vector<int> angles;
    for (std::size_t a = 0; a < t.size(); ++a)
        if (t[a] == min)
            angles.push_back(int(a) % 180);
    return angles;
}

// Whether the grain is darkest within 5° of `angle` (modulo 180°) and nowhere else: 8-bit codes
// are flat that far around a cos² minimum.
bool sombreA(const std::vector<int> &t, int angle)
{
    const std::vector<int> a = plusSombres(t);
    return std::all_of(a.begin(), a.end(), [angle](int x) {
        const int d = std::abs(x - angle) % 180;
        return std::min(d, 180 - d) <= 5;
    });
}

// Whether the darkest angles lie lo..hi degrees from the length or from its normal.
bool extinctionEntre(const std::vector<int> &t, int lo, int hi)
{
    const std::vector<int> a = plusSombres(t);
    return std::all_of(a.begin(), a.end(), [lo, hi](int x) {
        const int e = x % 90;
        return (lo <= e && e <= hi) || (lo <= 90 - e && 90 - e <= hi);
    });
}

// Each grain turned degree by degree: pleochroism in plane light darkest with the slow
// direction's colour along the polariser, a colourless grain the same all round, and each
// mineral's published extinction between crossed polarisers; a synonym reads the mineral.
TEST(LigneDeCommande, grain_pleochroismAndExtinctionOfEachMineral)
{
    QTemporaryDir dossier;
    copieTables(dossier);
    using Critere = std::function<bool(const std::vector<int> &)>;
    const std::pair<std::vector<const char *>, Critere> cas[] = {
        {{"biotite", "naturelle"}, [](const auto &t) { return sombreA(t, 0); }},
        {{"tourmaline", "naturelle"}, [](const auto &t) { return sombreA(t, 90); }},
        {{"quartz", "naturelle"},
         [](const auto &t) {
             return std::all_of(t.begin(), t.end(), [&](int c) { return c == t[0]; });
         }},
        {{"sillimanite", "polarisee"},
         [](const auto &t) { return t[0] == 0 && t[90] == 0 && t[180] == 0 && t[45] > 100; }},
        {{"augite", "polarisee"}, [](const auto &t) { return extinctionEntre(t, 35, 55); }},
        {{"hornblende", "polarisee"}, [](const auto &t) { return extinctionEntre(t, 12, 34); }},
        {{"Cyanite", "polarisee"}, [](const auto &t) { return extinctionEntre(t, 27, 32); }}};
    for (const auto &[grain, attendu] : cas) {
        const std::vector<int> t =
            tour(args({"--mineral", grain[0], "--lumiere", grain[1]}), dossier.path());
        ASSERT_EQ(t.size(), 360u) << grain[0];
        EXPECT_TRUE(attendu(t)) << grain[0] << " le plus sombre à " << plusSombres(t).front();
    }
    EXPECT_EQ(tour(args({"--mineral", "biotite"}), dossier.path(), 5).size(), 72u);
    for (const auto &[nom, message] : {std::pair{"kryptonite", "minéral inconnu de la table"},
                                       {"calcite", "la table des grains ne le décrit pas"},
                                       {"albite", "aucune source publiée"}}) {
        const Sortie s = lance(args({"--grain", "--mineral", nom}), dossier.path());
        EXPECT_EQ(s.statut, 2) << nom;
        EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8(message))) << s.erreurs.toStdString();
    }
}

} // namespace
