// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thin-section photograph shown with zoom; a click gives the pixel under the pointer, whose
// 5 × 5 neighbours make the grain's colour.
#include "MichelLevySpectre/photographie/Photographie.h"

#include <QImage>
#include <QWidget>

#include <optional>

class VuePhotographie : public QWidget {
    Q_OBJECT
public:
    explicit VuePhotographie(QWidget *parent = nullptr);
    void montre(const QImage &image); // at a zoom that fits the view's parent
    bool vide() const { return image_.isNull(); }
    double zoom() const { return zoom_; }
    const QImage &image() const { return image_; }
    // Keeps the point `autour` of the view (its centre by default) under the same pixel.
    void changeZoom(double facteur, std::optional<QPointF> autour = std::nullopt);
    // Outlines the 5 × 5 area around that pixel, as a click does.
    void marque(QPoint pixel);
    // The widget's point over that pixel's centre.
    QPoint pointDuPixel(int x, int y) const;

signals:
    void pixelPris(QPoint pixel);
    void clicHorsImage();
    void zoomChange(double zoom);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *e) override;

private:
    void couvreLaPlace(); // at least the visible area, so that a click beside the photograph
                          // reaches the view
    QImage image_;
    double zoom_ = 1.0;
    std::optional<QPoint> marque_; // the last pixel clicked
};
