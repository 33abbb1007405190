// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/qt/FenetreIdentification.h"

#include "MichelLevySpectre/presentation/EcartsCouleur.h"
#include "MichelLevySpectre/presentation/Ordres.h"
#include "MichelLevySpectre/qt/Lecture.h"
#include "MichelLevySpectre/qt/VuePhotographie.h"
#include "toolkit/Dialogues.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
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

namespace {

QPushButton *bouton(QWidget *parent, QLayout *ligne, const QString &texte)
{
    auto *b = new QPushButton(texte, parent);
    ligne->addWidget(b);
    return b;
}

QString texteCouleur(Rgb8 c)
{
    return QString::fromUtf8("Couleur : R %1, V %2, B %3").arg(c.r).arg(c.g).arg(c.b);
}

QPointer<FenetreIdentification> ouverte;

} // namespace

FenetreIdentification::FenetreIdentification(QWidget *parent)
    : QWidget(parent, Qt::Window), epaisseurUm_(EpaisseurLame())
{
    setWindowTitle(QString::fromUtf8("Identification d'une teinte"));
    resize(900, 700);
    auto *colonne = new QVBoxLayout(this);
    auto *outils = new QHBoxLayout;
    colonne->addLayout(outils);
    connect(bouton(this, outils, QString::fromUtf8("Ouvrir une photographie… (Ctrl+O)")),
            &QPushButton::clicked, this, &FenetreIdentification::demandePhotographie);
    connect(bouton(this, outils, QString::fromUtf8("Choisir une couleur…")), &QPushButton::clicked,
            this, &FenetreIdentification::demandeCouleur);
    connect(bouton(this, outils, QString::fromUtf8("Zoom −")), &QPushButton::clicked, this,
            [this] { vue_->changeZoom(0.8); });
    connect(bouton(this, outils, QString::fromUtf8("Zoom +")), &QPushButton::clicked, this,
            [this] { vue_->changeZoom(1.25); });
    outils->addStretch();
    outils->addWidget(new QLabel(QString::fromUtf8("Épaisseur de la lame (µm) :"), this));
    epaisseur_ = new QLineEdit(QString::fromStdString(TexteEpaisseur(epaisseurUm_)), this);
    epaisseur_->setMaximumWidth(70);
    outils->addWidget(epaisseur_);
    connect(epaisseur_, &QLineEdit::editingFinished, this, &FenetreIdentification::litEpaisseur);

    defilement_ = new QScrollArea(this);
    vue_ = new VuePhotographie;
    defilement_->setWidget(vue_);
    colonne->addWidget(defilement_, 3);
    connect(vue_, &VuePhotographie::couleurPrise, this, &FenetreIdentification::choisitCouleur);
    connect(vue_, &VuePhotographie::clicHorsImage, this, [this] {
        dit(vue_->vide() ? QString::fromUtf8("Ouvrez d'abord une photographie (Ctrl+O)")
                         : QString::fromUtf8("Le clic est en dehors de la photographie"));
    });

    auto *etat = new QHBoxLayout;
    colonne->addLayout(etat);
    pastille_ = new QLabel(this);
    pastille_->setFixedSize(32, 20);
    etat->addWidget(pastille_);
    echantillon_ = new QLabel(QString::fromUtf8("Aucune couleur choisie"), this);
    etat->addWidget(echantillon_);
    message_ = new QLabel(this);
    message_->setStyleSheet(QStringLiteral("color: #a00000"));
    etat->addWidget(message_, 1);
    connect(bouton(this, etat, QString::fromUtf8("Copier les résultats")), &QPushButton::clicked,
            this, &FenetreIdentification::copieResultats);

    tableau_ = new QTableWidget(0, 6, this);
    tableau_->setHorizontalHeaderLabels(
        {QString::fromUtf8("Ordre"), QString::fromUtf8("Retard (nm)"), QString::fromUtf8("ΔE00"),
         QString::fromUtf8("Biréfringence"), QString::fromUtf8("Minéraux"),
         QString::fromUtf8("Exposition")});
    tableau_->horizontalHeader()->setStretchLastSection(true);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->verticalHeader()->hide();
    colonne->addWidget(tableau_, 1);

    const auto raccourci = [this](QKeySequence touches, auto action) {
        connect(new QShortcut(touches, this), &QShortcut::activated, this, action);
    };
    raccourci(QKeySequence::Open, [this] { demandePhotographie(); });
    raccourci(QKeySequence::Copy, [this] { copieResultats(); });
    raccourci(QKeySequence::ZoomIn, [this] { vue_->changeZoom(1.25); });
    raccourci(QKeySequence::ZoomOut, [this] { vue_->changeZoom(0.8); });
}

