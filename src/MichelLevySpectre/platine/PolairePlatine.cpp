// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/PolairePlatine.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int cerclesGuides = 4; // at quarters of the brightest
constexpr double marge = 18;     // pixels, for the angle labels

QPointF point(double rayon, double degres)
{
    const double a = degres * std::numbers::pi / 180;
    return {rayon * std::cos(a), -rayon * std::sin(a)}; // anticlockwise, y running down
}

} // namespace

PolairePlatine::PolairePlatine(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(160, 160);
    setToolTip(QString::fromUtf8("Luminosité du grain sur un tour de platine"));
}

void PolairePlatine::montre(std::vector<double> tour, double angle)
{
    tour_ = std::move(tour);
    angle_ = angle;
    update();
}

void PolairePlatine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const double r = std::min(width(), height()) / 2.0 - marge;
    p.translate(width() / 2.0, height() / 2.0);
    p.setPen(QPen(QColor(210, 210, 210), 1));
    for (int k = 1; k <= cerclesGuides; ++k)
        p.drawEllipse(QPointF(0, 0), r * k / cerclesGuides, r * k / cerclesGuides);
    p.drawLine(QPointF(-r, 0), QPointF(r, 0));
    p.drawLine(QPointF(0, -r), QPointF(0, r));
    p.setPen(Qt::darkGray);
    for (const int a : {0, 90, 180, 270}) {
        const QPointF c = point(r + marge / 2, a);
        p.drawText(QRectF(c.x() - 16, c.y() - 8, 32, 16), Qt::AlignCenter,
                   QString::fromUtf8("%1°").arg(a));
    }
    const double plus = tour_.empty() ? 0 : *std::max_element(tour_.begin(), tour_.end());
    if (plus > 0) {
        QPainterPath courbe;
        for (std::size_t k = 0; k <= tour_.size(); ++k) {
            const QPointF q =
                point(r * tour_[k % tour_.size()] / plus, 360.0 * double(k) / double(tour_.size()));
            k == 0 ? courbe.moveTo(q) : courbe.lineTo(q);
        }
        p.setPen(QPen(QColor(20, 60, 170), 1.5));
        p.drawPath(courbe);
    }
    p.setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DashLine));
    p.drawLine(QPointF(0, 0), point(r, angle_));
}
