// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/listes/TextesListes.h"

#include "MichelLevySpectre/Arithmetique.h"

std::int64_t Part255(double part) { return ArrondiPair(part * 255); }

namespace {

void ajouteNombre(std::string &s, std::int64_t v) { s += std::to_string(v); }

} // namespace

std::string ListeSpectreFichier(std::span<const RetardCouleur> spectre, std::int32_t premier)
{
    std::string s = "lambda\tR\tG\tB\n";
    std::int64_t lambda = premier;
    for (const RetardCouleur &e : spectre) {
        ajouteNombre(s, lambda++);
        for (double c : {e.R, e.G, e.B}) {
            s += '\t';
            ajouteNombre(s, Part255(c));
        }
        s += '\n';
    }
    return s;
}

std::string ListeSpectreLumiere(std::span<const RetardCouleur> spectre)
{
    std::string s;
    std::int64_t i = 0;
    for (const RetardCouleur &e : spectre) {
        s += "i =";
        ajouteNombre(s, i++);
        for (double c : {e.R, e.G, e.B}) {
            s += "  ";
            ajouteNombre(s, Part255(c));
        }
        s += '\n';
    }
    return s;
}

std::string LigneSpectreDessine(std::int64_t i, std::int64_t r, std::int64_t g, std::int64_t b)
{
    return "i =" + std::to_string(i) + "  " + std::to_string(i + LambdaMin) + " --- " +
           std::to_string(r) + "  " + std::to_string(g) + "  " + std::to_string(b) + "\n";
}

std::string ListeTableInterferences(std::span<const RetardCouleur> table)
{
    std::string s = "i\tretard(nm)\tR\tG\tB\n";
    s.reserve(s.size() + table.size() * 24);
    std::int64_t i = 0;
    for (const RetardCouleur &l : table) {
        ajouteNombre(s, i++);
        s += '\t';
        ajouteNombre(s, l.x);
        for (double c : {l.R, l.G, l.B}) {
            s += '\t';
            s += FormatFixe(c);
        }
        s += '\n';
    }
    return s;
}

std::string QuestionEnregistrement(std::int32_t pas_, std::int32_t retardMax,
                                   std::int64_t lignesMemo)
{
    std::string note;
    if (pas_ > 1)
        note = "  (il est possible de diminuer le pas à 1 pour une plus grande "
               "résolution de " +
               std::to_string(retardMax) + ")           \n\n\n";
    return note + "  Enregistrer les " + std::to_string(lignesMemo - 1) + " interférences  ?  ";
}
