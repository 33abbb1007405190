// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/identification/VuePhotographie.h"

#include "MichelLevySpectre/photographie/Photographie.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZoomMin = 0.02;
constexpr double ZoomMax = 16.0;

} // namespace

VuePhotographie::VuePhotographie(QWidget *parent) : QWidget(parent) { setCursor(Qt::CrossCursor); }

void VuePhotographie::montre(const QImage &image)
{
    image_ = image;
    marque_.reset();
    // The scroll area's room without its scroll bars, which the last photograph may have shown:
    // every photograph then opens at the same scale.
    QWidget *fenetre = parentWidget();
    auto *defilement = fenetre ? qobject_cast<QScrollArea *>(fenetre->parentWidget()) : nullptr;
    const QSize place = defilement ? defilement->maximumViewportSize()
                        : fenetre  ? fenetre->size()
                                   : QSize(600, 400);
    const double ajuste = std::min(double(place.width()) / std::max(1, image.width()),
                                   double(place.height()) / std::max(1, image.height()));
    zoom_ = std::clamp(std::min(1.0, ajuste), ZoomMin, ZoomMax);
    changeZoom(1.0);
}

void VuePhotographie::changeZoom(double facteur, std::optional<QPointF> autour)
{
    // The scroll area holds the view in its viewport.
    QWidget *fenetre = parentWidget();
    auto *defilement = fenetre ? qobject_cast<QScrollArea *>(fenetre->parentWidget()) : nullptr;
    const QPointF ici =
        autour ? *autour
               : (defilement ? QPointF(mapFrom(fenetre, fenetre->rect().center())) : QPointF());
    const QPointF pixel = ici / zoom_;
    const QPointF dansLaFenetre = fenetre ? QPointF(mapTo(fenetre, ici.toPoint())) : ici;
    zoom_ = std::clamp(zoom_ * facteur, ZoomMin, ZoomMax);
    couvreLaPlace();
    if (defilement) {
        const QPointF apres = pixel * zoom_ - dansLaFenetre;
        defilement->horizontalScrollBar()->setValue(int(std::lround(apres.x())));
        defilement->verticalScrollBar()->setValue(int(std::lround(apres.y())));
    }
    update();
    emit zoomChange(zoom_);
}

void VuePhotographie::couvreLaPlace()
{
    const QSize place = parentWidget() ? parentWidget()->size() : QSize(1, 1);
    resize(std::max(place.width(), int(std::ceil(image_.width() * zoom_))),
           std::max(place.height(), int(std::ceil(image_.height() * zoom_))));
}

// The visible area shrinks when a second photograph is shown beside this one: the view follows
// it rather than keep scroll bars over a photograph that fits.
bool VuePhotographie::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange && parentWidget())
        parentWidget()->installEventFilter(this);
    return QWidget::event(e);
}

bool VuePhotographie::eventFilter(QObject *objet, QEvent *e)
{
    if (objet == parentWidget() && e->type() == QEvent::Resize)
        couvreLaPlace();
    return false;
}

void VuePhotographie::marque(QPoint pixel)
{
    marque_ = pixel;
    update();
}

QPoint VuePhotographie::pointDuPixel(int x, int y) const
{
    return {int((x + 0.5) * zoom_), int((y + 0.5) * zoom_)};
}

void VuePhotographie::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
    p.drawImage(QRectF(0, 0, image_.width() * zoom_, image_.height() * zoom_), image_);
    if (marque_) { // the 5 × 5 area taken
        const QRectF zone((marque_->x() - RayonGrain) * zoom_, (marque_->y() - RayonGrain) * zoom_,
                          (2 * RayonGrain + 1) * zoom_, (2 * RayonGrain + 1) * zoom_);
        p.setPen(QPen(Qt::white, 3));
        p.drawRect(zone.adjusted(-2, -2, 2, 2));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(zone.adjusted(-2, -2, 2, 2));
    }
}

void VuePhotographie::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPointF pixel = e->position() / zoom_;
    const int x = int(std::floor(pixel.x())), y = int(std::floor(pixel.y()));
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) {
        emit clicHorsImage();
        return;
    }
    marque_ = QPoint(x, y);
    update();
    emit pixelPris(QPoint(x, y));
}

void VuePhotographie::wheelEvent(QWheelEvent *e)
{
    if (!(e->modifiers() & Qt::ControlModifier) || image_.isNull()) {
        e->ignore(); // the scroll area scrolls
        return;
    }
    changeZoom(e->angleDelta().y() > 0 ? 1.25 : 0.8, e->position());
}
