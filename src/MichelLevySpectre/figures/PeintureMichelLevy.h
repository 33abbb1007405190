// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Michel-Lévy strip's drawing, on any canvas with a pen (Color, Width), MoveTo and
// LineTo: the window's image, or a larger picture or a vector file when it is exported.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/couleurs/CodesCouleur.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace peinture {

inline int enPixel(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

template <class Toile>
void colonne(Toile &c, std::int64_t x, std::int64_t largeurStylo, std::int32_t height)
{
    c.Pen.Width = enPixel(largeurStylo);
    c.MoveTo(enPixel(x), 0);
    c.LineTo(enPixel(x), height);
}

template <class Toile>
void michelLevy(Toile &c, std::span<const RetardCouleur> table,
                std::span<const std::uint32_t> couleurs, std::int32_t width, std::int32_t height)
{
    if (table.empty())
        return;
    const std::int64_t last = std::int64_t(table.size()) - 1;
    // A single row has no step: its colour covers the whole strip.
    const double s = last > 0 ? double(width) / double(last) : 0.0;
    const std::int64_t W =
        last > 0 ? std::max<std::int64_t>(1, ArrondiPair(s + 0.5)) : std::max(1, width);
    std::int64_t T = IntervalleOrdres;
    for (std::int64_t i = 0; i <= last; ++i) {
        const RetardCouleur &l = table[std::size_t(i)];
        c.Pen.Color = couleurs[std::size_t(i)];
        const std::int64_t x = last > 0 ? ArrondiPair(double(i) * s) : (W - 1) / 2;
        colonne(c, x, W, height);
        if (l.x > T) {
            c.Pen.Width = 2;
            c.Pen.Color = Jaune;
            c.MoveTo(enPixel(x), 0);
            c.LineTo(enPixel(x), 10);
            T += IntervalleOrdres;
        }
    }
}

} // namespace peinture
