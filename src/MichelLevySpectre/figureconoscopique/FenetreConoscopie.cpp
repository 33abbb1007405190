// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls and their layout; what they compute is in FenetreConoscopieSaisies.cpp.
#include "MichelLevySpectre/figureconoscopique/FenetreConoscopie.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/figureconoscopique/OuvertureConoscopie.h"
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/platine/CadranPlatine.h"
#include "MichelLevySpectre/platine/ChampsCourts.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <random>

namespace {

constexpr int finitionMs = 150;     // after the last quick drawing, the full one
constexpr int sodium = 589;         // nm, the monochromatic light at first
constexpr int largeurPanneau = 420; // pixels, the controls' column and its scroll bar

QPointer<FenetreConoscopie> ouverte;

QString texte(const std::string &s) { return QString::fromStdString(s); }

} // namespace

FenetreConoscopie::FenetreConoscopie(Reglages &reglages, QWidget *parent)
    : QWidget(parent, Qt::Window), reglages_(reglages)
{
    setWindowTitle(QString::fromUtf8("Figure d'interférence (conoscopie)"));
    etat_.conoscope.epaisseur = reglages_.epaisseur();
    auto *colonnes = new QHBoxLayout(this);
    auto *gauche = new QVBoxLayout;
    colonnes->addLayout(gauche, 1);
    vue_ = new VueConoscopique(this);
    gauche->addWidget(vue_, 1);
    connect(vue_, &VueConoscopique::tourne, this, &FenetreConoscopie::tourne);
    finition_ = new QTimer(this);
    finition_->setSingleShot(true);
    finition_->setInterval(finitionMs);
    connect(finition_, &QTimer::timeout, this, &FenetreConoscopie::calcule);
    connect(vue_, &VueConoscopique::redimensionnee, finition_, qOverload<>(&QTimer::start));
    cadran_ = new CadranPlatine(this);
    gauche->addWidget(cadran_);
    connect(cadran_, &CadranPlatine::choisi, this, &FenetreConoscopie::choisitAngle);
    connect(cadran_, &CadranPlatine::refus, this, &FenetreConoscopie::dit);
    lecture_ = new QLabel(this);
    lecture_->setWordWrap(true);
    lecture_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gauche->addWidget(lecture_);
    message_ = new LigneMessage(this);
    gauche->addWidget(message_);

    // The controls keep their width, and scroll when the answers make them taller than the
    // window; the figure takes the rest.
    auto *defilement = new QScrollArea(this);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    defilement->setFixedWidth(largeurPanneau);
    colonnes->addWidget(defilement);
    auto *panneau = new QWidget(defilement);
    auto *droite = new QVBoxLayout(panneau);
    droite->setContentsMargins(0, 0, 0, 0);
    droite->addWidget(creeGrain());
    droite->addWidget(creeConoscope());
    auto *boutons = new QHBoxLayout;
    auto *enregistrer = new QPushButton(QString::fromUtf8("Enregistrer la figure…"), panneau);
    connect(enregistrer, &QPushButton::clicked, this, &FenetreConoscopie::enregistre);
    boutons->addWidget(enregistrer);
    exercice_ = new QPushButton(QString::fromUtf8("Exercice : signe optique"), panneau);
    connect(exercice_, &QPushButton::clicked, this,
            [this] { commenceExercice(std::random_device{}()); });
    boutons->addWidget(exercice_);
    droite->addLayout(boutons);
    droite->addWidget(creeExercice());
    droite->addStretch();
    defilement->setWidget(panneau);

    // The lamp, viewer and polarisers of the strip, changed from any window, at once.
    connect(&reglages_, &Reglages::changed, this, &FenetreConoscopie::calcule);
    resize(1000, 720);
    litMineral(); // the table's calcite, drawn
    if (vue_->figure().isNull())
        calcule(); // the typical calcite above, without a table
}

QWidget *FenetreConoscopie::creeGrain()
{
    auto *boite = new QGroupBox(QString::fromUtf8("Grain"), this);
    auto *f = new QFormLayout(boite);
    mineral_ = new QLineEdit(texte(etat_.mineral), boite);
    mineral_->setPlaceholderText(QString::fromUtf8("quartz, calcite, muscovite…"));
    f->addRow(QString::fromUtf8("Minéral :"), mineral_);
    connect(mineral_, &QLineEdit::editingFinished, this, &FenetreConoscopie::litMineral);
    indices_ = new QLineEdit(boite);
    indices_->setPlaceholderText(QString::fromUtf8("ω ; ε  ou  nα ; nβ ; nγ"));
    indices_->setToolTip(QString::fromUtf8(
        "Indices principaux : « 1,658 ; 1,486 » ou « 1.658, 1.486 » (ω, ε), trois pour un "
        "biaxe (nα ≤ nβ ≤ nγ)"));
    f->addRow(QString::fromUtf8("ou indices :"), indices_);
    connect(indices_, &QLineEdit::editingFinished, this, &FenetreConoscopie::litIndices);
    section_ = new QComboBox(boite);
    section_->addItems({QString::fromUtf8("Axe optique"), QString::fromUtf8("Bissectrice aiguë"),
                        QString::fromUtf8("Bissectrice obtuse"),
                        QString::fromUtf8("Normale optique (figure flash)"),
                        QString::fromUtf8("Axe optique incliné")});
    f->addRow(QString::fromUtf8("Section :"), section_);
    connect(section_, &QComboBox::activated, this, &FenetreConoscopie::litSection);
    inclinaison_ = ChampCourt(boite, QStringLiteral("15"));
    inclinaison_->setToolTip(QString::fromUtf8("L'axe optique penché vers l'est, de -90 à 90°"));
    inclinaison_->setEnabled(false); // for the inclined section only
    f->addRow(QString::fromUtf8("Inclinaison :"),
              AvecUnite(boite, inclinaison_, QString::fromUtf8("° vers l'est")));
    connect(inclinaison_, &QLineEdit::editingFinished, this, &FenetreConoscopie::litInclinaison);
    epaisseur_ = ChampCourt(boite, texte(TexteEpaisseur(etat_.conoscope.epaisseur)));
    f->addRow(QString::fromUtf8("Épaisseur :"),
              AvecUnite(boite, epaisseur_, QString::fromUtf8("µm")));
    connect(epaisseur_, &QLineEdit::editingFinished, this, &FenetreConoscopie::litEpaisseur);
    return boite;
}

