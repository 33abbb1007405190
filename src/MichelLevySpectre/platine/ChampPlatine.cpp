// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/ChampPlatine.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr double longueurGrain = 0.62;  // of the field's radius
const QColor reticule(140, 140, 140);   // visible on the black field too
constexpr double contrasteRelief = 8.0; // edge darkness per unit of index difference
constexpr double decalageBecke = 0.04;  // of the radius, at full focus travel

// The section's half length and half width, in radii, for each habit.
QPointF mesures(Habitus h)
{
    switch (h) {
    case Habitus::Latte:
        return {longueurGrain, 0.09};
    case Habitus::Prisme:
        return {0.5, 0.17};
    case Habitus::PlaqueBasale:
        return {0.4, 0.4};
    case Habitus::Equant:
    case Habitus::SansForme:
        break;
    }
    return {0.36, 0.3};
}

// The section's outline, its length along x: bevelled ends for a lath or a prism, a hexagon
// for a basal plate, a rounded outline for an equant or shapeless grain.
QPainterPath section(Habitus h, double r)
{
    const QPointF m = mesures(h) * r;
    QPainterPath p;
    if (h == Habitus::Equant || h == Habitus::SansForme) {
        p.addRoundedRect(QRectF(-m.x(), -m.y(), 2 * m.x(), 2 * m.y()), m.y() * 0.8, m.y() * 0.6);
        return p;
    }
    const double biseau = h == Habitus::PlaqueBasale ? m.x() / 2 : m.y();
    p.moveTo(-m.x(), 0);
    p.lineTo(-m.x() + biseau, -m.y());
    p.lineTo(m.x() - biseau, -m.y());
    p.lineTo(m.x(), 0);
    p.lineTo(m.x() - biseau, m.y());
    p.lineTo(-m.x() + biseau, m.y());
    p.closeSubpath();
    return p;
}

// The bands of the second individual, across the grain: one half for a simple twin, every
// other band for a polysynthetic one.
QPainterPath secondIndividu(Macle macle, const QRectF &boite)
{
    QPainterPath p;
    if (macle == Macle::Simple)
        p.addRect(QRectF(boite.left(), 0, boite.width(), boite.bottom()));
    else if (macle == Macle::Polysynthetique)
        for (double y = boite.top(); y < boite.bottom(); y += boite.height() / 6)
            p.addRect(
                QRectF(boite.left(), y + boite.height() / 12, boite.width(), boite.height() / 12));
    return p;
}

void traceClivages(QPainter &p, Clivage c, const QRectF &boite)
{
    if (c == Clivage::Aucun)
        return;
    const int traits = c == Clivage::Parfait ? 9 : c == Clivage::Bon ? 6 : 3;
    p.setPen(
        QPen(QColor(30, 30, 30, 150), 1, c == Clivage::Mediocre ? Qt::DashLine : Qt::SolidLine));
    for (int i = 1; i < traits; ++i) {
        const double y = boite.top() + boite.height() * i / traits;
        p.drawLine(QPointF(boite.left(), y), QPointF(boite.right(), y));
    }
}

// The grain's edge darker the more its index differs from the mounting medium's, and the bright
// Becke line beside it: inside when raising the focus over a grain of higher index.
void traceRelief(QPainter &p, const QPainterPath &contour, const DessinChamp &d, double r)
{
    const double ecart = d.relief.value_or(0);
    p.setPen(
        QPen(QColor(20, 20, 20,
                    int(std::clamp(60 + std::abs(ecart) * contrasteRelief * 255, 60.0, 255.0))),
             1.5 + std::min(3.0, std::abs(ecart) * 30)));
    p.drawPath(contour);
    if (!d.relief || d.miseAuPoint == 0)
        return;
    const double vers = (ecart >= 0 ? -1 : 1) * d.miseAuPoint * decalageBecke * r;
    const QRectF b = contour.boundingRect();
    QTransform t;
    t.scale((b.width() / 2 + vers) / (b.width() / 2), (b.height() / 2 + vers) / (b.height() / 2));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawPath(t.map(contour));
}

// The accessory plate's slow direction, NE–SW at 45°, as an arrow across the field's edge.
void traceLame(QPainter &p, double r)
{
    p.save();
    p.rotate(-45);
    p.setPen(QPen(QColor(255, 210, 0), 2));
    const QPointF bout(0.92 * r, 0);
    p.drawLine(QPointF(0.6 * r, 0), bout);
    p.drawLine(bout, bout + QPointF(-8, -5));
    p.drawLine(bout, bout + QPointF(-8, 5));
    p.rotate(45);
    p.drawText(QPointF(0.08 * r, -0.76 * r), QString::fromUtf8("γ′ de la lame"));
    p.restore();
}

} // namespace

ChampPlatine::ChampPlatine(QWidget *parent) : ChampTournant(parent) { setMinimumSize(200, 200); }

void ChampPlatine::montre(const DessinChamp &dessin)
{
    dessin_ = dessin;
    update();
}

void ChampPlatine::montreDirectionLente(std::optional<double> angle)
{
    lente_ = angle;
    update();
}

void ChampPlatine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().window());
    const double r = std::min(width(), height()) / 2.0 - 4;
    p.translate(width() / 2.0, height() / 2.0);
    QPainterPath cercle;
    cercle.addEllipse(QPointF(0, 0), r, r);
    p.fillPath(cercle, dessin_.fond);
    p.setClipPath(cercle);
    p.save();
    p.rotate(-dessin_.angle); // anticlockwise on the screen, whose y runs down
    const QPainterPath contour = section(dessin_.habitus, r);
    p.fillPath(contour, dessin_.lamelles[0]);
    p.fillPath(contour.intersected(secondIndividu(dessin_.macle, contour.boundingRect())),
               dessin_.lamelles[1]);
    p.save();
    p.setClipPath(contour, Qt::IntersectClip);
    traceClivages(p, dessin_.clivage, contour.boundingRect());
    p.restore();
    traceRelief(p, contour, dessin_, r);
    if (lente_) {
        p.rotate(-*lente_);
        p.setPen(QPen(Qt::white, 1, Qt::DashLine));
        p.drawLine(QPointF(-longueurGrain * r, 0), QPointF(longueurGrain * r, 0));
    }
    p.restore();
    p.setPen(QPen(reticule, 1));
    p.drawLine(QPointF(-r, 0), QPointF(r, 0));
    p.drawLine(QPointF(0, -r), QPointF(0, r));
    if (dessin_.lame)
        traceLame(p, r);
    p.setClipping(false);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawEllipse(QPointF(0, 0), r, r);
}
