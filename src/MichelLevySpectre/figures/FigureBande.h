// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Michel-Lévy strip as a figure: a title, the strip as the window paints it, and below it
// a retardation axis in nm with the order boundaries and names. Laid out in points.
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/figures/Figures.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>

#include <span>

class QPainter;

// The window's picture of the strip at that size, its 551 nm marks included.
QImage PeintureBande(const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
                     int largeur, int hauteur);

// The figure's size for a strip of that size, in points, with or without its title.
QSizeF TailleFigureBande(const QSizeF &bande, bool titre);

// Draws the figure from `origine`, the strip stretched from `peinture`: as an image, or as
// one rectangle per run of equal columns in a vector file.
void DessineFigureBande(const FenetreFigures &fenetre, QPainter &p, const QPointF &origine,
                        const QSizeF &bande, bool titre, const QImage &peinture, bool vectorielle,
                        std::span<const RetardCouleur> table);

// The saved figure of a strip of that many pixels: PNG four times as wide, vector files at
// the screen's size. The copied one at the screen's size.
QByteArray OctetsFigureBande(const FenetreFigures &fenetre, FormatFigure format,
                             std::span<const RetardCouleur> table, int largeur, int hauteur);
QImage ImageFigureBande(const FenetreFigures &fenetre, std::span<const RetardCouleur> table,
                        int largeur, int hauteur);

// The table's range and step: "retard de 0 à 3000 nm par pas de 6 nm (501 valeurs)".
QString DescriptionTable(std::span<const RetardCouleur> table);

// False, after a French message, when the table has no two rows to show.
bool TableFigurable(std::span<const RetardCouleur> table);
