// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/ChampPlatine.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int pasFin = 1, pasMaj = 10; // degrees
constexpr int crantMolette = 120;      // a wheel notch, in Qt's eighths of a degree
constexpr double longueurGrain = 0.62; // of the field's radius
constexpr double largeurGrain = 0.2;   // of the field's radius
const QColor reticule(140, 140, 140);  // visible on the black field too

// An elongated section with bevelled ends, its length along x.
QPainterPath section(double r)
{
    const double l = longueurGrain * r, w = largeurGrain * r / 2, biseau = w;
    QPainterPath p;
    p.moveTo(-l, 0);
    p.lineTo(-l + biseau, -w);
    p.lineTo(l - biseau, -w);
    p.lineTo(l, 0);
    p.lineTo(l - biseau, w);
    p.lineTo(-l + biseau, w);
    p.closeSubpath();
    return p;
}

} // namespace

int DegresDeLaTouche(int touche, Qt::KeyboardModifiers modificateurs)
{
    const int pas = modificateurs & Qt::ShiftModifier ? pasMaj : pasFin;
    if (touche == Qt::Key_Right)
        return pas;
    if (touche == Qt::Key_Left)
        return -pas;
    return 0;
}

ChampPlatine::ChampPlatine(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 200);
    setToolTip(QString::fromUtf8("←/→ : 1°, Maj+←/→ : 10°, molette : 1°"));
}

void ChampPlatine::montre(const QColor &fond, const QColor &grain, double angle)
{
    fond_ = fond, grain_ = grain, angle_ = angle;
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
    p.fillPath(cercle, fond_);
    p.setClipPath(cercle);
    p.save();
    p.rotate(-angle_); // anticlockwise on the screen, whose y runs down
    p.fillPath(section(r), grain_);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawPath(section(r));
    if (lente_) {
        p.rotate(-*lente_);
        p.setPen(QPen(Qt::white, 1, Qt::DashLine));
        p.drawLine(QPointF(-longueurGrain * r, 0), QPointF(longueurGrain * r, 0));
    }
    p.restore();
    p.setPen(QPen(reticule, 1));
    p.drawLine(QPointF(-r, 0), QPointF(r, 0));
    p.drawLine(QPointF(0, -r), QPointF(0, r));
    p.setClipping(false);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawEllipse(QPointF(0, 0), r, r);
}

void ChampPlatine::keyPressEvent(QKeyEvent *evenement)
{
    if (const int d = DegresDeLaTouche(evenement->key(), evenement->modifiers()))
        emit tourne(d);
    else
        QWidget::keyPressEvent(evenement);
}

void ChampPlatine::wheelEvent(QWheelEvent *evenement)
{
    molette_ += evenement->angleDelta().y();
    const int crans = molette_ / crantMolette;
    molette_ -= crans * crantMolette;
    if (crans)
        emit tourne(crans);
    evenement->accept();
}
