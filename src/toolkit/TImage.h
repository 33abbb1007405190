// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Image control whose canvas is a bitmap at the control's size: the strips are painted
// into it with a pen and lines, and the control shows it stretched to its own size.
#include <QImage>
#include <QWidget>

#include <cstdint>

class TImage;

// A colour value (red in the low byte) as Qt's colour.
QColor CouleurQt(std::uint32_t valeur);

// The pixels that a pen of that width covers along a vertical or horizontal line from
// (x0, y0) to (x1, y1), the end point excluded; a null rectangle for any other line.
QRect TraitDroit(int x0, int y0, int x1, int y1, int largeur);

struct Stylo {
    std::uint32_t Color = 0; // r + 256 g + 65536 b
    int Width = 1;
};

class Canevas {
public:
    Stylo Pen;
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), without the end point; the pen moves there.
    void LineTo(int x, int y);

private:
    friend class TImage;
    explicit Canevas(TImage &image) : image_(image) {}
    TImage &image_;
    int x_ = 0;
    int y_ = 0;
};

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TImage)

    // The surface follows the control's size (content kept, scaled) and its pixel density.
    Canevas &Canvas();
    // Colour value of the surface at (x, y) in control pixels; 0 outside the surface.
    std::uint32_t Pixel(int x, int y) const;
    bool aSurface() const { return !surface_.isNull(); }
    // In device pixels: the control's size times its pixel density.
    QSize tailleSurface() const { return surface_.size(); }

signals:
    void sourisEnfoncee(Qt::MouseButton bouton, Qt::MouseButtons etat, int x, int y);
    void sourisDeplacee(Qt::MouseButtons etat, int x, int y);
    void sourisRelachee(Qt::MouseButton bouton, Qt::MouseButtons etat, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class Canevas;
    void ajusteSurface();
    void trace(int x0, int y0, int x1, int y1, const Stylo &stylo);
    void remplit(const QRect &logique, QRgb couleur);

    QImage surface_;
    // A repaint is already asked for: the lines drawn until it comes need no other.
    bool repeintDemande_ = false;
    Canevas canevas_{*this};
};
