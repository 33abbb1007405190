// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/grains/GrainSurPlatine.h"

#include "MichelLevySpectre/grains/Pleochroisme.h"

namespace {

constexpr double NanometresParMicrometre = 1000.0;

double milieu(const Intervalle &i) { return (i.min + i.max) / 2; }

} // namespace

std::optional<GrainDessine> PrepareGrain(const Mineral &mineral, const FicheGrain &fiche,
                                         double epaisseur, std::optional<double> lenteChoisie)
{
    const std::optional<double> lente = fiche.lente ? milieu(*fiche.lente) : lenteChoisie;
    if (!lente)
        return std::nullopt;
    GrainDessine g{&fiche, mineral.deltaMax, mineral.deltaMax * epaisseur * NanometresParMicrometre,
                   *lente, std::nullopt,     AbsorptionDuGrain(fiche, epaisseur)};
    // The section holds the fastest and the slowest directions: nα (ω) and nγ (ε), the first
    // and last of the published indices.
    const std::vector<Intervalle> &n = fiche.indices.empty() ? mineral.indices : fiche.indices;
    if (!n.empty())
        g.relief = (milieu(n.front()) + milieu(n.back())) / 2 - IndiceBaume;
    return g;
}

EtatPlatine AvecLeGrain(EtatPlatine etat, const GrainDessine &grain)
{
    etat.retard = grain.retard;
    etat.lente = grain.lente;
    return etat;
}

MontagePlatine MontageDeLaPlatine(const EtatPlatine &etat, const AbsorptionGrain *absorption,
                                  int lamelle)
{
    MontagePlatine m;
    m.retardGrain = etat.retard;
    m.angleGrain = etat.angle + (lamelle % 2 ? -etat.lente : etat.lente);
    m.retardLame = RetardLame(etat.lame, etat.biseau);
    m.croises = etat.croises;
    m.analyseur = !etat.naturelle;
    m.absorption = absorption;
    return m;
}
