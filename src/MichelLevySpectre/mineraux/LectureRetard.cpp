// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/mineraux/LectureRetard.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/Ordres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>

double Birefringence(double retard, double epaisseur) { return retard / (epaisseur * 1000); }

namespace {

// Minerals named by each reading in the strip's one line.
constexpr std::size_t NommesParLecture = 4;

std::string ordre(const Candidat &c)
{
    return c.blancSuperieur ? NomTeinte(c.retard) : NomOrdre(c.ordre);
}

} // namespace

std::vector<Mineral> MinerauxDuRetard(std::span<const Mineral> table, double retard,
                                      double epaisseur, LectureDelta lecture)
{
    std::vector<Mineral> r;
    if (lecture == LectureDelta::TeinteLaPlusElevee) {
        const double bas = Birefringence(retard, epaisseur + IncertitudeEpaisseur);
        const double haut =
            Birefringence(retard, std::max(EpaisseurMin, epaisseur - IncertitudeEpaisseur));
        std::copy_if(table.begin(), table.end(), std::back_inserter(r), [&](const Mineral &m) {
            return m.deltaMin - ArrondiDelta <= haut && bas < m.deltaMax + ArrondiDelta;
        });
        return r;
    }
    const double delta = Birefringence(retard, epaisseur);
    std::copy_if(table.begin(), table.end(), std::back_inserter(r),
                 [delta](const Mineral &m) { return delta < m.deltaMax + ArrondiDelta; });
    std::stable_sort(r.begin(), r.end(),
                     [](const Mineral &a, const Mineral &b) { return a.deltaMax < b.deltaMax; });
    return r;
}

std::string LectureRetard(double retard, double epaisseur, const std::string &teinte,
                          std::span<const Mineral> table)
{
    std::string s = "Retard : " + std::to_string(std::lround(retard)) + " nm (" +
                    NomOrdre(OrdreDuRetard(retard, IntervalleOrdres)) + ")";
    if (!teinte.empty())
        s += "\nTeinte : " + teinte;
    const auto noms = [&](LectureDelta l) {
        return table.empty()
                   ? std::string("table des minéraux absente")
                   : NomsMineraux(MinerauxDuRetard(table, retard, epaisseur, l), NommesParLecture);
    };
    const double haut = std::max(EpaisseurMin, epaisseur - IncertitudeEpaisseur);
    s += "\nGrain quelconque, δ ≥ Δ / épaisseur = " + Decimal(Birefringence(retard, epaisseur), 4) +
         " (lame de " + TexteEpaisseur(epaisseur) +
         " µm) : " + noms(LectureDelta::GrainQuelconque) +
         " ; teinte la plus élevée du minéral, δ de " +
         Decimal(Birefringence(retard, epaisseur + IncertitudeEpaisseur), 4) + " à " +
         Decimal(Birefringence(retard, haut), 4) + " : " + noms(LectureDelta::TeinteLaPlusElevee);
    return s;
}

std::vector<LigneIdentification> LignesIdentification(std::span<const Candidat> candidats,
                                                      double epaisseur,
                                                      std::span<const Mineral> table,
                                                      LectureDelta lecture)
{
    std::vector<LigneIdentification> lignes;
    for (const Candidat &c : candidats) {
        if (c.blancSuperieur) { // only a lower bound, whatever the reading
            lignes.push_back({c, Birefringence(DebutBlancSuperieur, epaisseur), true,
                              MinerauxDuRetard(table, DebutBlancSuperieur, epaisseur,
                                               LectureDelta::GrainQuelconque)});
            continue;
        }
        lignes.push_back({c, Birefringence(c.retard, epaisseur),
                          lecture == LectureDelta::GrainQuelconque,
                          MinerauxDuRetard(table, c.retard, epaisseur, lecture)});
    }
    return lignes;
}

std::vector<std::string> CellulesLigne(const LigneIdentification &l, std::size_t nommes)
{
    const Candidat &c = l.candidat;
    return {ordre(c),
            c.blancSuperieur ? "≥ " + std::to_string(DebutBlancSuperieur)
                             : std::to_string(c.retard),
            Decimal(c.ecart, 1),
            (l.auMoins ? "δ ≥ " : "") + Decimal(l.delta, 4),
            NomsMineraux(l.mineraux, nommes),
            "×" + Decimal(c.exposition, 1)};
}

std::string TexteResultats(std::span<const LigneIdentification> lignes)
{
    std::string s = "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\texposition\n";
    for (const LigneIdentification &l : lignes) {
        const std::vector<std::string> cellules =
            CellulesLigne(l, std::numeric_limits<std::size_t>::max());
        for (std::size_t i = 0; i < cellules.size(); ++i)
            s += cellules[i] + (i + 1 < cellules.size() ? '\t' : '\n');
    }
    return s;
}

std::optional<double> LitEpaisseur(std::string_view texte)
{
    const std::optional<double> v = LitDecimal(texte);
    if (!v || !(*v >= EpaisseurMin) || !(*v <= EpaisseurMax))
        return std::nullopt;
    return v;
}

std::string TexteEpaisseur(double epaisseur)
{
    return Decimal(epaisseur, epaisseur == std::round(epaisseur) ? 0 : 1);
}