QWidget *FenetreConoscopie::creeConoscope()
{
    auto *boite = new QGroupBox(QString::fromUtf8("Conoscope"), this);
    auto *f = new QFormLayout(boite);
    ouverture_ = ChampCourt(boite, texte(Decimal(etat_.conoscope.ouverture, 2)));
    ouverture_->setToolTip(QString::fromUtf8("Ouverture numérique du condenseur et de l'objectif"));
    f->addRow(QString::fromUtf8("Ouverture (ON) :"), ouverture_);
    connect(ouverture_, &QLineEdit::editingFinished, this, &FenetreConoscopie::litOuverture);
    lame_ = new QComboBox(boite);
    lame_->addItems({QString::fromUtf8("Aucune"), QString::fromUtf8("Lame λ (551 nm)"),
                     QString::fromUtf8("Lame λ/4 (147 nm)"),
                     QString::fromUtf8("Biseau de quartz")});
    f->addRow(QString::fromUtf8("Lame à 45° :"), lame_);
    connect(lame_, &QComboBox::currentIndexChanged, this, &FenetreConoscopie::litLame);
    biseau_ = new QSlider(Qt::Horizontal, boite);
    biseau_->setRange(0, int(BiseauMax));
    biseau_->setToolTip(QString::fromUtf8("Le biseau enfoncé : son retard, de 0 à 2000 nm"));
    f->addRow(QString::fromUtf8("Biseau enfoncé :"), biseau_);
    connect(biseau_, &QSlider::valueChanged, this, &FenetreConoscopie::litLame);
    sorteLumiere_ = new QComboBox(boite);
    sorteLumiere_->addItems({QString::fromUtf8("Blanche"), QString::fromUtf8("Monochromatique")});
    longueurOnde_ = new QSpinBox(boite);
    longueurOnde_->setRange(LambdaMin, LambdaMax);
    longueurOnde_->setValue(sodium);
    longueurOnde_->setSuffix(QStringLiteral(" nm"));
    auto *lumiere = new QWidget(boite);
    auto *ligne = new QHBoxLayout(lumiere);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->addWidget(sorteLumiere_);
    ligne->addWidget(longueurOnde_);
    ligne->addStretch();
    f->addRow(QString::fromUtf8("Lumière :"), lumiere);
    connect(sorteLumiere_, &QComboBox::currentIndexChanged, this, &FenetreConoscopie::litLumiere);
    connect(longueurOnde_, &QSpinBox::valueChanged, this, &FenetreConoscopie::litLumiere);
    longueurOnde_->setEnabled(false); // white light first
    biseau_->setEnabled(false);       // no plate first
    return boite;
}

QWidget *FenetreConoscopie::creeExercice()
{
    boiteExercice_ = new QGroupBox(QString::fromUtf8("Exercice : signe optique"), this);
    auto *f = new QFormLayout(boiteExercice_);
    auto *consigne = new QLabel(QString::fromUtf8("Un grain d'un minéral caché : tournez la "
                                                  "platine, essayez la lame λ, puis répondez."),
                                boiteExercice_);
    consigne->setWordWrap(true);
    f->addRow(consigne);
    caractere_ = new QComboBox(boiteExercice_);
    caractere_->addItems(
        {QString::fromUtf8("à choisir…"), QString::fromUtf8("uniaxe"), QString::fromUtf8("biaxe")});
    f->addRow(QString::fromUtf8("1. Caractère :"), caractere_);
    signe_ = new QComboBox(boiteExercice_);
    signe_->addItems({QString::fromUtf8("à choisir…"), QString::fromUtf8("positif (+)"),
                      QString::fromUtf8("négatif (−)")});
    f->addRow(QString::fromUtf8("2. Signe optique :"), signe_);
    deuxV_ = new QComboBox(boiteExercice_);
    deuxV_->addItems({QString::fromUtf8("à choisir…"), QString::fromUtf8("moins de 30°"),
                      QString::fromUtf8("de 30 à 60°"), QString::fromUtf8("plus de 60°")});
    f->addRow(QString::fromUtf8("3. 2V :"), deuxV_);
    repondre_ = new QPushButton(QString::fromUtf8("Répondre"), boiteExercice_);
    f->addRow(repondre_);
    verdict_ = new QLabel(boiteExercice_);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(verdict_);
    // One question after the other.
    const auto suite = [this] {
        signe_->setEnabled(exerciceEnCours_ && caractere_->currentIndex() > 0);
        deuxV_->setEnabled(signe_->isEnabled() && signe_->currentIndex() > 0);
        repondre_->setEnabled(deuxV_->isEnabled() && deuxV_->currentIndex() > 0);
    };
    for (QComboBox *c : {caractere_, signe_, deuxV_})
        connect(c, &QComboBox::currentIndexChanged, this, suite);
    connect(repondre_, &QPushButton::clicked, this, &FenetreConoscopie::repond);
    suite();
    boiteExercice_->hide();
    return boiteExercice_;
}

void OuvreConoscopie(QWidget *parent, Reglages &reglages)
{
    if (!ouverte)
        ouverte = new FenetreConoscopie(reglages, parent);
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
}
