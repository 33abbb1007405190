// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the CIE tables of the numeric core, src/MichelLevySpectre/spectra/TablesCie.cpp:
//   gen_tables_cie <observer csv> <D65 csv> <output file>
//   (or: cmake --build <dir> --target regenere_tables_cie)
#include "TablesCie.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

namespace {

std::string lit(const char *nom)
{
    std::ifstream f(nom, std::ios::binary);
    if (!f)
        throw std::runtime_error(std::string("cannot read ") + nom);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::cerr << "usage: gen_tables_cie <observer csv> <D65 csv> <output file>\n";
        return 2;
    }
    try {
        const std::string source = SourceTablesCie(lit(argv[1]), lit(argv[2]));
        std::ofstream sortie(argv[3], std::ios::binary | std::ios::trunc);
        sortie << source;
        sortie.close();
        if (!sortie)
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
    } catch (const std::exception &e) {
        std::cerr << "gen_tables_cie: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
