// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conoscope's field: the figure in its disc, the polarisers' directions, a scale in ρ and
// the plate's slow direction. The same drawing serves the window and the saved figure.
#include "MichelLevySpectre/platine/ChampTournant.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;
struct ImageFigure;

// The core's figure as an image of its own.
QImage ImageDeLaFigure(const ImageFigure &figure);

// What is drawn around the figure.
struct HabillageFigure {
    bool croises = true; // analyser N–S; E–W when false
    QString lame;        // the plate's short name, "λ"; empty for none
};

// The figure (a square image, the field its inscribed disc) in `disque`, with the polarisers
// outside it on the right and at the top, the scale in ρ below and the plate at the top right:
// the drawing needs `MargeHabillage` of `disque`'s side on every side.
inline constexpr double MargeHabillage = 0.16;
void DessineHabillage(QPainter &p, const QRectF &disque, const QImage &figure,
                      const HabillageFigure &habillage);

class VueConoscopique : public ChampTournant {
    Q_OBJECT
public:
    explicit VueConoscopique(QWidget *parent = nullptr);

    void montre(const QImage &figure, const HabillageFigure &habillage);
    const QImage &figure() const { return figure_; }
    // The disc's side in device pixels: the figure drawn at that size fills it sharply.
    int coteUtile() const;
    QSize sizeHint() const override { return {440, 440}; }

signals:
    // The widget changed size: the figure is to be drawn again for it.
    void redimensionnee();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    QRectF disque() const;

    QImage figure_;
    HabillageFigure habillage_;
};
