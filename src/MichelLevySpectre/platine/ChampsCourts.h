// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The short typed fields of the stage's and the conoscope's windows, each with its unit.
#include <QString>

class QLineEdit;
class QWidget;

// A field a few digits wide.
QLineEdit *ChampCourt(QWidget *parent, const QString &texte = {});
// A control and its unit on one line.
QWidget *AvecUnite(QWidget *parent, QWidget *controle, const QString &unite);
