// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/platine/CadranPlatine.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "toolkit/LigneMessage.h"

#include <QDial>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cmath>

namespace {

constexpr int largeurChamp = 70; // pixels
constexpr int coteCadran = 90;   // pixels

} // namespace

CadranPlatine::CadranPlatine(QWidget *parent) : QWidget(parent)
{
    auto *ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    cadran_ = new QDial(this);
    cadran_->setRange(0, 359);
    cadran_->setWrapping(true);
    cadran_->setInvertedAppearance(true); // anticlockwise, as the stage turns
    cadran_->setNotchesVisible(true);
    cadran_->setFixedSize(coteCadran, coteCadran);
    ligne->addWidget(cadran_);
    connect(cadran_, &QDial::valueChanged, this, [this](int v) {
        montre(v);
        emit choisi(angle_);
    });
    // A last full drawing once the knob is let go.
    connect(cadran_, &QDial::sliderReleased, this, [this] { emit choisi(angle_); });
    ligne->addWidget(new QLabel(QString::fromUtf8("Angle de la platine :"), this));
    texte_ = new QLineEdit(QStringLiteral("0"), this);
    texte_->setMaximumWidth(largeurChamp);
    ligne->addWidget(texte_);
    ligne->addWidget(new QLabel(QString::fromUtf8("°"), this));
    ligne->addStretch();
    connect(texte_, &QLineEdit::editingFinished, this, &CadranPlatine::lit);
}

void CadranPlatine::montre(int degres)
{
    angle_ = (degres % 360 + 360) % 360;
    const QSignalBlocker silence(cadran_);
    cadran_->setValue(angle_);
    texte_->setText(QString::number(angle_));
}

void CadranPlatine::lit()
{
    const QString texte = texte_->text();
    if (const std::optional<double> v = LitDecimal(texte.toStdString()); v && std::abs(*v) < 1e9) {
        emit refus({});
        montre(int(std::lround(std::fmod(*v, 360.0))));
        emit choisi(angle_);
        return;
    }
    emit refus(QString::fromUtf8("« %1 » n'est pas un angle : la platine reste à %2°.")
                   .arg(Cite(texte), QString::number(angle_)));
    texte_->setText(QString::number(angle_));
}
