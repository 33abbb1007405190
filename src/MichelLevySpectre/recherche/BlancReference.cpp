// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/BlancReference.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/couleurs/Gamut.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

Tristimulus xyz(const RgbLineaire &c) { return Applique(MatriceSrgbVersXyz, {c.R, c.G, c.B}); }

// The lamp whose white has the chromaticity (x, y) nearest the area's.
SourceLumineuse lampe(const Tristimulus &t)
{
    const auto xy = [](const Tristimulus &c) {
        const double somme = c.X + c.Y + c.Z;
        return std::pair{c.X / somme, c.Y / somme};
    };
    const auto [x, y] = xy(t);
    SourceLumineuse proche = SourceLumineuse::EgaleEnergie;
    double ecart = 1e9;
    for (const SourceLumineuse s : {SourceLumineuse::EgaleEnergie, SourceLumineuse::D65,
                                    SourceLumineuse::Halogene, SourceLumineuse::IlluminantA}) {
        const auto [xs, ys] = xy(BlancSource(s));
        if (const double e = std::hypot(x - xs, y - ys); e < ecart)
            ecart = e, proche = s;
    }
    return proche;
}

// C*ab of the colour against the lamp's white brought to the colour's own luminance (L* = 100):
// how far its chromaticity is from the lamp's, whatever its brightness.
double chromaContreBlanc(const Tristimulus &t, SourceLumineuse source)
{
    const Tristimulus b = BlancSource(source); // Y = 1
    const Lab lab = XyzVersLab(t, {b.X * t.Y, t.Y, b.Z * t.Y});
    return std::hypot(lab.a, lab.b);
}

BalanceBlancs refus(const char *raison) { return {SansBalance, raison}; }

} // namespace

BalanceBlancs BalanceDepuisNeutre(const RgbLineaire &n)
{
    const double plusClair = std::max({n.R, n.G, n.B});
    const char *sombre = "La zone choisie est trop sombre pour servir de référence de blanc : "
                         "cliquez sur une zone neutre et claire";
    if (plusClair < CanalSombre)
        return refus(sombre);
    const SourceLumineuse source = lampe(xyz(n));
    if (chromaContreBlanc(xyz(n), source) > ChromaBlancMax)
        return refus("La zone choisie est colorée : ce n'est pas une référence de blanc");
    if (std::min({n.R, n.G, n.B}) < CanalSombre) // neutral, but too dim to read its cast
        return refus(sombre);
    if (plusClair > CanalSature)
        return refus("La zone choisie est saturée : ses couleurs sont écrêtées, elle ne peut pas "
                     "servir de référence de blanc");
    const Tristimulus gris{BlancD65.X * plusClair, BlancD65.Y * plusClair, BlancD65.Z * plusClair};
    return {Produit(MatriceSrgb, Produit(AdaptationBradford(xyz(n), gris), MatriceSrgbVersXyz)),
            {},
            source};
}

ReglagesMicroscope ReglagesBalances(ReglagesMicroscope reglages, const BalanceBlancs &balance)
{
    if (balance.matrice == SansBalance)
        return reglages;
    reglages.source = balance.source;
    reglages.vision = Vision::OeilAdapte;
    return reglages;
}

RgbLineaire Equilibre(const RgbLineaire &c, const Matrice3 &balance)
{
    const Tristimulus t = Applique(balance, {c.R, c.G, c.B});
    return DansGamut({t.X, t.Y, t.Z});
}
