// SPDX-License-Identifier: GPL-3.0-or-later
// The stage's exercise: a mineral drawn at random with its name, its extinction angle and the
// turn hidden, the student's answers, and what was right with the answer.
#include "MichelLevySpectre/platine/FenetrePlatine.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/platine/PolairePlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <new>

namespace {

const char *const Allongements[] = {"allongement positif (lent)", "allongement négatif (rapide)"};

} // namespace

QWidget *FenetrePlatine::creeExercice()
{
    exerciceBoite_ = new QGroupBox(QString::fromUtf8("Réponses"), this);
    auto *f = new QFormLayout(exerciceBoite_);
    reponseExtinction_ = new QSpinBox(exerciceBoite_);
    reponseExtinction_->setRange(0, 45);
    reponseExtinction_->setSuffix(QString::fromUtf8("°"));
    f->addRow(QString::fromUtf8("Angle d'extinction :"), reponseExtinction_);
    reponseAllongement_ = new QComboBox(exerciceBoite_);
    for (const char *a : Allongements)
        reponseAllongement_->addItem(QString::fromUtf8(a));
    f->addRow(QString::fromUtf8("Allongement :"), reponseAllongement_);
    reponseClasse_ = new QComboBox(exerciceBoite_);
    for (const char *c : ClassesBirefringence)
        reponseClasse_->addItem(QString::fromUtf8(c));
    f->addRow(QString::fromUtf8("Biréfringence :"), reponseClasse_);
    reponseMineral_ = new QComboBox(exerciceBoite_);
    f->addRow(QString::fromUtf8("Minéral :"), reponseMineral_);
    auto *repondre = new QPushButton(QString::fromUtf8("Répondre"), exerciceBoite_);
    f->addRow(repondre);
    connect(repondre, &QPushButton::clicked, this, &FenetrePlatine::corrigeExercice);
    correction_ = new QLabel(exerciceBoite_);
    correction_->setWordWrap(true);
    f->addRow(correction_);
    exerciceBoite_->setVisible(false);
    return exerciceBoite_;
}

void FenetrePlatine::basculeExercice(bool actif)
{
    exerciceEnCours_.reset();
    if (actif) {
        QString erreur;
        const std::vector<Mineral> table =
            liens_.reglages ? liens_.reglages->mineraux(&erreur) : std::vector<Mineral>{};
        try {
            const std::vector<FicheGrain> grains =
                ChargeTableGrains(QString::fromUtf8(FichierGrains));
            exerciceEnCours_ = TireExercice(table, grains, hasard_);
        } catch (const Erreur &e) {
            erreur = QString::fromUtf8(e.what());
        } catch (const std::out_of_range &) { // fewer than four minerals with a grain
            erreur = QString::fromUtf8("Il faut quatre minéraux décrits dans grains.tsv");
        }
        if (!exerciceEnCours_) {
            dit(QString::fromUtf8("Pas d'exercice : %1").arg(erreur));
            const QSignalBlocker silence(exercice_);
            exercice_->setChecked(false);
            return;
        }
    }
    // The name, the extinction and the retardation (which gives δ away) are the answers.
    for (QWidget *w : std::initializer_list<QWidget *>{origine_, retardTexte_->parentWidget(),
                                                       mineral_, proximite_, extinction_})
        formeGrain_->setRowVisible(w, !actif);
    polaire_->setVisible(!actif);
    caseReponse_->setVisible(!actif);
    caseReponse_->setChecked(false);
    exerciceBoite_->setVisible(actif);
    correction_->clear();
    etat_.exercice = actif;
    if (!actif)
        return;
    reponseMineral_->clear();
    for (const std::string &nom : exerciceEnCours_->choix)
        reponseMineral_->addItem(QString::fromStdString(nom));
    dit({});
    {
        const QSignalBlocker silence(proximite_); // the section is the exercise's own
        proximite_->setValue(proximite_->maximum());
    }
    mineral_->setText(QString::fromStdString(exerciceEnCours_->mineral.nom));
    litMineral();
    choisitAngle(int(exerciceEnCours_->angleDepart));
}

void FenetrePlatine::corrigeExercice()
{
    repond({double(reponseExtinction_->value()), reponseAllongement_->currentText().toStdString(),
            reponseClasse_->currentIndex(), reponseMineral_->currentText().toStdString()});
}

void FenetrePlatine::repond(const Reponses &reponses)
{
    if (!exerciceEnCours_ || !grain_)
        return;
    const Correction c = Corrige(*exerciceEnCours_, *grain_, reponses);
    correction_->setText(QString::fromStdString(c.texte));
}

QString FenetrePlatine::correction() const { return correction_->text(); }
