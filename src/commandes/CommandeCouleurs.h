// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--couleurs": the colorimetric colour table of a grain on the stage, as the strip shows it.
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The microscope as --source, --vision, --polariseurs, --lame and --angle set it, shared by the
// commands that show a grain on the stage.
struct MicroscopeLigneDeCommande {
    ReglagesMicroscope reglages;
    LameAuxiliaire lame = LameAuxiliaire::Aucune;
    double biseau = 0.0; // nm
    double angle = 0.0;  // degrees, anticlockwise
};

// A bad value throws ArgumentIncorrect; --angle not given is angleDefaut.
MicroscopeLigneDeCommande LitMicroscope(const QCommandLineParser &parseur, double angleDefaut);

// The microscope's options, which every command on a grain takes, and all those of --couleurs.
QStringList OptionsMicroscope();
QStringList OptionsAdmisesCouleurs();

// The command's options, declared on the parser, and the lines of help that describe them.
void DeclareOptionsCouleurs(QCommandLineParser &parseur);
QString AideCouleurs();

// Writes the table on stdout; a bad value throws ArgumentIncorrect before anything is written.
void ExecuteCouleurs(const QCommandLineParser &parseur);
