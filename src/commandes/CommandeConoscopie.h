// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--conoscopie": the interference figure of a grain, written as a PNG picture.
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The command's own options, declared on the parser, and the lines of help that describe them.
// It shares --epaisseur with --identifier and the microscope's options with --couleurs.
// The options it takes beside "--conoscopie".
QStringList OptionsAdmisesConoscopie();
void DeclareOptionsConoscopie(QCommandLineParser &parseur);
QString AideConoscopie();

// Writes the figure without losing a file already there, then one line on stdout that names
// the figure's grain; a bad value throws ArgumentIncorrect before anything is written, a failed
// write an Erreur.
void ExecuteConoscopie(const QCommandLineParser &parseur);
