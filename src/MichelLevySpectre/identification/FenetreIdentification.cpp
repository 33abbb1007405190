// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/identification/FenetreIdentification.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/Dialogues.h"
#include "toolkit/LigneMessage.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QPushButton *bouton(QWidget *parent, QLayout *ligne, const QString &texte)
{
    auto *b = new QPushButton(texte, parent);
    ligne->addWidget(b);
    return b;
}

QPointer<FenetreIdentification> ouverte;

} // namespace

FenetreIdentification::FenetreIdentification(Reglages &reglages, QWidget *parent)
    : QWidget(parent, Qt::Window), reglages_(reglages), epaisseurUm_(reglages.epaisseur()),
      microscope_(reglages.microscope())
{
    connect(&reglages_, &Reglages::changed, this, &FenetreIdentification::suitReglages);
    setWindowTitle(QString::fromUtf8("Identification d'une teinte"));
    resize(900, 700);
    auto *colonne = new QVBoxLayout(this);
    colonne->addLayout(construitOutils());

    defilement_ = new QScrollArea(this);
    vue_ = new VuePhotographie;
    connect(vue_, &VuePhotographie::zoomChange, zoom_, [this](double z) {
        zoom_->setText(QString::fromUtf8("Zoom : %1 %").arg(std::lround(z * 100)));
    });
    defilement_->setWidget(vue_);
    defilementLambda_ = new QScrollArea(this);
    vueLambda_ = new VuePhotographie;
    defilementLambda_->setWidget(vueLambda_);
    defilementLambda_->hide(); // until a photograph with the λ plate is added
    auto *photos = new QHBoxLayout;
    photos->addWidget(defilement_);
    photos->addWidget(defilementLambda_);
    colonne->addLayout(photos, 3);
    connect(vue_, &VuePhotographie::pixelPris, this, &FenetreIdentification::prendPixel);
    connect(vueLambda_, &VuePhotographie::pixelPris, this, &FenetreIdentification::prendPixel);
    connect(vue_, &VuePhotographie::clicHorsImage, this, [this] {
        dit(vue_->vide() ? QString::fromUtf8("Ouvrez d'abord une photographie (Ctrl+O)")
                         : QString::fromUtf8("Le clic est en dehors de la photographie"));
    });

    auto *etat = new QHBoxLayout;
    colonne->addLayout(etat);
    pastille_ = new QLabel(this);
    corrigee_ = new QLabel(this);
    for (QLabel *p : {pastille_, corrigee_}) {
        p->setFixedSize(32, 20);
        etat->addWidget(p);
    }
    corrigee_->hide();
    echantillon_ = new QLabel(QString::fromUtf8("Aucune couleur choisie"), this);
    etat->addWidget(echantillon_);
    message_ = new LigneMessage(this);
    etat->addWidget(message_, 1);
    connect(bouton(this, etat, QString::fromUtf8("Copier les résultats")), &QPushButton::clicked,
            this, &FenetreIdentification::copieResultats);

    tableau_ = new QTableWidget(0, 6, this);
    tableau_->setHorizontalHeaderLabels(
        {QString::fromUtf8("Ordre"), QString::fromUtf8("Retard (nm)"), QString::fromUtf8("ΔE00"),
         QString::fromUtf8("Biréfringence"), QString::fromUtf8("Minéraux"),
         QString::fromUtf8("Exposition")});
    tableau_->horizontalHeader()->setSectionResizeMode(ColonneMineraux, QHeaderView::Stretch);
    tableau_->setWordWrap(true);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->verticalHeader()->hide();
    colonne->addWidget(tableau_, 1);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    colonne->addWidget(note_);

    const auto raccourci = [this](QKeySequence touches, auto action) {
        connect(new QShortcut(touches, this), &QShortcut::activated, this, action);
    };
    raccourci(QKeySequence::Open, [this] { demandePhotographie(); });
    raccourci(QKeySequence::Copy, [this] { copieResultats(); });
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_B), [this] { attendReferenceBlanc(); });
    raccourci(QKeySequence::ZoomIn, [this] { vue_->changeZoom(1.25); });
    raccourci(QKeySequence::ZoomOut, [this] { vue_->changeZoom(0.8); });
}

