// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The microscope's round field of view: cross-hairs, one grain with its habit, cleavage traces,
// twin lamellae and relief, its length along the stage angle, and the plate's slow direction.
#include "MichelLevySpectre/grains/TableGrains.h"

#include "MichelLevySpectre/platine/ChampTournant.h"

#include <QColor>

#include <array>
#include <optional>

// What the field draws, read from the window's state.
struct DessinChamp {
    QColor fond = Qt::black;
    std::array<QColor, 2> lamelles{Qt::black, Qt::black}; // a twin's two individuals
    double angle = 0;                                     // the grain's length, °
    Habitus habitus = Habitus::Latte;
    Clivage clivage = Clivage::Aucun;
    Macle macle = Macle::Aucune;
    std::optional<double> relief{}; // n − 1.54
    double miseAuPoint = 0;         // −1..1: the Becke line moves towards the higher index
    bool lame = false;              // a plate in: its slow direction drawn
};

class ChampPlatine : public ChampTournant {
    Q_OBJECT
public:
    explicit ChampPlatine(QWidget *parent = nullptr);

    void montre(const DessinChamp &dessin);
    // The grain's slow direction from its length (degrees), drawn while the answer is shown.
    void montreDirectionLente(std::optional<double> angle);
    QColor couleurGrain() const { return dessin_.lamelles[0]; }
    const DessinChamp &dessin() const { return dessin_; }
    QSize sizeHint() const override { return {320, 320}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    DessinChamp dessin_;
    std::optional<double> lente_;
};
