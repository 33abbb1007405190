// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the Michel-Lévy strip shows: the table's own, through the plate and the
// polarisers, or the colorimetric ones on request. The table, the listings and the chart keep
// their values: only the strip's column colours change.
#include "MichelLevySpectre/reglages/CouleursBande.h"

#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/TableVue.h"

#include <algorithm>
#include <cstdint>

namespace {

std::optional<LimitesBande> bandeIncidente;

// The light that made the current table: the option may be turned on long after the run.
struct LumiereDuCalcul {
    bool connue = false;
    std::vector<std::int32_t> longueursOnde;
    Tab_RetardCouleur spectre;
    ModeLumiere mode = ModeLumiere::Blanche;
    std::uint64_t numero = 0;
};
LumiereDuCalcul lumiere;

// The colours of the last table asked for, until the next run or another choice.
struct Memoire {
    std::uint64_t numero = 0;
    std::size_t lignes = 0;
    std::int32_t pas_ = 0;
    bool colorimetriques = false;
    ReglagesMicroscope reglages;
    std::vector<std::uint32_t> couleurs;
};
Memoire memoire;

// White light is equal-energy over the whole spectrum; monochromatic light keeps the band's
// samples, also those where the white spectrum is dark.
std::vector<std::int32_t> longueursOndeIncidentes(ModeLumiere mode)
{
    std::vector<std::int32_t> longueurs;
    const bool bande = mode == ModeLumiere::Monochromatique && bandeIncidente;
    for (const RetardCouleur &e : tab_incidente)
        if (e.x != 0 && (!bande || bandeIncidente->contient(e.x)))
            longueurs.push_back(e.x);
    return longueurs;
}

// Row i lies at i × pas.
std::int32_t pasDe(std::span<const RetardCouleur> table)
{
    return table.size() > 1 ? table[1].x : 0;
}

std::vector<std::uint32_t> colorimetriques(std::size_t lignes, std::int32_t pas_,
                                           const ReglagesMicroscope &reglages)
{
    const std::vector<Rgb8> rgb =
        CouleursColorimetriques(lumiere.longueursOnde, pas_, lignes, lumiere.mode, reglages);
    std::vector<std::uint32_t> couleurs(rgb.size());
    std::transform(rgb.begin(), rgb.end(), couleurs.begin(),
                   [](const Rgb8 &c) { return CouleurValeur(c.r, c.g, c.b); });
    return couleurs;
}

// The table's own colours through the plate and the polarisers, held to 0..255.
std::vector<std::uint32_t> deLaTable(std::size_t lignes, std::int32_t pas_,
                                     const ReglagesMicroscope &reglages)
{
    const Tab_RetardCouleur vue = TableVue(lumiere.spectre, pas_, lignes, lumiere.mode, reglages);
    std::vector<std::uint32_t> couleurs(vue.size());
    const auto octet = [](double v) { return ArrondiPair(std::clamp(v, 0.0, 255.0)); };
    std::transform(vue.begin(), vue.end(), couleurs.begin(), [&](const RetardCouleur &l) {
        return CouleurValeur(octet(l.R), octet(l.G), octet(l.B));
    });
    return couleurs;
}

std::vector<std::uint32_t> memorisees(std::span<const RetardCouleur> table, bool colorimetriques_,
                                      const ReglagesMicroscope &reglages)
{
    if (!lumiere.connue) // a table painted without a run: the light on hand
        RetientLumiereDuCalcul(lumiere.mode);
    const std::int32_t pas_ = pasDe(table);
    if (memoire.numero != lumiere.numero || memoire.lignes != table.size() ||
        memoire.pas_ != pas_ || memoire.colorimetriques != colorimetriques_ ||
        !(memoire.reglages == reglages)) {
        std::vector<std::uint32_t> couleurs = colorimetriques_
                                                  ? colorimetriques(table.size(), pas_, reglages)
                                                  : deLaTable(table.size(), pas_, reglages);
        memoire = {lumiere.numero,   table.size(), pas_,
                   colorimetriques_, reglages,     std::move(couleurs)};
    }
    return memoire.couleurs;
}

} // namespace

void RetientBandeIncidente(std::optional<LimitesBande> bande) { bandeIncidente = bande; }

void RetientLumiereDuCalcul(ModeLumiere mode)
{
    lumiere.connue = true;
    lumiere.mode = mode;
    lumiere.longueursOnde = longueursOndeIncidentes(lumiere.mode);
    lumiere.spectre = tab_incidente;
    ++lumiere.numero;
}

ModeLumiere ModeLumiereDuCalcul() { return lumiere.mode; }

std::vector<std::uint32_t> CouleursMichelLevy(std::span<const RetardCouleur> table,
                                              bool colorimetriques,
                                              const ReglagesMicroscope &microscope)
{
    if (colorimetriques)
        return CouleursMichelLevyColorimetriques(table, microscope);
    if (ReglagesChangentLaTable(microscope))
        return memorisees(table, false, microscope);
    std::vector<std::uint32_t> couleurs(table.size());
    std::transform(table.begin(), table.end(), couleurs.begin(), [](const RetardCouleur &l) {
        return CouleurValeur(ArrondiPair(l.R), ArrondiPair(l.G), ArrondiPair(l.B));
    });
    return couleurs;
}

std::vector<std::uint32_t> CouleursMichelLevyColorimetriques(std::span<const RetardCouleur> table,
                                                             const ReglagesMicroscope &microscope)
{
    return memorisees(table, true, microscope);
}

bool ReglagesChangentLaTable(const ReglagesMicroscope &microscope)
{
    return microscope.lame != LameAuxiliaire::Aucune ||
           microscope.polariseurs != Polariseurs::Croises;
}
