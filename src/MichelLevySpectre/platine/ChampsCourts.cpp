// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/ChampsCourts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int largeurChamp = 70; // pixels: an angle, a thickness, three indices

} // namespace

QLineEdit *ChampCourt(QWidget *parent, const QString &texte)
{
    auto *c = new QLineEdit(texte, parent);
    c->setMaximumWidth(largeurChamp);
    return c;
}

QWidget *AvecUnite(QWidget *parent, QWidget *controle, const QString &unite)
{
    auto *boite = new QWidget(parent);
    auto *ligne = new QHBoxLayout(boite);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->addWidget(controle);
    ligne->addWidget(new QLabel(unite, boite));
    ligne->addStretch();
    return boite;
}
