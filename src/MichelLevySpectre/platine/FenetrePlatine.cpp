// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls and their layout; its handlers are in FenetrePlatineSaisies.cpp.
#include "MichelLevySpectre/platine/FenetrePlatine.h"

#include "MichelLevySpectre/platine/CadranPlatine.h"
#include "MichelLevySpectre/platine/ChampPlatine.h"
#include "MichelLevySpectre/platine/ChampsCourts.h"
#include "MichelLevySpectre/platine/PolairePlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int proximiteDefaut = 100; // %: a section cut parallel to the optic axis

QPointer<FenetrePlatine> ouverte;

} // namespace

FenetrePlatine::FenetrePlatine(LiensPlatine liens, QWidget *parent) : QWidget(parent, Qt::Window)
{
    relie(std::move(liens));
    setWindowTitle(QString::fromUtf8("Platine tournante"));
    auto *colonnes = new QHBoxLayout(this);
    auto *gauche = new QVBoxLayout;
    colonnes->addLayout(gauche, 3);
    champ_ = new ChampPlatine(this);
    gauche->addWidget(champ_, 1);
    connect(champ_, &ChampPlatine::tourne, this, &FenetrePlatine::tourne);
    cadran_ = new CadranPlatine(this);
    gauche->addWidget(cadran_);
    connect(cadran_, &CadranPlatine::choisi, this, &FenetrePlatine::choisitAngle);
    connect(cadran_, &CadranPlatine::refus, this, &FenetrePlatine::dit);
    lecture_ = new QLabel(this);
    lecture_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gauche->addWidget(lecture_);
    message_ = new LigneMessage(this);
    gauche->addWidget(message_);

    auto *droite = new QVBoxLayout;
    colonnes->addLayout(droite, 2);
    droite->addWidget(creeGrain());
    droite->addWidget(creeAccessoires());
    polaire_ = new PolairePlatine(this);
    droite->addWidget(polaire_, 1);
    caseReponse_ = new QCheckBox(QString::fromUtf8("Montrer la réponse"), this);
    droite->addWidget(caseReponse_);
    reponse_ = new QLabel(this);
    reponse_->setWordWrap(true);
    droite->addWidget(reponse_);
    connect(caseReponse_, &QCheckBox::toggled, this, &FenetrePlatine::montreLectures);
    exercice_ = new QCheckBox(QString::fromUtf8("Exercice"), this);
    exercice_->setToolTip(QString::fromUtf8(
        "Un minéral tiré au hasard ; son nom, son angle d'extinction et le tour sont cachés"));
    droite->addWidget(exercice_);
    droite->addWidget(creeExercice());
    droite->addStretch(); // takes the polar plot's room while the exercise hides it
    connect(exercice_, &QCheckBox::toggled, this, &FenetrePlatine::basculeExercice);

    resize(880, 700);
    reprendBande();
}

QWidget *FenetrePlatine::creeGrain()
{
    auto *boite = new QGroupBox(QString::fromUtf8("Grain"), this);
    auto *f = new QFormLayout(boite);
    formeGrain_ = f;
    origine_ = new QComboBox(boite);
    origine_->addItems({QString::fromUtf8("Retard de la bande"), QString::fromUtf8("Retard saisi"),
                        QString::fromUtf8("Minéral de la table")});
    f->addRow(QString::fromUtf8("Retard :"), origine_);
    connect(origine_, &QComboBox::activated, this, [this](int i) {
        if (i == 0)
            reprendBande();
        else if (i == 1)
            litRetard();
        else
            litMineral();
    });
    retardTexte_ = ChampCourt(boite);
    f->addRow(QString::fromUtf8("Retard saisi :"),
              AvecUnite(boite, retardTexte_, QStringLiteral("nm")));
    connect(retardTexte_, &QLineEdit::editingFinished, this, &FenetrePlatine::litRetard);
    mineral_ = new QLineEdit(boite);
    mineral_->setPlaceholderText(QString::fromUtf8("quartz, calcite…"));
    f->addRow(QString::fromUtf8("Minéral :"), mineral_);
    connect(mineral_, &QLineEdit::editingFinished, this, &FenetrePlatine::litMineral);
    epaisseur_ = ChampCourt(boite);
    f->addRow(QString::fromUtf8("Épaisseur :"),
              AvecUnite(boite, epaisseur_, QString::fromUtf8("µm")));
    connect(epaisseur_, &QLineEdit::editingFinished, this, &FenetrePlatine::litMineral);
    proximite_ = new QSlider(Qt::Horizontal, boite);
    proximite_->setRange(0, 100);
    proximite_->setValue(proximiteDefaut);
    proximite_->setToolTip(QString::fromUtf8("δ de la section, en part du δ max du minéral"));
    f->addRow(QString::fromUtf8("Proche de δ max :"), proximite_);
    connect(proximite_, &QSlider::valueChanged, this, &FenetrePlatine::litMineral);
    extinction_ = new QSpinBox(boite);
    extinction_->setRange(0, 90);
    extinction_->setSuffix(QString::fromUtf8("°"));
    extinction_->setToolTip(QString::fromUtf8(
        "Entre la longueur du grain et sa direction lente (0° : extinction droite)"));
    f->addRow(QString::fromUtf8("Angle d'extinction :"), extinction_);
    connect(extinction_, &QSpinBox::valueChanged, this, [this](int v) {
        etat_.lente = v;
        calcule();
    });
    return boite;
}