QLayout *FenetreIdentification::construitOutils()
{
    auto *outils = new QHBoxLayout;
    connect(bouton(this, outils, QString::fromUtf8("Ouvrir une photographie… (Ctrl+O)")),
            &QPushButton::clicked, this, &FenetreIdentification::demandePhotographie);
    connect(bouton(this, outils, QString::fromUtf8("Choisir une couleur…")), &QPushButton::clicked,
            this, &FenetreIdentification::demandeCouleur);
    connect(bouton(this, outils, QString::fromUtf8("Ajouter la photographie avec lame λ…")),
            &QPushButton::clicked, this, &FenetreIdentification::demandePhotographieLambda);
    connect(bouton(this, outils, QString::fromUtf8("Référence de blanc (Ctrl+B)")),
            &QPushButton::clicked, this, &FenetreIdentification::attendReferenceBlanc);
    connect(bouton(this, outils, QString::fromUtf8("Étalonner l'épaisseur sur le quartz…")),
            &QPushButton::clicked, this, &FenetreIdentification::attendQuartz);
    connect(bouton(this, outils, QString::fromUtf8("Zoom −")), &QPushButton::clicked, this,
            [this] { vue_->changeZoom(0.8); });
    connect(bouton(this, outils, QString::fromUtf8("Zoom +")), &QPushButton::clicked, this,
            [this] { vue_->changeZoom(1.25); });
    zoom_ = new QLabel(this);
    outils->addWidget(zoom_);
    outils->addStretch();
    // The reading, the mineral and the thickness on a row of their own: one row would cut
    // the buttons' texts on a laptop's screen.
    auto *reglages = new QHBoxLayout;
    auto *lignes = new QVBoxLayout;
    lignes->addLayout(outils);
    lignes->addLayout(reglages);
    outils = reglages;
    lecture_ = new QComboBox(this);
    lecture_->addItems({QString::fromUtf8("Grain quelconque : δ ≥ Δ / épaisseur"),
                        QString::fromUtf8("Teinte la plus élevée de ce minéral dans la lame")});
    outils->addWidget(lecture_);
    connect(lecture_, &QComboBox::currentIndexChanged, this, &FenetreIdentification::calcule);
    mineral_ = new QLineEdit(this);
    mineral_->setPlaceholderText(QString::fromUtf8("Minéral…"));
    // Wide enough for the longest name students type, which the crowded row would squeeze.
    const int largeurNom =
        mineral_->fontMetrics().horizontalAdvance(QString::fromUtf8("feldspath potassique")) +
        mineral_->fontMetrics().averageCharWidth() * 3;
    mineral_->setMinimumWidth(largeurNom);
    mineral_->setMaximumWidth(largeurNom);
    outils->addWidget(mineral_);
    connect(mineral_, &QLineEdit::returnPressed, this,
            [this] { chercheMineral(mineral_->text()); });
    outils->addWidget(new QLabel(QString::fromUtf8("Épaisseur (µm) :"), this));
    epaisseur_ = new QLineEdit(QString::fromStdString(TexteEpaisseur(epaisseurUm_)), this);
    epaisseur_->setMaximumWidth(70);
    outils->addWidget(epaisseur_);
    connect(epaisseur_, &QLineEdit::editingFinished, this, &FenetreIdentification::litEpaisseur);
    outils->addStretch();
    return lignes;
}

void FenetreIdentification::suitReglages()
{
    // Results of other settings go at once.
    if (microscope_ != reglages_.microscope()) {
        microscope_ = reglages_.microscope();
        efface();
        calcule();
    }
    reprendEpaisseur();
}

void FenetreIdentification::demandePhotographie()
{
    if (const std::optional<QString> nom =
            dialogues().ouvrir(QString::fromUtf8("Ouvrir une photographie"),
                               QString::fromUtf8("Photographies (*.png *.jpg *.jpeg)")))
        ouvrePhotographie(*nom);
}

void FenetreIdentification::ouvrePhotographie(const QString &nom)
{
    const Photographie photo = LitPhotographie(nom);
    if (photo.image.isNull()) {
        dit(photo.erreur); // the photograph shown so far stays
        return;
    }
    vue_->montre(photo.image);
    balance_ = {}; // the white reference belongs to the photograph
    couleur_.reset();
    clic_ = Clic::Couleur;
    efface();
    // The last grain's colour, and the λ plate's photograph, belong to the last photograph.
    for (QLabel *l : {pastille_, corrigee_})
        l->setStyleSheet(QString());
    vueLambda_->montre(QImage());
    defilementLambda_->hide();
    pixel_.reset();
    corrigee_->setVisible(false);
    echantillon_->clear();
    dit(QString::fromUtf8("Cliquez sur un grain pour prendre sa couleur (moyenne de 5 × 5 "
                          "pixels) ; Ctrl + molette pour le zoom"));
}

void FenetreIdentification::demandeCouleur()
{
    const Rgb8 d = couleur_ ? EncodeSrgb(*couleur_) : Rgb8{255, 255, 255};
    const QColor c = QColorDialog::getColor(QColor(d.r, d.g, d.b), this,
                                            QString::fromUtf8("Choisir une couleur"),
                                            QColorDialog::DontUseNativeDialog);
    if (c.isValid())
        choisitCouleur({std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())});
}

void OuvreIdentification(QWidget *parent, Reglages &reglages)
{
    if (!ouverte)
        ouverte = new FenetreIdentification(reglages, parent);
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
}
