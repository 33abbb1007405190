// SPDX-License-Identifier: GPL-3.0-or-later
// From a colour to minerals: colour names, the table's reader, the copied text and where the
// chart names the minerals.
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/presentation/Identification.h"
#include "MichelLevySpectre/presentation/PlacementMineraux.h"
#include "MichelLevySpectre/presentation/Teintes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Teintes, newtonScaleNamesByRetardation)
{
    const std::pair<double, const char *> attendus[] = {{60, "gris de fer"},
                                                        {120, "gris lavande"},
                                                        {250, "blanc"},
                                                        {300, "jaune paille"},
                                                        {470, "orange"},
                                                        {535, "rouge"},
                                                        {560, "teinte sensible (pourpre)"},
                                                        {650, "bleu"},
                                                        {800, "vert"},
                                                        {900, "jaune"},
                                                        {1000, "orange"},
                                                        {1060, "rouge"},
                                                        {1200, "bleu"},
                                                        {3000, "blanc d'ordre supérieur"},
                                                        {-650, "bleu"}};
    for (const auto &[retard, nom] : attendus)
        EXPECT_EQ(NomTeinte(retard), nom) << retard;
}

// Each order looks at its own rows only: a colour met exactly on the second order's first row
// is not the first order's.
TEST(Teintes, eachOrderSearchesItsOwnRetardations)
{
    std::vector<Lab> reference(2 * IntervalleOrdres, Lab{50, 0, 0});
    reference[IntervalleOrdres] = {50, 40, 0};
    const std::vector<Candidat> c = IdentifieTeinte(reference, {50, 40, 0}, 2);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].ordre, 2);
    EXPECT_EQ(c[0].retard, IntervalleOrdres);
    EXPECT_LT(c[1].retard, IntervalleOrdres);
}

TEST(TableMineraux, badRowsAreNamedAndGoodOnesSortedByRank)
{
    const std::string entete = "# source\nnom\tdelta_min\tdelta_max\tcaractere\trang\r\n";
    const auto table = LitTableMineraux(entete + "b\t0.01\t0.02\tbiaxe\t2\r\n"
                                                 "a\t0\t0\tisotrope\t1\r\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].nom, "a");
    EXPECT_EQ(table[1].caractere, CaractereOptique::Biaxe);
    for (const char *ligne :
         {"x\t0.02\t0.01\tbiaxe\t1", "x\t0.1\t0.31\tbiaxe\t1", "x\t0\t0.01\tisotrope\t1",
          "x\t0\t0.01\tcubique\t1", "x\t0\t0.01\tbiaxe", "x\t-0.01\t0.01\tbiaxe\t1"}) {
        try {
            LitTableMineraux(entete + ligne);
            ADD_FAILURE() << ligne;
        } catch (const Erreur &e) {
            EXPECT_STREQ(e.what(), "Table des minéraux : la ligne 3 n'est pas valable");
        }
    }
    EXPECT_THROW(LitTableMineraux(entete), Erreur);
}

TEST(Identification, copiedTextHasTheHeaderAndDecimalCommas)
{
    const std::vector<Mineral> table{{"augite", 0.018, 0.033, CaractereOptique::Biaxe, 1},
                                     {"sillimanite", 0.018, 0.022, CaractereOptique::Biaxe, 2}};
    const std::vector<Candidat> candidats{{2, 650, 0.04}, {1, 20, 12.36}};
    EXPECT_EQ(TexteResultats(LignesIdentification(candidats, 30, table)),
              "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\n"
              "2e ordre\t650\t0,0\t0,0217\taugite, sillimanite\n"
              "1er ordre\t20\t12,4\t0,0007\taucun\n");
    // δ to the thousandth: a range holds what rounds into it, half a thousandth on each side.
    EXPECT_EQ(MinerauxDuDelta(table, 0.018 - 0.0005).size(), 2u);
    EXPECT_EQ(MinerauxDuDelta(table, 0.022 + 0.0005).size(), 1u);
    EXPECT_EQ(LectureRetard(650, 30, "bleu", table),
              "Retard : 650 nm (2e ordre)\nTeinte : bleu\nδ = Δ / épaisseur = 0,0217 (lame de "
              "30 µm)\nMinéraux : augite, sillimanite");
}

TEST(PlacementMineraux, namesSitBesideTheirBarsWithoutOverlapping)
{
    // 690 × 405 points, 0..2000 nm, 0..50 µm: δ 0.04 meets the top-right corner.
    const ZoneNoms zone{690, 405, 2000, 50, 9, 2, 4};
    const std::vector<NomAPlacer> noms{{0.009, 0.009, 30}, {0.005, 0.008, 30},  {0.009, 0.011, 30},
                                       {0.172, 0.172, 30}, {0.03, 0.07, 30},    {0.006, 0.008, 600},
                                       {0.007, 0.008, 30}, {0.0085, 0.0095, 30}};
    const std::vector<NomPlace> places = PlaceNomsMineraux(noms, zone);
    // Two rows: the last name finds none; 600 points fit nowhere.
    ASSERT_EQ(places.size(), 6u);
    for (const NomPlace &p : places) {
        const NomAPlacer &n = noms[p.indice];
        const double debut =
            p.bordHaut ? n.deltaMin * 50000 / 2000 * 690 : 2000 / (n.deltaMax * 50000) * 405;
        EXPECT_NEAR(std::min(p.barreDebut, 404.0), std::min(debut, 404.0), 1) << p.indice;
        EXPECT_TRUE(p.texteDebut == p.barreFin + 2 || p.texteFin == p.barreDebut - 2);
        EXPECT_LE(p.texteFin, (p.bordHaut ? 690 : 405) - 2 * 9) << p.indice; // corner kept free
        for (const NomPlace &q : places) {
            if (&p == &q || p.bordHaut != q.bordHaut || p.voie != q.voie)
                continue;
            EXPECT_TRUE(std::max(p.barreFin, p.texteFin) <= std::min(q.barreDebut, q.texteDebut) ||
                        std::max(q.barreFin, q.texteFin) <= std::min(p.barreDebut, p.texteDebut))
                << p.indice << " " << q.indice;
        }
    }
    EXPECT_EQ(places[1].texteFin, places[1].barreDebut - 2); // after, it would cross quartz
    EXPECT_EQ(places[2].voie, 1);
    EXPECT_FALSE(places[3].bordHaut); // calcite on the right edge
    EXPECT_FALSE(places[4].bordHaut); // biotite's mean δ 0.05 leaves through the right edge too
    EXPECT_EQ(places[5].indice, 6u);
}
