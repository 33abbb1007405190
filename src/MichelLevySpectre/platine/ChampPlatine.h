// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The microscope's round field of view: cross-hairs and one elongated grain, its length along
// the stage angle.
#include <QColor>
#include <QWidget>

#include <optional>

class ChampPlatine : public QWidget {
    Q_OBJECT
public:
    explicit ChampPlatine(QWidget *parent = nullptr);

    void montre(const QColor &fond, const QColor &grain, double angle);
    // The grain's slow direction from its length (degrees), drawn while the answer is shown.
    void montreDirectionLente(std::optional<double> angle);
    QColor couleurGrain() const { return grain_; }
    QSize sizeHint() const override { return {320, 320}; }

signals:
    // The stage turned by that many degrees (arrow keys, mouse wheel).
    void tourne(int degres);

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void wheelEvent(QWheelEvent *evenement) override;

private:
    QColor fond_ = Qt::black;
    QColor grain_ = Qt::black;
    double angle_ = 0;
    std::optional<double> lente_;
    int molette_ = 0; // wheel steps under one notch
};

// ←/→ turn by 1°, Maj+←/→ by 10°; 0 for any other key.
int DegresDeLaTouche(int touche, Qt::KeyboardModifiers modificateurs);
