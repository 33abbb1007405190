// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/interference/PlanBalayage.h"

#include "MichelLevySpectre/interference/Interferences.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Below this phase the rows take std::cos: a table that never leaves such phases has a tiny
// monochromatic maximum, which would magnify any last-bit difference.
constexpr double phaseMin = 0.5;

// Rows i from phaseMin on whose retardation origine + i × pas_ is not clamped. Away from 0 the
// rows start at a shifted phase: every row is turned.
void plageRotation(EchantillonBalayage &e, std::int32_t pas_, std::int64_t lignes,
                   std::int32_t origine)
{
    if (pas_ == 0)
        return;
    const double parLigne = std::abs(PhaseRetard(pas_, e.x));
    const std::int64_t sansSaturation =
        (std::numeric_limits<std::int32_t>::max() - std::abs(std::int64_t{origine})) /
            std::abs(std::int64_t{pas_}) +
        1;
    const auto borne = [lignes](double v) {
        return static_cast<std::int64_t>(std::clamp(v, 0.0, static_cast<double>(lignes)));
    };
    e.debut = origine == 0 ? borne(std::ceil(phaseMin / parLigne)) : 0;
    e.fin = std::max(e.debut, std::min(lignes, sansSaturation));
}

} // namespace

Rotation RotationDe(double angle) { return {std::cos(angle), std::sin(angle)}; }

std::vector<EchantillonBalayage> PlanBalayage(std::span<const RetardCouleur> spectre,
                                              std::int32_t pas_, std::int64_t lignes,
                                              std::int32_t origine)
{
    std::vector<EchantillonBalayage> plan;
    for (const RetardCouleur &s : spectre) {
        if (s.x == 0 || (s.R == 0 && s.G == 0 && s.B == 0))
            continue;
        EchantillonBalayage e;
        e.x = s.x;
        e.R = s.R, e.G = s.G, e.B = s.B;
        const double delta = PhaseRetard(pas_, s.x);
        e.unPas = RotationDe(delta);
        e.unGroupe = RotationDe(voiesBalayage * delta);
        plageRotation(e, pas_, lignes, origine);
        plan.push_back(e);
    }
    return plan;
}
