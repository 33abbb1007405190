// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/TImage.h"

#include "MichelLevySpectre/couleurs/CodesCouleur.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QPoint pointSouris(const QMouseEvent *e)
{
    const QPointF p = e->position();
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

} // namespace

QColor CouleurQt(std::uint32_t valeur)
{
    const Composantes c = EnComposantes(valeur);
    return QColor(c.r, c.g, c.b);
}

void Canevas::MoveTo(int x, int y)
{
    x_ = x;
    y_ = y;
}

void Canevas::LineTo(int x, int y)
{
    image_.trace(x_, y_, x, y, Pen);
    MoveTo(x, y);
}

TImage::TImage(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

Canevas &TImage::Canvas()
{
    ajusteSurface();
    return canevas_;
}

void TImage::ajusteSurface()
{
    const qreal densite = devicePixelRatioF();
    const QSize taille = (QSizeF(std::max(1, width()), std::max(1, height())) * densite).toSize();
    if (surface_.size() == taille && surface_.devicePixelRatio() == densite)
        return;
    QImage nouvelle(taille, QImage::Format_RGB32);
    nouvelle.fill(Qt::white);
    if (!surface_.isNull()) {
        QPainter p(&nouvelle);
        p.drawImage(nouvelle.rect(), surface_);
    }
    nouvelle.setDevicePixelRatio(densite);
    surface_ = std::move(nouvelle);
}

// A wide pen covers Width columns (or rows) starting (Width - 1) / 2 before the line,
// like the desktop's own pens.
QRect TraitDroit(int x0, int y0, int x1, int y1, int largeur)
{
    const int w = std::max(1, largeur);
    if (x0 == x1 && y0 != y1) {
        const int haut = std::min(y0, y1 + 1), bas = std::max(y0, y1 - 1);
        return QRect(x0 - (w - 1) / 2, haut, w, bas - haut + 1);
    }
    if (y0 == y1 && x0 != x1) {
        const int gauche = std::min(x0, x1 + 1), droite = std::max(x0, x1 - 1);
        return QRect(gauche, y0 - (w - 1) / 2, droite - gauche + 1, w);
    }
    return {};
}

// Other directions go through QPainter.
void TImage::trace(int x0, int y0, int x1, int y1, const Stylo &stylo)
{
    const QColor c = CouleurQt(stylo.Color);
    if (const QRect r = TraitDroit(x0, y0, x1, y1, stylo.Width); !r.isNull()) {
        remplit(r, c.rgb());
    } else if (x0 != x1 || y0 != y1) {
        QPainter p(&surface_);
        p.setPen(QPen(c, std::max(1, stylo.Width), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(x0, y0, x1, y1);
    }
    if (!repeintDemande_) {
        repeintDemande_ = true;
        update();
    }
}

// Straight into the bitmap's memory: a strip of 50,001 columns must not cost a painter each.
void TImage::remplit(const QRect &logique, QRgb couleur)
{
    const qreal d = surface_.devicePixelRatio();
    const QRect appareil =
        QRect(QPoint(qRound(logique.left() * d), qRound(logique.top() * d)),
              QPoint(qRound((logique.right() + 1) * d) - 1, qRound((logique.bottom() + 1) * d) - 1))
            .intersected(surface_.rect());
    if (appareil.isEmpty())
        return;
    // bits() once: scanLine() would check for a detach on every row.
    uchar *debut = surface_.bits();
    const qsizetype pas = surface_.bytesPerLine();
    for (int y = appareil.top(); y <= appareil.bottom(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(debut + y * pas);
        std::fill(ligne + appareil.left(), ligne + appareil.right() + 1, couleur);
    }
}

std::uint32_t TImage::Pixel(int x, int y) const
{
    const qreal d = surface_.devicePixelRatio();
    const QPoint p(int(x * d), int(y * d));
    if (surface_.isNull() || !surface_.valid(p))
        return 0;
    const QRgb c = surface_.pixel(p);
    return CouleurValeur(qRed(c), qGreen(c), qBlue(c));
}

void TImage::paintEvent(QPaintEvent *)
{
    repeintDemande_ = false;
    QPainter p(this);
    if (surface_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(rect(), surface_);
}

void TImage::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = pointSouris(e);
    emit sourisEnfoncee(e->button(), e->buttons(), p.x(), p.y());
}

void TImage::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = pointSouris(e);
    emit sourisDeplacee(e->buttons(), p.x(), p.y());
}

void TImage::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = pointSouris(e);
    emit sourisRelachee(e->button(), e->buttons(), p.x(), p.y());
}
