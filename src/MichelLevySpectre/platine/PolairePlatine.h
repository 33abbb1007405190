// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grain's brightness over a full turn of the stage, as a polar plot: the distance from
// the centre is the brightness over the turn's brightest, the direction the stage angle.
#include <QWidget>

#include <vector>

class PolairePlatine : public QWidget {
    Q_OBJECT
public:
    explicit PolairePlatine(QWidget *parent = nullptr);

    // One brightness a degree from 0°, and the stage's angle now.
    void montre(std::vector<double> tour, double angle);
    const std::vector<double> &tour() const { return tour_; }
    QSize sizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::vector<double> tour_;
    double angle_ = 0;
};
