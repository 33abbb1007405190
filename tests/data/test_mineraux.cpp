// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped mineral table: it loads, its ranges hold, and well-known values are there.
#include "MichelLevySpectre/conoscopie/Indicatrice.h"
#include "MichelLevySpectre/grains/TableGrains.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

std::string texte(const char *chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<Mineral> tableLivree() { return LitTableMineraux(texte(MINERAUX_LIVRES)); }

const Mineral *trouve(const std::vector<Mineral> &t, const std::string &nom)
{
    const auto i = std::find_if(t.begin(), t.end(), [&](const Mineral &m) { return m.nom == nom; });
    return i == t.end() ? nullptr : &*i;
}

} // namespace

TEST(MinerauxLivres, loadWithOrderedRangesAndUniqueNamesAndRanks)
{
    const std::vector<Mineral> t = tableLivree();
    EXPECT_GE(t.size(), 50u);
    std::set<std::string> noms;
    std::set<int> rangs;
    for (const Mineral &m : t) { // the reader refuses unordered ranges and δ past 0.3
        EXPECT_TRUE(noms.insert(m.nom).second) << m.nom;
        EXPECT_TRUE(rangs.insert(m.rang).second) << m.nom;
    }
}

// Every row names its source, among those the header lists.
TEST(MinerauxLivres, everyRowNamesAListedSource)
{
    std::ifstream f(MINERAUX_LIVRES, std::ios::binary);
    std::string ligne, entete;
    int lignes = 0;
    while (std::getline(f, ligne)) {
        if (ligne.starts_with("#")) {
            entete += ligne;
            continue;
        }
        std::vector<std::string> c;
        for (std::stringstream s(ligne); std::getline(s, c.emplace_back(), '\t');) {
        }
        if (++lignes == 1 || c.size() < 6) // the column names
            continue;
        // The birefringence's source, then that of the optical constants where there are some.
        const bool optiques = c.size() > 8 && !c[8].empty();
        for (const std::string &colonne : {c[5], optiques ? c.at(12) : c[5]}) {
            std::stringstream sources(colonne);
            int nommees = 0;
            for (std::string s; std::getline(sources >> std::ws, s, ',');) {
                EXPECT_NE(entete.find("[" + s + "]"), std::string::npos) << c[0] << " : " << s;
                ++nommees;
            }
            EXPECT_GT(nommees, 0) << c[0];
        }
    }
    EXPECT_GE(lignes, 50);
}

TEST(MinerauxLivres, wellKnownValues)
{
    const std::vector<Mineral> t = tableLivree();
    const struct {
        const char *nom;
        double min, max;
        CaractereOptique caractere;
    } connus[] = {{"quartz", 0.009, 0.009, CaractereOptique::Uniaxe},
                  {"calcite", 0.172, 0.172, CaractereOptique::Uniaxe},
                  {"muscovite", 0.036, 0.049, CaractereOptique::Biaxe},
                  {"olivine", 0.033, 0.052, CaractereOptique::Biaxe},
                  {"grenat", 0, 0, CaractereOptique::Isotrope},
                  {"zircon", 0.042, 0.065, CaractereOptique::Uniaxe},
                  {"gypse", 0.010, 0.010, CaractereOptique::Biaxe},
                  {"cassitérite", 0.090, 0.103, CaractereOptique::Uniaxe},
                  {"chlorite", 0, 0.020, CaractereOptique::Biaxe},
                  {"vésuvianite", 0.001, 0.012, CaractereOptique::Uniaxe},
                  {"piémontite", 0.025, 0.082, CaractereOptique::Biaxe},
                  {"omphacite", 0.012, 0.028, CaractereOptique::Biaxe},
                  {"plagioclase", 0.007, 0.013, CaractereOptique::Biaxe}};
    for (const auto &c : connus) {
        const Mineral *m = trouve(t, c.nom);
        ASSERT_NE(m, nullptr) << c.nom;
        EXPECT_DOUBLE_EQ(m->deltaMin, c.min) << c.nom;
        EXPECT_DOUBLE_EQ(m->deltaMax, c.max) << c.nom;
        EXPECT_EQ(m->caractere, c.caractere) << c.nom;
    }
}

