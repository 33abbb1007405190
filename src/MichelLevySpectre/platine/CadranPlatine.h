// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stage's angle as the stage window sets it: a dial turning anticlockwise and the angle
// typed in degrees. The conoscope's window has the same.
#include <QString>
#include <QWidget>

class QDial;
class QLineEdit;

class CadranPlatine : public QWidget {
    Q_OBJECT
public:
    explicit CadranPlatine(QWidget *parent = nullptr);

    int angle() const { return angle_; }
    // Shows that angle (any integer, brought to 0..359°) without saying `choisi`.
    void montre(int degres);
    QLineEdit *champ() const { return texte_; }

signals:
    // The user chose that angle, 0..359°.
    void choisi(int degres);
    // A typed angle refused, in French; empty when one is taken.
    void refus(const QString &message);

private:
    void lit();

    int angle_ = 0;
    QDial *cadran_ = nullptr;
    QLineEdit *texte_ = nullptr;
};
