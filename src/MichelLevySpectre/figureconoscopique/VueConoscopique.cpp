// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"

#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor trait(60, 60, 60);
const QColor lente(200, 40, 40);

// A double arrow from a to b.
void flecheDouble(QPainter &p, const QPointF &a, const QPointF &b, double pointe)
{
    p.drawLine(a, b);
    const QPointF u = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-u.y(), u.x());
    for (const auto &[bout, sens] : {std::pair{a, u}, std::pair{b, -u}}) {
        QPainterPath tete;
        tete.moveTo(bout);
        tete.lineTo(bout + pointe * (sens + 0.5 * n));
        tete.lineTo(bout + pointe * (sens - 0.5 * n));
        tete.closeSubpath();
        p.fillPath(tete, p.pen().color());
    }
}

void texte(QPainter &p, const QPointF &centre, const QString &t)
{
    p.drawText(QRectF(centre - QPointF(60, 12), QSizeF(120, 24)), Qt::AlignCenter, t);
}

} // namespace

QImage ImageDeLaFigure(const ImageFigure &f)
{
    return QImage(f.rgba.data(), f.cote, f.cote, f.cote * 4, QImage::Format_RGBA8888).copy();
}

void DessineHabillage(QPainter &p, const QRectF &d, const QImage &figure, const HabillageFigure &h)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double r = d.width() / 2, m = MargeHabillage * d.width();
    const QPointF c = d.center();
    QFont f = p.font();
    f.setPixelSize(std::max(9, int(0.045 * d.width())));
    p.setFont(f);
    QPainterPath cercle;
    cercle.addEllipse(c, r, r);
    p.fillPath(cercle, Qt::black);
    if (!figure.isNull())
        p.drawImage(d, figure);
    const double epais = std::max(1.0, d.width() / 200);
    p.setPen(QPen(trait, 2 * epais));
    p.drawEllipse(c, r, r);

    // The polariser E–W on the right, the analyser N–S above (E–W too when parallel).
    p.setPen(QPen(trait, epais));
    const double pointe = 0.25 * m;
    const QPointF droite(d.right() + 0.5 * m, c.y());
    flecheDouble(p, droite - QPointF(0.35 * m, 0), droite + QPointF(0.35 * m, 0), pointe);
    texte(p, droite + QPointF(0, 0.35 * m), QStringLiteral("P"));
    const QPointF haut(c.x(), d.top() - 0.5 * m);
    if (h.croises)
        flecheDouble(p, haut - QPointF(0, 0.35 * m), haut + QPointF(0, 0.35 * m), pointe);
    else
        flecheDouble(p, haut - QPointF(0.35 * m, 0), haut + QPointF(0.35 * m, 0), pointe);
    texte(p, haut + QPointF(h.croises ? 0.4 * m : 0.7 * m, 0), QStringLiteral("A"));

    // The scale in ρ: the east radius again below the field.
    const double y = d.bottom() + 0.35 * m;
    p.drawLine(QPointF(c.x(), y), QPointF(d.right(), y));
    for (int i = 0; i <= 4; ++i) {
        const double x = c.x() + r * i / 4;
        p.drawLine(QPointF(x, y - 0.1 * m), QPointF(x, y + (i % 2 ? 0 : 0.1 * m)));
    }
    texte(p, QPointF(c.x(), y + 0.35 * m), QStringLiteral("0"));
    texte(p, QPointF(c.x() + r / 2, y + 0.35 * m), QStringLiteral("0,5"));
    texte(p, QPointF(d.right(), y + 0.35 * m), QStringLiteral("1"));
    texte(p, QPointF(c.x() - 0.4 * m, y), QString::fromUtf8("ρ"));

    // The plate, slow direction NE–SW, at the top right.
    if (!h.lame.isEmpty()) {
        const QPointF coin(d.right() + 0.1 * m, d.top() + 0.1 * m);
        p.setPen(QPen(lente, 1.5 * epais));
        const QPointF u(0.45 * m, -0.45 * m);
        flecheDouble(p, coin - u, coin + u, pointe);
        p.setPen(trait);
        texte(p, coin + QPointF(-0.2 * m, -0.75 * m), h.lame + QString::fromUtf8(" lente"));
    }
    p.restore();
}

VueConoscopique::VueConoscopique(QWidget *parent) : ChampTournant(parent)
{
    setMinimumSize(260, 260);
}

void VueConoscopique::montre(const QImage &figure, const HabillageFigure &habillage)
{
    figure_ = figure;
    habillage_ = habillage;
    update();
}

QRectF VueConoscopique::disque() const
{
    const double cote = std::min(width(), height()) / (1 + 2 * MargeHabillage);
    return {(width() - cote) / 2, (height() - cote) / 2, cote, cote};
}

int VueConoscopique::coteUtile() const
{
    return std::max(64, int(std::lround(disque().width() * devicePixelRatioF())));
}

void VueConoscopique::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    DessineHabillage(p, disque(), figure_, habillage_);
}

void VueConoscopique::resizeEvent(QResizeEvent *) { emit redimensionnee(); }
