// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/interference/BalayageRapide.h"

#include "MichelLevySpectre/interference/Interferences.h"
#include "MichelLevySpectre/interference/PlanBalayage.h"

#include <algorithm>
#include <limits>

// Error of the rotation against CouleurRetard, per weight w = (cos q + 1) / 2, u = 2⁻⁵³.
// CouleurRetard rounds its phase q = r × 2π / x twice (≤ 2u|q|). A run of rows starts from
// std::cos/std::sin of the same rounded q_a and turns by the rounded one-row angle Δ
// (≤ 2u|Δ|), so the angle it follows is within 2u(|q_a| + (i − a)|Δ| + |q_i|) = 4u|q_i| of
// the reference's. In monochromatic light the reference rounds π + q (≤ u(π + |q|)) where the
// rotation takes −cos q. Each turn adds about 2u, and a run makes at most
// voiesBalayage − 1 + lignesBloc / voiesBalayage = 135 turns, every block being seeded afresh.
// So |Δw| ≤ ½(5u|q| + 270u): about 3e-13 up to 1024 rad, and beyond that 2.5u|q|, the size of
// the reference's own rounding of its phase (the largest retardation, 2³¹ − 1 nm, gives
// 3.4e7 rad at 400 nm, |Δw| ≤ 1e-8). With a spectrum of non-negative weights, white light ends
// up dividing each channel by its own total, so a value on the 0..255 scale moves by at most
// 255 × |Δw|; monochromatic light divides by the table's largest sum, which stays near the
// total once the sweep passes half a wavelength.

