// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the figure exports share: the formats on offer and the save dialog that picks one.
#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/figures/FenetreFigures.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>
#include <span>

struct RetardCouleur;

class QCPPainter;
class QPainter;
class QImage;

enum class FormatFigure { Png, Svg, Pdf };

// From the name's extension, PNG when it is none of the three.
FormatFigure FormatDuNom(const QString &nom);

// The save dialog with the PNG, SVG and PDF filters, the given format first.
std::optional<QString> DemandeNomFigure(FormatFigure parDefaut = FormatFigure::Png);

// A vector picture of that size in units of 1/dpi inch, which `dessine` draws in; fonts
// sized in points come out at their size.
QByteArray FigureVectorielle(FormatFigure format, const QSizeF &taille, double dpi,
                             const QString &titre,
                             const std::function<void(QCPPainter &)> &dessine);

// A picture that `dessine` draws in points, on an image of that resolution, which it records.
QImage ImageEnPoints(const QSizeF &points, double dpi,
                     const std::function<void(QCPPainter &)> &dessine);

// A PNG of the image, with its resolution recorded in it.
QByteArray OctetsPng(const QImage &image);

// The full Michel-Lévy chart of that table on an A4 landscape page (PNG at 300 dpi), its
// title naming the light, its marks the light's orders or fringes.
QByteArray OctetsCharteMichelLevy(const FenetreFigures &fenetre, FormatFigure format,
                                  std::span<const RetardCouleur> table, const QString &lumiere,
                                  const ReperesCharte &reperes = {});
// The chart's refusal of a table without a positive maximum, as an Erreur.
void VerifieTableCharte(std::span<const RetardCouleur> table);
// The marks of the current light: orders in white light, fringes of the band's wavelength.
ReperesCharte ReperesDeLaCharte(const FenetreFigures &fenetre);
// The chart's plot on its page, in points.
QRectF TraceCharteMichelLevy();
// The chart's page in points, and the chart drawn on it (at a painter's origin).
QSizeF PageCharteMichelLevy();
void DessineCharteMichelLevy(const FenetreFigures &fenetre, QPainter &p,
                             std::span<const RetardCouleur> table, const QString &lumiere);
// The light of the current table as the titles name it: "lumière blanche".
QString LumiereDeLaCharte(const FenetreFigures &fenetre);
// The colour mode and every setting that acts on it, in words: "couleurs colorimétriques,
// égale énergie, œil adapté, polariseurs croisés, sans lame".
QString ModeEtReglages(const FenetreFigures &fenetre);
// Both, once each: the line that says what a figure shows.
QString DescriptionFigure(const FenetreFigures &fenetre);
// The text with its first letter a capital.
QString Capitale(QString texte);
