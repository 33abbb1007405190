// SPDX-License-Identifier: GPL-3.0-or-later
// From a colour to minerals: colour names, the table's reader, the copied text and where the
// chart names the minerals.
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/couleurs/Gamut.h"
#include "MichelLevySpectre/couleurs/Teintes.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/mineraux/PlacementMineraux.h"
#include "MichelLevySpectre/recherche/Ambiguite.h"
#include "MichelLevySpectre/recherche/BlancReference.h"
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
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
                                                        {3000, "rose et vert pâles"},
                                                        {4000, "blanc d'ordre supérieur"},
                                                        {-650, "bleu"}};
    for (const auto &[retard, nom] : attendus)
        EXPECT_EQ(NomTeinte(retard), nom) << retard;
}

TEST(TableMineraux, badRowsAreNamedAndGoodOnesSortedByRank)
{
    const std::string entete = "# source\nnom\tdelta_min\tdelta_max\tcaractere\trang\r\n";
    const auto table =
        LitTableMineraux(entete + "b\t0.01\t0.02\tbiaxe\t2\r\n"
                                  "a\t0\t0\tisotrope\t1\tN\t\t\t1.43\t\t\tcubique\tM\r\n"
                                  "c\t0\t0.01\tbiaxe\t3\tN\t x , y\toui\r\n"
                                  "d\t0\t0.01\tbiaxe\t4\tN\t\t\t1.5-1.52,1.53,1.54\t-\t"
                                  "30-47\tmonoclinique\tH\r\n");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_TRUE(table[3].indices.size() == 3 && table[3].indices[0].max == 1.52);
    EXPECT_TRUE(table[3].deuxV && table[3].deuxV->min == 30 && table[3].signe == -1);
    EXPECT_EQ(table[2].synonymes, (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(table[2].teintesAnormales && !table[1].teintesAnormales);
    EXPECT_TRUE(table[0].nom == "a" && table[0].indices.size() == 1);
    EXPECT_EQ(table[1].caractere, CaractereOptique::Biaxe);
    for (const char *ligne :
         {"x\t0.02\t0.01\tbiaxe\t1", "x\t0.1\t0.31\tbiaxe\t1", "x\t0\t0.01\tisotrope\t1",
          "x\t0\t0.01\tcubique\t1", "x\t0\t0.01\tbiaxe", "x\t-0.01\t0.01\tbiaxe\t1",
          "x\t0\t0.01\tbiaxe\t1\tN\t\tpeut-être", "x\t0\t0.01\tbiaxe\t1\tN\t\t\t1.5",
          "x\t0\t0.01\tbiaxe\t1\tN\t\t\t1.5,1.6\t?", "x\t0\t0.01\tbiaxe\t1\tN\t\t\t\t+\t50-40",
          "x\t0\t0.01\tbiaxe\t1\tN\t\t\t1.6-1.5,1.7", "x\t0\t0.01\tuniaxe\t1\tN\t\t\t1.5,1.6,1.7",
          "x\t0\t0\tisotrope\t1\tN\t\t\t1.5,1.5"}) {
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
    EXPECT_EQ(TexteResultats(
                  LignesIdentification(candidats, 30, table, LectureDelta::TeinteLaPlusElevee)),
              "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\texposition\n"
              "2e ordre\t650\t0,0\t0,0217\taugite, sillimanite\t×1,0\n"
              "1er ordre\t20\t12,4\t0,0007\taucun\t×1,0\n");
    // A far rival within a just-visible difference is said, and moved second.
    std::vector<Candidat> pale{{1, 190, 0.5}, {1, 230, 0.9}, {8, 4100, 1.4, 1.0, true}};
    MetAmbiguiteEnTete(pale);
    EXPECT_EQ(pale[1].retard, 4100);
    EXPECT_EQ(AvertissementAmbiguite(pale), "Teinte ambiguë : 1er ordre (≈ 190 nm) ou blanc "
                                            "d'ordre supérieur ; insérez la lame λ pour trancher");
    pale[1].ecart = 1.6;
    EXPECT_EQ(AvertissementAmbiguite(pale), "");
    EXPECT_EQ(LectureRetard(650, 30, "bleu", table),
              "Retard : 650 nm (2e ordre)\nTeinte : bleu\nGrain quelconque, δ ≥ Δ / épaisseur = "
              "0,0217 (lame de 30 µm) : sillimanite, augite ; teinte la plus élevée du minéral, "
              "δ de 0,0197 à 0,0241 : augite, sillimanite");
}

// A grain cut at random shows δ′ ≤ δ: its colour bounds δ from below; the highest colour of a
// mineral gives δ to the thickness's uncertainty. The high-order white only bounds it.
TEST(Identification, twoReadingsOfTheGrainsBirefringence)
{
    const std::vector<Mineral> table{{"quartz", 0.009, 0.009, CaractereOptique::Uniaxe, 1},
                                     {"calcite", 0.172, 0.172, CaractereOptique::Uniaxe, 2},
                                     {"augite", 0.018, 0.033, CaractereOptique::Biaxe, 3},
                                     {"grenat", 0, 0, CaractereOptique::Isotrope, 4}};
    const auto noms = [&](double retard, LectureDelta l) {
        return NomsMineraux(MinerauxDuRetard(table, retard, 30, l), 9);
    };
    EXPECT_EQ(noms(100, LectureDelta::GrainQuelconque), "quartz, augite, calcite");
    EXPECT_EQ(noms(300, LectureDelta::GrainQuelconque), "augite, calcite");
    EXPECT_EQ(noms(350, LectureDelta::TeinteLaPlusElevee), "aucun");
    EXPECT_EQ(noms(250, LectureDelta::TeinteLaPlusElevee), "quartz"); // 0.0076..0.0093
    EXPECT_EQ(noms(0, LectureDelta::TeinteLaPlusElevee), "grenat");
    const std::vector<Candidat> blanc{{6, 4000, 1.2, 0.8, true}};
    EXPECT_EQ(
        TexteResultats(LignesIdentification(blanc, 30, table, LectureDelta::TeinteLaPlusElevee)),
        "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\texposition\n"
        "blanc d'ordre supérieur\t≥ 3950\t1,2\tδ ≥ 0,1317\tcalcite\t×0,8\n");
}

// The program's own colours, brightened or darkened, come back at their retardation and
// exposure; the candidates are distinct minima; a colour no plate shows gets the warning.
TEST(Recherche, ownColoursUnderExposureFoundAsDistinctMinima)
{
    const std::vector<RgbLineaire> reference = ReferenceTeintes({});
    ASSERT_EQ(reference.size(), std::size_t(RetardMaxRecherche) + 1);
    for (const int retard : {120, 450, 550, 800, 1101, 1400, 1650, 2200})
        for (const double k : {0.5, 0.6, 1.0, 1.25}) {
            const RgbLineaire &r = reference[std::size_t(retard)];
            const RgbLineaire c = VuParLAppareil(r, k, {});
            const std::vector<Candidat> t = RechercheTeinte(reference, LitGrain(c));
            ASSERT_FALSE(t.empty());
            // Another retardation may match as well at another exposure; at ×1 the colour's own
            // comes first.
            const auto vrai = std::find_if(t.begin(), t.end(), [&](const Candidat &d) {
                return std::abs(d.retard - retard) <= 2 && std::abs(d.exposition - k) < 0.02 &&
                       d.ecart < 0.5;
            });
            EXPECT_TRUE(vrai != t.end() && (k != 1.0 || vrai == t.begin())) << retard << " ×" << k;
            EXPECT_LE(t.size(), CandidatsMax);
            for (std::size_t i = 1; i < t.size(); ++i) {
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_GE(std::abs(t[i].retard - t[j].retard), 30) << retard << " ×" << k;
            }
        }
    const RgbLineaire &blanc = reference[4500];
    const std::vector<Candidat> t =
        RechercheTeinte(reference, LitGrain({blanc.R * 1.6, blanc.G * 1.6, blanc.B * 1.6}));
    EXPECT_TRUE(t[0].blancSuperieur);
    EXPECT_NEAR(t[0].exposition, 1.6, 0.05);
    EXPECT_EQ(std::count_if(t.begin(), t.end(), [](const Candidat &c) { return c.blancSuperieur; }),
              1);
    EXPECT_TRUE(AvertissementConcordance(t).empty());
    const std::vector<Candidat> rouge = RechercheTeinte(reference, LitGrain({0.9, 0, 0}));
    EXPECT_GT(rouge[0].ecart, SeuilConcordance);
    EXPECT_TRUE(AvertissementConcordance(rouge).starts_with(
        "Aucune teinte d'interférence ne correspond bien (ΔE00 = "));
    // A dim colour photographed at ×2.2 is read at ×2.2; five times brighter is out of reach.
    EXPECT_NEAR(ExpositionMoindresCarres({0.1, 0.1, 0.1}, LitGrain({0.22, 0.22, 0.22})), 2.2, 1e-9);
    EXPECT_DOUBLE_EQ(ExpositionMoindresCarres({0.1, 0.1, 0.1}, LitGrain({0.5, 0.5, 0.5})),
                     ExpositionMax);
    EXPECT_DOUBLE_EQ(ExpositionMoindresCarres({}, LitGrain({0.5, 0.5, 0.5})), 1.0);
}

// A warm neutral area becomes the grey of its brightest channel and names the warm lamp; a
// dark, coloured or clipped one is refused in French, each for its own reason.
TEST(Recherche, whiteReferenceBalancesToGreyAndRefusesDarkColouredOrClippedAreas)
{
    const BalanceBlancs b = BalanceDepuisNeutre({0.5, 0.3, 0.12});
    ASSERT_TRUE(b.erreur.empty());
    const RgbLineaire g = Equilibre({0.5, 0.3, 0.12}, b.matrice);
    for (const double v : {g.R, g.G, g.B})
        EXPECT_NEAR(v, 0.5, 0.005);
    EXPECT_TRUE(b.source == SourceLumineuse::Halogene || b.source == SourceLumineuse::IlluminantA);
    EXPECT_EQ(ReglagesBalances({}, b).vision, Vision::OeilAdapte);
    const std::pair<Rgb8, const char *> zones[] = {
        {{128, 128, 128}, ""},
        {{40, 40, 40}, ""},
        {{231, 172, 110}, ""}, // the 3200 K lamp's white by a daylight camera, at 80 %
        {{180, 239, 116}, "colorée : ce n'est pas une référence de blanc"}, // lime green
        {{64, 224, 208}, "colorée"},                                        // turquoise
        {{255, 0, 0}, "colorée"},
        {{255, 165, 0}, "colorée"}, // orange
        {{255, 140, 60}, "colorée"},
        {{8, 8, 8}, "trop sombre"},
        {{48, 33, 18}, "trop sombre"}, // the lamp's white at 3 %: its blue is unreadable
        {{255, 255, 255}, "saturée"},
        {{255, 250, 252}, "saturée"}};
    for (const auto &[c, raison] : zones) {
        const BalanceBlancs z = BalanceDepuisNeutre(SrgbVersLineaire(c));
        const std::string attendu = *raison ? std::string("La zone choisie est ") + raison : "";
        EXPECT_EQ(z.erreur.substr(0, attendu.size()), attendu) << int(c.r) << "," << int(c.g);
        EXPECT_EQ(z.erreur.empty(), !*raison) << int(c.r) << "," << int(c.g);
    }
    EXPECT_EQ(BalanceDepuisNeutre(SrgbVersLineaire({231, 172, 110})).source,
              SourceLumineuse::Halogene);
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
        // The tie runs under the bar and the name, and under nothing else of the row.
        EXPECT_TRUE(p.filetDebut <= std::min(p.barreDebut, p.texteDebut) &&
                    p.filetFin >= std::max(p.barreFin, p.texteFin));
        for (const NomPlace &q : places) {
            if (&p == &q || p.bordHaut != q.bordHaut || p.voie != q.voie)
                continue;
            EXPECT_TRUE(p.filetFin <= std::min(q.barreDebut, q.texteDebut) ||
                        std::max(q.barreFin, q.texteFin) <= p.filetDebut);
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
