// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thin-section photograph read from its file, and a grain's colour in it: the mean of 5 × 5
// pixels in linear light.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <QImage>
#include <QString>

#include <optional>

// The photograph in the file, or a French message saying why there is none. Photographs of
// more than PixelsDecodes pixels are decoded scaled down, so that `echelle` (pixels of the
// image per pixel of the file) is below 1; those of more than PixelsMax are refused from their
// header, before any decoding.
struct Photographie {
    QImage image;
    QString erreur;
    double echelle = 1.0;
};
inline constexpr qint64 PixelsMax = 200'000'000;
inline constexpr qint64 PixelsDecodes = 24'000'000; // 96 MB in 32-bit colour
Photographie LitPhotographie(const QString &nom);

// A grain's colour is the mean of the pixels within this many of the one clicked: 5 × 5.
inline constexpr int RayonGrain = 2;

// The mean colour, in linear light, of the pixels of `image` within RayonGrain of (x, y).
RgbLineaire MoyenneLineaire(const QImage &image, int x, int y);

// The pixel of the image under a pixel of the file; none outside the photograph.
std::optional<QPoint> PixelDeLImage(const Photographie &photo, QPoint pixelDuFichier);