QString FenetreIdentification::message() const { return message_->text(); }

void FenetreIdentification::dit(const QString &texte) { message_->setText(texte); }

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
    dit(QString::fromUtf8("Cliquez sur un grain pour prendre sa couleur (moyenne de 5 × 5 "
                          "pixels) ; Ctrl + molette pour le zoom"));
}

void FenetreIdentification::demandeCouleur()
{
    const QColor depart = couleur_ ? QColor(couleur_->r, couleur_->g, couleur_->b) : Qt::white;
    const QColor c = QColorDialog::getColor(depart, this, QString::fromUtf8("Choisir une couleur"),
                                            QColorDialog::DontUseNativeDialog);
    if (c.isValid())
        choisitCouleur({std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())});
}

void FenetreIdentification::litEpaisseur()
{
    const std::optional<double> v = LitEpaisseur(epaisseur_->text().toStdString());
    if (!v) {
        dit(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : l'épaisseur reste "
                              "de %2 µm")
                .arg(epaisseur_->text(), QString::fromStdString(TexteEpaisseur(epaisseurUm_))));
        return;
    }
    epaisseurUm_ = *v;
    ChoisitEpaisseurLame(*v);
    dit(QString());
    calcule();
}

void FenetreIdentification::choisitCouleur(Rgb8 couleur)
{
    couleur_ = couleur;
    echantillon_->setText(texteCouleur(couleur));
    pastille_->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black")
                                 .arg(QColor(couleur.r, couleur.g, couleur.b).name()));
    dit(QString());
    calcule();
}

void FenetreIdentification::calcule()
{
    if (!couleur_)
        return;
    QString erreur;
    const std::vector<Mineral> &table = TableMineraux(&erreur);
    const std::vector<Candidat> candidats =
        RechercheTeinte(ReferenceCourante(), SrgbVersLineaire(*couleur_));
    resultats_ = LignesIdentification(candidats, epaisseurUm_, table, lecture_);
    montreResultats();
    if (!erreur.isEmpty())
        dit(erreur);
    else
        dit(QString::fromStdString(AvertissementConcordance(candidats)));
}

void FenetreIdentification::montreResultats()
{
    tableau_->setRowCount(int(resultats_.size()));
    for (int i = 0; i < int(resultats_.size()); ++i) {
        const LigneIdentification &l = resultats_[std::size_t(i)];
        const std::vector<std::string> cellules = CellulesLigne(l, MinerauxNommes);
        const bool douteuse = resultats_[0].candidat.ecart > SeuilConcordance;
        for (int c = 0; c < int(cellules.size()); ++c) {
            auto *cellule = new QTableWidgetItem(QString::fromStdString(cellules[std::size_t(c)]));
            if (douteuse) // kept, but not to be read as an answer
                cellule->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            tableau_->setItem(i, c, cellule);
        }
        tableau_->item(i, 4)->setToolTip(
            QString::fromStdString(NomsMineraux(l.mineraux, l.mineraux.size())));
    }
    tableau_->resizeColumnsToContents();
}

void FenetreIdentification::copieResultats()
{
    if (resultats_.empty()) {
        dit(QString::fromUtf8("Aucun résultat à copier : choisissez d'abord une couleur"));
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(TexteResultats(resultats_)));
}

void FenetreIdentification::reprendEpaisseur()
{
    if (EpaisseurLame() == epaisseurUm_)
        return;
    epaisseurUm_ = EpaisseurLame();
    epaisseur_->setText(QString::fromStdString(TexteEpaisseur(epaisseurUm_)));
    calcule();
}

void OuvreIdentification(QWidget *parent)
{
    if (!ouverte)
        ouverte = new FenetreIdentification(parent);
    ouverte->reprendEpaisseur();
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
}
