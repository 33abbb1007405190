// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/presentation/Identification.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/presentation/Ordres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

double Birefringence(double retard, double epaisseur) { return retard / (epaisseur * 1000); }

std::string Decimal(double valeur, int decimales)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
    std::string s = tampon;
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s;
}

std::string LectureRetard(double retard, double epaisseur, const std::string &teinte,
                          std::span<const Mineral> table)
{
    const double delta = Birefringence(retard, epaisseur);
    std::string s = "Retard : " + std::to_string(std::lround(retard)) + " nm (" +
                    NomOrdre(OrdreDuRetard(retard, IntervalleOrdres)) + ")";
    if (!teinte.empty())
        s += "\nTeinte : " + teinte;
    s += "\nδ = Δ / épaisseur = " + Decimal(delta, 4) + " (lame de " + TexteEpaisseur(epaisseur) +
         " µm)";
    s += "\nMinéraux : " + (table.empty()
                                ? std::string("table des minéraux absente")
                                : NomsMineraux(MinerauxDuDelta(table, delta), MinerauxNommes));
    return s;
}

std::vector<LigneIdentification> LignesIdentification(std::span<const Candidat> candidats,
                                                      double epaisseur,
                                                      std::span<const Mineral> table)
{
    std::vector<LigneIdentification> lignes;
    for (const Candidat &c : candidats) {
        const double delta = Birefringence(c.retard, epaisseur);
        lignes.push_back({c, delta, MinerauxDuDelta(table, delta)});
    }
    return lignes;
}

std::string TexteResultats(std::span<const LigneIdentification> lignes)
{
    std::string s = "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\n";
    for (const LigneIdentification &l : lignes)
        s += NomOrdre(l.candidat.ordre) + '\t' + std::to_string(l.candidat.retard) + '\t' +
             Decimal(l.candidat.ecart, 1) + '\t' + Decimal(l.delta, 4) + '\t' +
             NomsMineraux(l.mineraux, std::numeric_limits<std::size_t>::max()) + '\n';
    return s;
}

std::optional<double> LitEpaisseur(std::string_view texte)
{
    std::string s(texte);
    s.erase(0, s.find_first_not_of(" \t"));
    s.erase(s.find_last_not_of(" \t") + 1);
    std::replace(s.begin(), s.end(), ',', '.');
    double v = 0;
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || fin != s.data() + s.size() || !(v >= EpaisseurMin) ||
        !(v <= EpaisseurMax))
        return std::nullopt;
    return v;
}

std::string TexteEpaisseur(double epaisseur)
{
    return Decimal(epaisseur, epaisseur == std::round(epaisseur) ? 0 : 1);
}
