// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view the stage turns from, as on a microscope's stage knob: ←/→ by 1°, Maj+←/→ by 10°,
// the wheel by 1° a notch. The stage's field and the conoscope's figure both turn this way.
#include <QWidget>

class ChampTournant : public QWidget {
    Q_OBJECT
public:
    explicit ChampTournant(QWidget *parent = nullptr);

signals:
    // The stage turned by that many degrees (arrow keys, mouse wheel).
    void tourne(int degres);

protected:
    void keyPressEvent(QKeyEvent *evenement) override;
    void wheelEvent(QWheelEvent *evenement) override;

private:
    int molette_ = 0; // wheel steps under one notch
};

// ←/→ turn by 1°, Maj+←/→ by 10°; 0 for any other key.
int DegresDeLaTouche(int touche, Qt::KeyboardModifiers modificateurs);
