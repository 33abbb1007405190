// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Identification d'une teinte": a colour taken from a photograph or the colour dialog, its
// nearest retardations in the first orders, δ for the section's thickness and the minerals.
#include "MichelLevySpectre/presentation/Identification.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QTableWidget;
class VuePhotographie;

class FenetreIdentification : public QWidget {
    Q_OBJECT
public:
    explicit FenetreIdentification(QWidget *parent = nullptr);

    void ouvrePhotographie(const QString &nom);
    void choisitCouleur(Rgb8 couleur);
    void copieResultats();
    // Takes the thickness that the strip's menu set since.
    void reprendEpaisseur();

    // What the window shows, for its tests.
    const std::vector<LigneIdentification> &resultats() const { return resultats_; }
    QString message() const;
    VuePhotographie *vue() const { return vue_; }
    QLineEdit *champEpaisseur() const { return epaisseur_; }

private:
    void demandePhotographie();
    void demandeCouleur();
    void litEpaisseur();
    void calcule();
    void montreResultats();
    void dit(const QString &message);

    VuePhotographie *vue_ = nullptr;
    QScrollArea *defilement_ = nullptr;
    QLineEdit *epaisseur_ = nullptr;
    QLabel *pastille_ = nullptr; // the colour itself
    QLabel *echantillon_ = nullptr;
    QLabel *message_ = nullptr;
    QTableWidget *tableau_ = nullptr;
    std::optional<Rgb8> couleur_;
    double epaisseurUm_;
    LectureDelta lecture_ = LectureDelta::GrainQuelconque;
    std::vector<LigneIdentification> resultats_;
};