QWidget *FenetrePlatine::creeAccessoires()
{
    auto *boite = new QGroupBox(QString::fromUtf8("Lame auxiliaire et polariseurs"), this);
    auto *f = new QFormLayout(boite);
    lame_ = new QComboBox(boite);
    lame_->addItems({QString::fromUtf8("Aucune"), QString::fromUtf8("Lame λ (551 nm)"),
                     QString::fromUtf8("Lame λ/4 (147 nm)"),
                     QString::fromUtf8("Biseau de quartz")});
    f->addRow(QString::fromUtf8("Lame à 45° :"), lame_);
    connect(lame_, &QComboBox::currentIndexChanged, this, [this](int i) {
        etat_.lame = static_cast<LameAuxiliaire>(i);
        calcule();
    });
    biseauCurseur_ = new QSlider(Qt::Horizontal, boite);
    biseauCurseur_->setRange(0, int(BiseauMax));
    biseauTexte_ = ChampCourt(boite);
    biseauTexte_->setText(QStringLiteral("0"));
    auto *biseau = new QWidget(boite);
    auto *ligne = new QHBoxLayout(biseau);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->addWidget(biseauCurseur_, 1);
    ligne->addWidget(AvecUnite(biseau, biseauTexte_, QStringLiteral("nm")));
    f->addRow(QString::fromUtf8("Biseau :"), biseau);
    connect(biseauCurseur_, &QSlider::valueChanged, this, [this](int v) {
        etat_.biseau = v;
        calcule();
    });
    connect(biseauTexte_, &QLineEdit::editingFinished, this, &FenetrePlatine::litBiseau);
    polariseurs_ = new QComboBox(boite);
    polariseurs_->addItems({QString::fromUtf8("Croisés (analyseur N–S)"),
                            QString::fromUtf8("Parallèles (analyseur E–O)"),
                            QString::fromUtf8("Lumière naturelle (analyseur retiré)")});
    f->addRow(QString::fromUtf8("Polariseurs :"), polariseurs_);
    connect(polariseurs_, &QComboBox::currentIndexChanged, this, &FenetrePlatine::choisitLumiere);
    miseAuPoint_ = new QSlider(Qt::Horizontal, boite);
    miseAuPoint_->setRange(-100, 100);
    miseAuPoint_->setToolTip(QString::fromUtf8(
        "Monter la platine déplace la ligne de Becke vers l'indice le plus fort"));
    f->addRow(QString::fromUtf8("Mise au point :"), miseAuPoint_);
    connect(miseAuPoint_, &QSlider::valueChanged, this, [this](int v) {
        etat_.miseAuPoint = v / 100.0;
        calcule();
    });
    return boite;
}

void OuvrePlatine(QWidget *parent, const LiensPlatine &liens)
{
    if (!ouverte)
        ouverte = new FenetrePlatine(liens, parent);
    else
        ouverte->relie(liens);
    ouverte->reprendBande();
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
}
