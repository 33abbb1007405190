// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Platine tournante": one grain turned between the polarisers, its colour from Jones matrices
// and the strip's colour pipeline, its brightness over a turn, and the answers of the exercise.
#include "MichelLevySpectre/grains/Exercice.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"
#include "MichelLevySpectre/platine/OuverturePlatine.h"

#include <QWidget>

#include <optional>
#include <random>
#include <vector>

class CadranPlatine;
class ChampPlatine;
class PolairePlatine;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QPushButton;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

class FenetrePlatine : public QWidget {
    Q_OBJECT
public:
    explicit FenetrePlatine(LiensPlatine liens, QWidget *parent = nullptr);

    // The stage's angle, 0..359°.
    int angle() const { return int(etat_.angle); }
    void choisitAngle(int degres);
    void tourne(int degres) { choisitAngle(angle() + degres); }
    double retard() const { return etat_.retard; }
    const VuePlatine &vue() const { return vue_; }
    const MontagePlatine &montage() const { return montage_; }
    // Takes the strip's retardation and its lamp and viewer again.
    void reprendBande();
    // Links to the rest of the program, taken again at each opening.
    void relie(LiensPlatine liens);

    // What the window shows, for its tests.
    QString message() const;
    QString lecture() const;
    QString reponse() const;
    ChampPlatine *champ() const { return champ_; }
    PolairePlatine *polaire() const { return polaire_; }
    QLineEdit *champAngle() const;
    QLineEdit *champRetard() const { return retardTexte_; }
    QLineEdit *champMineral() const { return mineral_; }
    QLineEdit *champBiseau() const { return biseauTexte_; }
    QComboBox *choixLame() const { return lame_; }
    QComboBox *choixPolariseurs() const { return polariseurs_; }
    QSpinBox *choixExtinction() const { return extinction_; }
    QCheckBox *caseReponse() const { return caseReponse_; }
    QCheckBox *caseExercice() const { return exercice_; }
    QSlider *choixMiseAuPoint() const { return miseAuPoint_; }
    const EtatPlatine &etat() const { return etat_; }
    const std::optional<Exercice> &exercice() const { return exerciceEnCours_; }
    // The exercise's answers as the student gives them, then checked; what was right.
    void repond(const Reponses &reponses);
    QString correction() const;

protected:
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    QWidget *creeGrain();
    QWidget *creeAccessoires();
    QWidget *creeExercice();
    void basculeExercice(bool actif);
    void corrigeExercice();
    void prendGrain(const Mineral &mineral);
    void litRetard();
    void litMineral();
    void litBiseau();
    void choisitRetard(double retard);
    void choisitLumiere(int index);
    void calcule();
    void montreEtat();
    void montreLectures();
    void dit(const QString &message);

    LiensPlatine liens_;
    // What the stage is set to: the controls write it, the drawing and the readouts read it.
    EtatPlatine etat_;
    MontagePlatine montage_;
    VuePlatine vue_;
    ReglagesMicroscope lumierePour_;
    std::optional<LumierePlatine> lumiere_;
    // The turn depends on all but the stage's angle: kept until something else changes.
    std::optional<MontagePlatine> tourPour_;
    std::vector<double> tourSansLame_;
    // The mineral's grain when grains.tsv describes it.
    std::optional<FicheGrain> fiche_;
    std::optional<GrainDessine> grain_;
    std::optional<Exercice> exerciceEnCours_;
    std::mt19937 hasard_{std::random_device{}()};

    ChampPlatine *champ_ = nullptr;
    PolairePlatine *polaire_ = nullptr;
    CadranPlatine *cadran_ = nullptr;
    QComboBox *origine_ = nullptr;
    QLineEdit *retardTexte_ = nullptr;
    QLineEdit *mineral_ = nullptr;
    QLineEdit *epaisseur_ = nullptr;
    QSlider *proximite_ = nullptr;
    QSpinBox *extinction_ = nullptr;
    QFormLayout *formeGrain_ = nullptr;
    QSlider *miseAuPoint_ = nullptr;
    QCheckBox *exercice_ = nullptr;
    QGroupBox *exerciceBoite_ = nullptr;
    QSpinBox *reponseExtinction_ = nullptr;
    QComboBox *reponseAllongement_ = nullptr;
    QComboBox *reponseClasse_ = nullptr;
    QComboBox *reponseMineral_ = nullptr;
    QLabel *correction_ = nullptr;
    QComboBox *lame_ = nullptr;
    QSlider *biseauCurseur_ = nullptr;
    QLineEdit *biseauTexte_ = nullptr;
    QComboBox *polariseurs_ = nullptr;
    QLabel *lecture_ = nullptr;
    QCheckBox *caseReponse_ = nullptr;
    QLabel *reponse_ = nullptr;
    QLabel *message_ = nullptr;
};
