// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings every window shows alike: the strip's colour mode, the microscope's lamp,
// viewer, plate and polarisers, the section's thickness and the mineral table. One object, made
// by the main window and handed to the others; `changed` tells each to show them again, so that
// no window polls another.
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/grains/TableGrains.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <vector>

// The table's file, read from the working folder.
inline constexpr const char *FichierMineraux = "mineraux.tsv";

// The rows of the mineral table in that file; throws Erreur saying why in French when it cannot
// be read. The command line reads it so too.
std::vector<Mineral> ChargeTableMineraux(const QString &chemin);

// Each mineral's grain on the stage, beside it in grains.tsv; throws Erreur likewise.
inline constexpr const char *FichierGrains = "grains.tsv";
std::vector<FicheGrain> ChargeTableGrains(const QString &chemin);

class Reglages : public QObject {
    Q_OBJECT
public:
    explicit Reglages(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Reglages)

    bool couleursColorimetriques() const { return colorimetriques_; }
    const ReglagesMicroscope &microscope() const { return microscope_; }
    double epaisseur() const { return epaisseur_; } // µm
    // The table of the working folder, read again when another folder or an edited file is
    // current; empty with `erreur` saying why in French while it cannot be read.
    const std::vector<Mineral> &mineraux(QString *erreur = nullptr) const;

    // Each says `changed` when it changes something.
    void choisitCouleursColorimetriques(bool actif);
    void choisitMicroscope(const ReglagesMicroscope &microscope);
    void choisitEpaisseur(double epaisseur);
    // The program's own, every one of them, in one change.
    void retablitOrigine();

signals:
    void changed();

private:
    struct TableLue {
        std::vector<Mineral> mineraux;
        QString chemin;
        QDateTime modification;
        qint64 taille = -1;
    };

    bool colorimetriques_ = false;
    ReglagesMicroscope microscope_;
    double epaisseur_;
    mutable TableLue table_;
};