// The typical indices lie in their published ranges (to the thousandth the sources round to),
// give the row's birefringence and optic sign (none when isotropic), and a 2V in the published
// range.
TEST(MinerauxLivres, opticalConstantsAgreeWithBirefringenceSignAnd2V)
{
    constexpr double arrondi = 0.0005;
    const std::vector<Mineral> t = tableLivree();
    for (const char *nom : {"quartz", "calcite", "muscovite", "sillimanite", "biotite", "fluorine"})
        EXPECT_FALSE(trouve(t, nom)->indices.empty()) << nom;
    for (const Mineral &m : t) {
        if (m.indices.empty())
            continue;
        const std::optional<IndicesPrincipaux> n = IndicesDuMineral(m);
        ASSERT_TRUE(n) << m.nom;
        const bool biaxe = m.caractere == CaractereOptique::Biaxe;
        EXPECT_GE(n->gamma - n->alpha, m.deltaMin - arrondi) << m.nom;
        EXPECT_LE(n->gamma - n->alpha, m.deltaMax + arrondi) << m.nom;
        const bool isotrope = m.caractere == CaractereOptique::Isotrope;
        EXPECT_EQ(isotrope ? 0 : SignePositif(*n) ? 1 : -1, m.signe) << m.nom;
        EXPECT_FALSE(m.systeme.empty()) << m.nom;
        if (!biaxe)
            continue;
        const double typiques[] = {n->alpha, n->beta, n->gamma};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_GE(typiques[i], m.indices[i].min - arrondi) << m.nom << " " << i;
            EXPECT_LE(typiques[i], m.indices[i].max + arrondi) << m.nom << " " << i;
        }
        ASSERT_TRUE(m.deuxV) << m.nom;
        EXPECT_GE(Angle2V(*n), m.deuxV->min - 0.5) << m.nom;
        EXPECT_LE(Angle2V(*n), m.deuxV->max + 0.5) << m.nom;
    }
}

// What French courses expect, by the names students type, and the anomalous colours.
TEST(MinerauxLivres, courseMineralsSynonymsAndAnomalousColours)
{
    const std::vector<Mineral> t = tableLivree();
    for (const char *nom : {"chloritoïde", "jadéite", "omphacite", "pumpellyite", "riébeckite",
                            "allanite", "mélilite", "piémontite", "feldspath potassique"})
        EXPECT_NE(trouve(t, nom), nullptr) << nom;
    for (const auto &[tape, nom] : {std::pair{"Cyanite", "disthène"},
                                    {"pistachite", "épidote"},
                                    {"sylvite", "sylvine"},
                                    {"Épidote", "épidote"},
                                    {"DISTHÈNE", "disthène"}}) {
        const Mineral *m = TrouveMineral(t, tape);
        EXPECT_TRUE(m && m->nom == nom) << tape;
    }
    std::set<std::string> anormales;
    for (const Mineral &m : t)
        if (m.teintesAnormales)
            anormales.insert(m.nom);
    EXPECT_EQ(anormales, (std::set<std::string>{"chlorite", "clinozoïsite", "mélilite",
                                                "pumpellyite", "vésuvianite", "zoïsite"}));
}

// Each grain is a mineral of the table, once, and names sources that the header lists.
TEST(MinerauxLivres, grainsAreMineralsOfTheTable_withListedSources)
{
    const std::vector<Mineral> t = tableLivree();
    const std::string grains = texte(GRAINS_LIVRES);
    std::set<std::string> noms;
    for (const FicheGrain &g : LitTableGrains(grains)) {
        EXPECT_NE(trouve(t, g.nom), nullptr) << g.nom;
        EXPECT_TRUE(noms.insert(g.nom).second) << g.nom;
        ASSERT_FALSE(g.source.empty()) << g.nom;
        for (std::stringstream s(g.source); s.good();) {
            std::string cle;
            std::getline(s, cle, ',');
            cle.erase(0, cle.find_first_not_of(' '));
            EXPECT_NE(grains.find("#   [" + cle + "]"), std::string::npos) << g.nom << " " << cle;
        }
    }
    EXPECT_GE(noms.size(), 7u);
}
