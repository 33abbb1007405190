// SPDX-License-Identifier: GPL-3.0-or-later
// Colour strips: one vertical line per table row, left to right.
#include "MichelLevySpectre.h"

#include "MichelLevySpectre/figures/PeintureMichelLevy.h"
#include "Unit1.h"
#include "toolkit/Cp1252.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

using peinture::colonne;

// Paints the spectrum; returns the listing text when asked for one.
std::string peintSpectre(TImage *image, std::span<const RetardCouleur> table, std::int32_t last,
                         std::int32_t width, std::int32_t height, bool liste)
{
    std::string texte;
    const std::int64_t n = std::min<std::int64_t>(last, std::int64_t(table.size()) - 1);
    if (n < 0)
        return texte;
    Canevas &c = image->Canvas();
    // A single sample has no step between columns: its colour covers the whole strip.
    const std::int64_t w = last > 0 ? width / last + 1 : std::max(1, width);
    for (std::int64_t i = 0; i <= n; ++i) {
        const RetardCouleur &e = table[std::size_t(i)];
        const auto r = Part255(e.R), g = Part255(e.G), b = Part255(e.B);
        c.Pen.Color = CouleurValeur(r, g, b);
        if (liste)
            texte += LigneSpectreDessine(i, r, g, b);
        const std::int64_t x = last > 0 ? std::int64_t{width} * i / last : (w - 1) / 2;
        colonne(c, x, w, height);
    }
    return texte;
}

void afficheNombreValeurs(TForm1 &f, std::int32_t last)
{
    f.Label10->setText(QString::number(std::int64_t{last} + 1) + QStringLiteral(" valeurs"));
}

} // namespace

void DessineSpectre(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                    std::int32_t last, std::int32_t width, std::int32_t height)
{
    peintSpectre(image, table, last, width, height, false);
    afficheNombreValeurs(f, last);
}

void DessineSpectreListe(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                         std::int32_t last, std::int32_t width, std::int32_t height, TMemo *memo)
{
    const bool liste = f.CheckBox1->isChecked();
    const std::string texte = peintSpectre(image, table, last, width, height, liste);
    if (liste)
        RemplaceTexteGele(memo, DepuisCp1252(texte));
    afficheNombreValeurs(f, last);
}

void DessineMichelLevy(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                       std::int32_t width, std::int32_t height)
{
    if (!table.empty())
        peinture::michelLevy(image->Canvas(), table,
                             CouleursMichelLevy(table, f.reglages().couleursColorimetriques(),
                                                f.reglages().microscope()),
                             width, height);
}