namespace {

// Rows per block: their three sums (24 KiB) stay in the first-level cache.
constexpr std::int64_t lignesBloc = 1024;
constexpr int voies = voiesBalayage;

struct SommesBloc {
    alignas(64) double R[lignesBloc];
    alignas(64) double G[lignesBloc];
    alignas(64) double B[lignesBloc];
};

// Four lanes of doubles, loaded and stored at any double's address. A typedef, as clang
// drops the alignment attribute of an alias declaration; and named in every declaration,
// as auto would deduce the plain vector type, whose 16- or 32-byte alignment both compilers
// then assume.
typedef double Quatre __attribute__((vector_size(4 * sizeof(double)), aligned(alignof(double))));

// An AVX2 copy chosen when the program loads: an ELF indirect function, which Windows
// executables cannot have; there the one default copy serves.
#ifdef __ELF__
#define CopieAvx2 __attribute__((target_clones("avx2", "default")))
#else
#define CopieAvx2
#endif

constexpr int quatres = voies / 4;

// Retardation of row i, held to the 32-bit range.
std::int32_t retard(std::int32_t origine, std::int64_t i, std::int32_t pas_)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(origine + i * pas_, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

void ajouteDirect(const EchantillonBalayage &e, std::int64_t de, std::int64_t a, std::int64_t bloc,
                  std::int32_t pas_, std::int32_t origine, ModeLumiere mode, SommesBloc &s)
{
    for (std::int64_t i = de; i < a; ++i) {
        const double w = PoidsEchantillon(retard(origine, i, pas_), e.x, mode);
        const std::int64_t k = i - bloc;
        s.R[k] += e.R * w;
        s.G[k] += e.G * w;
        s.B[k] += e.B * w;
    }
}

// Rows [de, a): lanes seeded at rows de .. de + voies - 1 from one std::cos/std::sin, then
// each lane turned by voies rows at a time.
CopieAvx2 void ajouteRotation(const EchantillonBalayage &e, std::int64_t de, std::int64_t a,
                              std::int64_t bloc, std::int32_t pas_, std::int32_t origine,
                              ModeLumiere mode, SommesBloc &s)
{
    alignas(32) double c[voies], sn[voies];
    const Rotation depart = RotationDe(PhaseRetard(retard(origine, de, pas_), e.x));
    c[0] = depart.c, sn[0] = depart.s;
    for (int l = 1; l < voies; ++l) {
        c[l] = c[l - 1] * e.unPas.c - sn[l - 1] * e.unPas.s;
        sn[l] = sn[l - 1] * e.unPas.c + c[l - 1] * e.unPas.s;
    }
    // Locals: the stores into the sums cannot then alias the sample.
    const double R = e.R, G = e.G, B = e.B, gc = e.unGroupe.c, gs = e.unGroupe.s;
    // (1 ± c) × 0.5 computed as 0.5 ± c × 0.5: the same double, one operation less.
    const double demiSigne = mode == ModeLumiere::Monochromatique ? -0.5 : 0.5;
    Quatre vc[quatres], vs[quatres];
    for (int j = 0; j < quatres; ++j) {
        vc[j] = *reinterpret_cast<const Quatre *>(c + 4 * j);
        vs[j] = *reinterpret_cast<const Quatre *>(sn + 4 * j);
    }
    std::int64_t i = de;
    for (; i + voies <= a; i += voies) {
        Quatre *r = reinterpret_cast<Quatre *>(s.R + (i - bloc));
        Quatre *g = reinterpret_cast<Quatre *>(s.G + (i - bloc));
        Quatre *b = reinterpret_cast<Quatre *>(s.B + (i - bloc));
        // Unrolled at -O2 too, or the lanes would live in memory.
#pragma GCC unroll 8
        for (int j = 0; j < quatres; ++j) {
            const Quatre w = 0.5 + demiSigne * vc[j];
            r[j] += R * w;
            g[j] += G * w;
            b[j] += B * w;
            const Quatre n = vc[j] * gc - vs[j] * gs;
            vs[j] = vs[j] * gc + vc[j] * gs;
            vc[j] = n;
        }
    }
    for (int j = 0; j < quatres; ++j)
        *reinterpret_cast<Quatre *>(c + 4 * j) = vc[j];
    for (int l = 0; i < a; ++i, ++l) {
        const double w = 0.5 + demiSigne * c[l];
        const std::int64_t k = i - bloc;
        s.R[k] += R * w;
        s.G[k] += G * w;
        s.B[k] += B * w;
    }
}

// Rows [bloc, fin): every sample in spectrum order, as CouleurRetard adds them.
void sommeBloc(const std::vector<EchantillonBalayage> &plan, std::int64_t bloc, std::int64_t fin,
               std::int32_t pas_, std::int32_t origine, ModeLumiere mode, SommesBloc &s)
{
    std::fill(std::begin(s.R), std::end(s.R), 0.0);
    std::fill(std::begin(s.G), std::end(s.G), 0.0);
    std::fill(std::begin(s.B), std::end(s.B), 0.0);
    for (const EchantillonBalayage &e : plan) {
        const std::int64_t de = std::clamp(e.debut, bloc, fin);
        const std::int64_t a = std::clamp(e.fin, de, fin);
        ajouteDirect(e, bloc, de, bloc, pas_, origine, mode, s);
        if (de < a)
            ajouteRotation(e, de, a, bloc, pas_, origine, mode, s);
        ajouteDirect(e, a, fin, bloc, pas_, origine, mode, s);
    }
}

} // namespace

void SommesBalayage(std::int32_t pas_, std::int64_t derniere,
                    std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                    ModeLumiere mode, std::int32_t origine)
{
    const std::int64_t lignes = derniere + 1;
    const std::vector<EchantillonBalayage> plan = PlanBalayage(spectre, pas_, lignes, origine);
    SommesBloc s;
    for (std::int64_t bloc = 0; bloc < lignes; bloc += lignesBloc) {
        const std::int64_t fin = std::min(lignes, bloc + lignesBloc);
        sommeBloc(plan, bloc, fin, pas_, origine, mode, s);
        for (std::int64_t i = bloc; i < fin; ++i) {
            RetardCouleur &l = table[static_cast<std::size_t>(i)];
            l.x = retard(origine, i, pas_);
            l.R = s.R[i - bloc], l.G = s.G[i - bloc], l.B = s.B[i - bloc];
        }
    }
}
