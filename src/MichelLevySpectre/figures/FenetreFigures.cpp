// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/figures/FenetreFigures.h"

namespace {

std::function<FenetreFigures()> &fenetreInstallee()
{
    static std::function<FenetreFigures()> fenetre;
    return fenetre;
}

} // namespace

void InstalleFenetreFigures(std::function<FenetreFigures()> fenetre)
{
    fenetreInstallee() = std::move(fenetre);
}

FenetreFigures FenetreDesFigures()
{
    const auto &fenetre = fenetreInstallee();
    return fenetre ? fenetre() : FenetreFigures{};
}
