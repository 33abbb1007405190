// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--couleurs": the colorimetric colour table of a grain on the stage, as the strip shows it.
#include "MichelLevySpectre/presentation/Reglages.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The command's options, declared on the parser, and the lines of help that describe them.
void DeclareOptionsCouleurs(QCommandLineParser &parseur);
QString AideCouleurs();

// The options the command takes, beside "--couleurs"; among them those of the microscope's
// settings, which "--identifier" takes too.
QStringList OptionsAdmisesCouleurs();
QStringList OptionsReglages();

// The lamp, the viewer and the polarisers named by --source, --vision and --polariseurs, and the
// plate of a photograph (--lame aucune|lambda|quart); a bad value throws ArgumentIncorrect.
ReglagesMicroscope LitReglages(const QCommandLineParser &parseur);
LameAuxiliaire LitLameAuxiliaire(const QCommandLineParser &parseur);

// Writes the table on stdout; a bad value throws ArgumentIncorrect before anything is written.
void ExecuteCouleurs(const QCommandLineParser &parseur);
