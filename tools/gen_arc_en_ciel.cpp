// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the standard rainbow file, data/rgb-arc-en-ciel.txt:
//   gen_arc_en_ciel <output file>   (or: cmake --build <dir> --target regenere_arc_en_ciel)
// Lines end with CR LF, as in the files the program writes itself; the reader accepts
// CR LF, LF and CR alike. The file is written in binary mode so no platform rewrites them.
#include "ArcEnCielCie.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: gen_arc_en_ciel <output file>\n";
        return 2;
    }
    std::ofstream sortie(argv[1], std::ios::binary | std::ios::trunc);
    sortie << TexteArcEnCielStandard();
    sortie.close();
    if (!sortie) {
        std::cerr << "gen_arc_en_ciel: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
