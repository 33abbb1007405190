// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include "MichelLevySpectre/RetardCouleur.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

constexpr double radians = std::numbers::pi / 180;
// Below this the grain is at extinction: a turn that never passes it stays dark.
constexpr double LuminositeExtinction = 1e-9;

} // namespace

LumierePlatine PrepareLumierePlatine(const ReglagesMicroscope &reglages)
{
    std::vector<std::int32_t> longueursOnde(EchantillonsSpectre);
    std::iota(longueursOnde.begin(), longueursOnde.end(), LambdaMin);
    LumierePlatine l{SpectreCie(longueursOnde, reglages.source), 0.0, XyzVersSrgbVu(reglages)};
    for (const RetardCouleur &e : l.spectre)
        l.totalY += e.G;
    if (!(l.totalY > 0))
        l.totalY = 1;
    return l;
}

VuePlatine VoitPlatine(const LumierePlatine &lumiere, const MontagePlatine &montage)
{
    Tristimulus passe;
    for (const RetardCouleur &e : lumiere.spectre) {
        const double t = TransmissionPlatine(montage, e.x);
        passe.X += e.R * t, passe.Y += e.G * t, passe.Z += e.B * t;
    }
    passe = {passe.X / lumiere.totalY, passe.Y / lumiere.totalY, passe.Z / lumiere.totalY};
    const Tristimulus c = Applique(lumiere.vu, passe);
    return {EncodeDansGamut({c.X, c.Y, c.Z}), passe.Y};
}

std::vector<double> LuminositesTour(const LumierePlatine &lumiere, MontagePlatine montage)
{
    const double depart = montage.angleGrain;
    std::vector<double> tour(AnglesTour);
    for (int k = 0; k < AnglesTour; ++k) {
        montage.angleGrain = depart + k;
        tour[std::size_t(k)] = VoitPlatine(lumiere, montage).luminosite;
    }
    return tour;
}

std::optional<int> ExtinctionMesuree(std::span<const double> tour)
{
    if (tour.empty() || !(*std::max_element(tour.begin(), tour.end()) > LuminositeExtinction))
        return std::nullopt;
    const auto k = int(std::min_element(tour.begin(), tour.end()) - tour.begin());
    const int d = k % 90;
    return std::min(d, 90 - d);
}

std::string SigneAllongement(double angleExtinction)
{
    const double e = std::fmod(std::abs(angleExtinction), 180.0);
    const double versLongueur = std::min(e, 180 - e); // 0..90°
    if (versLongueur < 45)
        return "allongement positif (lent)";
    if (versLongueur > 45)
        return "allongement négatif (rapide)";
    return "allongement indéterminé";
}

double RetardApparent(const MontagePlatine &montage)
{
    if (montage.retardLame == 0)
        return montage.retardGrain;
    // +1 with the slow directions together, −1 crossed, 0 with the grain at extinction.
    const double ensemble = std::cos(2 * (montage.angleGrain - AngleLameAuxiliaire) * radians);
    if (std::abs(ensemble) < std::numbers::sqrt2 / 2)
        return montage.retardLame;
    return std::abs(montage.retardGrain + std::copysign(montage.retardLame, ensemble));
}
