// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thin-section photograph shown with zoom; a click gives the mean colour of the 5 × 5 pixels
// around the pixel under the pointer.
#include "MichelLevySpectre/presentation/Colorimetrie.h"

#include <QImage>
#include <QWidget>

#include <optional>

// The photograph in the file, or a French message saying why there is none. Images of more
// than PixelsMax pixels are refused from their header, before any decoding.
struct Photographie {
    QImage image;
    QString erreur;
};
inline constexpr qint64 PixelsMax = 60'000'000;
Photographie LitPhotographie(const QString &nom);

// The mean colour, in linear light, of the pixels of `image` within 2 pixels of (x, y).
Rgb8 CouleurMoyenne(const QImage &image, int x, int y);

class VuePhotographie : public QWidget {
    Q_OBJECT
public:
    explicit VuePhotographie(QWidget *parent = nullptr);
    void montre(const QImage &image); // at a zoom that fits the view's parent
    bool vide() const { return image_.isNull(); }
    double zoom() const { return zoom_; }
    void changeZoom(double facteur);
    // The widget's point over that pixel's centre.
    QPoint pointDuPixel(int x, int y) const;

signals:
    void couleurPrise(Rgb8 couleur);
    void clicHorsImage();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    QImage image_;
    double zoom_ = 1.0;
    std::optional<QPoint> marque_; // the last pixel clicked
};
