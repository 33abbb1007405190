// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Identification d'une teinte": a colour taken from a photograph or the colour dialog, its
// retardations up to the high-order white, δ for the section's thickness under either reading
// and the minerals; a white reference for the photograph and the thickness from quartz.
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/recherche/BlancReference.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class Reglages;
class QLabel;
class QLayout;
class QLineEdit;
class QScrollArea;
class QTableWidget;
class VuePhotographie;

class FenetreIdentification : public QWidget {
    Q_OBJECT
public:
    // The settings are the main window's: the window follows each change at once.
    explicit FenetreIdentification(Reglages &reglages, QWidget *parent = nullptr);

    void ouvrePhotographie(const QString &nom);
    // The same field photographed with the λ plate, shown beside the first; the grain clicked on
    // the first is read on both.
    void ouvrePhotographieLambda(const QString &nom);
    void choisitCouleur(Rgb8 couleur);
    void copieResultats();
    // The next click on the photograph sets the white reference, or the thickness from quartz.
    void attendReferenceBlanc();
    void attendQuartz();
    // Where the mineral typed (its name or a synonym) stands among the rows shown.
    void chercheMineral(const QString &nom);

    // What the window shows, for its tests.
    const std::vector<LigneIdentification> &resultats() const { return resultats_; }
    QString message() const;
    VuePhotographie *vue() const { return vue_; }
    VuePhotographie *vueLambda() const { return vueLambda_; }
    QLineEdit *champEpaisseur() const { return epaisseur_; }
    QComboBox *choixLecture() const { return lecture_; }
    QTableWidget *tableau() const { return tableau_; }
    const BalanceBlancs &balanceBlancs() const { return balance_; }

private:
    static constexpr int ColonneMineraux = 4; // the minerals, which take the spare width
    enum class Clic { Couleur, Blanc, Quartz };
    QLayout *construitOutils();
    void suitReglages();
    void reprendEpaisseur();
    // The reference colours of those settings, computed once per settings.
    static const std::vector<RgbLineaire> &reference(const ReglagesMicroscope &microscope);
    void demandePhotographie();
    void demandePhotographieLambda();
    std::optional<GrainPhotographie> grainLambda() const;
    void demandeCouleur();
    void litEpaisseur();
    void prendPixel(QPoint pixel);
    void prendCouleur(const RgbLineaire &brute);
    void etalonneSurQuartz(const RgbLineaire &brute);
    void changeEpaisseur(double epaisseur);
    void efface();
    void calcule();
    void montreCouleurs();
    void montreResultats();
    void dit(const QString &message);

    VuePhotographie *vue_ = nullptr;
    QScrollArea *defilement_ = nullptr;
    VuePhotographie *vueLambda_ = nullptr;
    QScrollArea *defilementLambda_ = nullptr;
    std::optional<QPoint> pixel_; // the grain's, on both photographs
    QLineEdit *epaisseur_ = nullptr;
    QComboBox *lecture_ = nullptr;
    QLineEdit *mineral_ = nullptr;
    QLabel *pastille_ = nullptr; // the colour as taken
    QLabel *corrigee_ = nullptr; // after the white reference
    QLabel *echantillon_ = nullptr;
    QLabel *message_ = nullptr;
    QLabel *zoom_ = nullptr; // "Zoom : 50 %"
    QLabel *note_ = nullptr; // anomalous colours
    QTableWidget *tableau_ = nullptr;
    std::optional<RgbLineaire> couleur_; // as taken, before the white reference
    BalanceBlancs balance_;              // the photograph's white reference
    Clic clic_ = Clic::Couleur;
    Reglages &reglages_;
    double epaisseurUm_;
    ReglagesMicroscope microscope_;
    std::vector<LigneIdentification> resultats_;
    std::string avertissements_; // of the rows shown, one a line
};

// The identification window, created on first use; shown without blocking the main window.
void OuvreIdentification(QWidget *parent, Reglages &reglages);
