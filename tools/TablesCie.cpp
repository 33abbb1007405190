// SPDX-License-Identifier: GPL-3.0-or-later
#include "TablesCie.h"

#include "MichelLevySpectre/spectra/TablesCie.h"

#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

// The data rows of a CSV file (comment lines "#..." and the header left out), split at commas.
std::vector<std::vector<std::string>> lignes(const std::string &texte, std::size_t colonnes)
{
    std::vector<std::vector<std::string>> rangs;
    std::istringstream flux(texte);
    std::string ligne;
    bool entete = true;
    while (std::getline(flux, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        if (ligne.empty() || ligne[0] == '#')
            continue;
        if (entete) {
            entete = false;
            continue;
        }
        std::vector<std::string> champs;
        std::istringstream l(ligne);
        for (std::string c; std::getline(l, c, ',');)
            champs.push_back(c);
        if (champs.size() != colonnes)
            throw std::runtime_error("bad row: " + ligne);
        rangs.push_back(champs);
    }
    return rangs;
}

// Checks that the rows run from premier by pas, count of them.
void verifieLongueursOnde(const std::vector<std::vector<std::string>> &rangs, int premier, int pas,
                          int nombre)
{
    if (int(rangs.size()) != nombre)
        throw std::runtime_error("expected " + std::to_string(nombre) + " rows");
    for (int k = 0; k < nombre; ++k)
        if (std::stoi(rangs[std::size_t(k)][0]) != premier + k * pas)
            throw std::runtime_error("unexpected wavelength " + rangs[std::size_t(k)][0]);
}

} // namespace

std::string SourceTablesCie(const std::string &observateur, const std::string &d65)
{
    const auto cmf = lignes(observateur, 4);
    verifieLongueursOnde(cmf, CiePremier, 1, CieLignes);
    const auto spd = lignes(d65, 2);
    verifieLongueursOnde(spd, D65Premier, D65Pas, D65Lignes);
    std::string s =
        "// SPDX-License-Identifier: GPL-3.0-or-later\n"
        "// Written by tools/gen_tables_cie from data/cie1931-2deg-1nm.csv and\n"
        "// data/cie-d65-10nm.csv; do not edit. Published data:\n"
        "// CIE 1931 2° standard observer at 1 nm: CIE 018:2019 / ISO 11664-1.\n"
        "// CIE standard illuminant D65 at 10 nm: CIE 15:2004, table T.3 / ISO 11664-2.\n"
        "#include \"MichelLevySpectre/spectra/TablesCie.h\"\n\n"
        "// clang-format off\n"
        "const LigneCie TableCie1931[CieLignes] = {\n";
    for (const auto &r : cmf)
        s += "    {" + r[1] + ", " + r[2] + ", " + r[3] + "}, // " + r[0] + "\n";
    s += "};\n\nconst double TableD65[D65Lignes] = {\n";
    for (const auto &r : spd)
        s += "    " + r[1] + ", // " + r[0] + "\n";
    s += "};\n// clang-format on\n";
    return s;
}
