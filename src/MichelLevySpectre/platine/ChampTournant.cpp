// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/ChampTournant.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace {

constexpr int pasFin = 1, pasMaj = 10; // degrees
constexpr int crantMolette = 120;      // a wheel notch, in Qt's eighths of a degree

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

ChampTournant::ChampTournant(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QString::fromUtf8("←/→ : 1°, Maj+←/→ : 10°, molette : 1°"));
}

void ChampTournant::keyPressEvent(QKeyEvent *evenement)
{
    if (const int d = DegresDeLaTouche(evenement->key(), evenement->modifiers()))
        emit tourne(d);
    else
        QWidget::keyPressEvent(evenement);
}

void ChampTournant::wheelEvent(QWheelEvent *evenement)
{
    molette_ += evenement->angleDelta().y();
    const int crans = molette_ / crantMolette;
    molette_ -= crans * crantMolette;
    if (crans)
        emit tourne(crans);
    evenement->accept();
}
