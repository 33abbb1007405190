// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Figure d'interférence (conoscopie)": a grain's interference figure in convergent light,
// the stage turning it, the plates, white or monochromatic light, the figure saved, and the
// exercise "Exercice : signe optique". Its state is an EtatConoscopie; the figure is drawn by
// the core (conoscopie/).
#include "MichelLevySpectre/conoscopie/ExerciceSigne.h"
#include "MichelLevySpectre/figureconoscopique/EtatConoscopie.h"
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class CadranPlatine;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class Reglages;

class FenetreConoscopie : public QWidget {
    Q_OBJECT
public:
    explicit FenetreConoscopie(Reglages &reglages, QWidget *parent = nullptr);

    const EtatConoscopie &etat() const { return etat_; }
    void choisitAngle(int degres);
    void tourne(int degres) { choisitAngle(int(etat_.grain.orientation.platine) + degres); }
    // Draws the figure again for the settings, the state and the view's size.
    void calcule();
    // The figure's title and the settings in words, as the saved figure shows them.
    QString titre() const;
    QString sousTitre() const;
    // Saves the figure through the figure export's dialog.
    void enregistre();
    // A new grain of the exercise, drawn from that seed.
    void commenceExercice(std::uint32_t graine);

    // What the window shows, for its tests.
    QString message() const;
    QString lecture() const;
    QString verdict() const;
    VueConoscopique *vue() const { return vue_; }
    QLineEdit *champMineral() const { return mineral_; }
    QLineEdit *champIndices() const { return indices_; }
    QLineEdit *champEpaisseur() const { return epaisseur_; }
    QLineEdit *champOuverture() const { return ouverture_; }
    QLineEdit *champInclinaison() const { return inclinaison_; }
    QComboBox *choixSection() const { return section_; }
    QComboBox *choixLame() const { return lame_; }
    QSlider *curseurBiseau() const { return biseau_; }
    QComboBox *choixLumiere() const { return sorteLumiere_; }
    QComboBox *reponseCaractere() const { return caractere_; }
    QComboBox *reponseSigne() const { return signe_; }
    QComboBox *reponseDeuxV() const { return deuxV_; }
    QPushButton *boutonRepondre() const { return repondre_; }
    QPushButton *boutonExercice() const { return exercice_; }

protected:
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    QWidget *creeGrain();
    QWidget *creeConoscope();
    QWidget *creeExercice();
    void litMineral();
    void litIndices();
    void litSection();
    void litEpaisseur();
    void litOuverture();
    void litInclinaison();
    void litLame();
    void litLumiere();
    void repond();
    // Another grain chosen after an answer: the verdict, about the old one, goes.
    void fermeCorrection();
    void montreEtat();
    void dessine(int cote);
    HabillageFigure habillage() const;
    void dit(const QString &message);

    Reglages &reglages_;
    EtatConoscopie etat_;
    // The light's tables, kept while nothing they depend on changes.
    struct PourLumiere {
        ReglagesMicroscope reglages;
        double retardLame = 0, retardMax = 0;
        std::optional<std::int32_t> monochromatique;
        bool operator==(const PourLumiere &) const = default;
    };
    std::optional<PourLumiere> lumierePour_;
    std::optional<LumiereConoscopie> lumiereFigure_;
    std::optional<ExerciceSigne> exerciceEnCours_;

    VueConoscopique *vue_ = nullptr;
    CadranPlatine *cadran_ = nullptr;
    QTimer *finition_ = nullptr;
    QLabel *lecture_ = nullptr;
    QLabel *message_ = nullptr;
    QLineEdit *mineral_ = nullptr;
    QLineEdit *indices_ = nullptr;
    QComboBox *section_ = nullptr;
    QLineEdit *inclinaison_ = nullptr;
    QLineEdit *epaisseur_ = nullptr;
    QLineEdit *ouverture_ = nullptr;
    QComboBox *lame_ = nullptr;
    QSlider *biseau_ = nullptr;
    QComboBox *sorteLumiere_ = nullptr;
    QSpinBox *longueurOnde_ = nullptr;
    QPushButton *exercice_ = nullptr;
    QGroupBox *boiteExercice_ = nullptr;
    QComboBox *caractere_ = nullptr;
    QComboBox *signe_ = nullptr;
    QComboBox *deuxV_ = nullptr;
    QPushButton *repondre_ = nullptr;
    QLabel *verdict_ = nullptr;
};
