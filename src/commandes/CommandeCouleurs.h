// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--couleurs": the colorimetric colour table of a grain on the stage, as the strip shows it.
#include <QString>

class QCommandLineParser;

// The command's options, declared on the parser, and the lines of help that describe them.
void DeclareOptionsCouleurs(QCommandLineParser &parseur);
QString AideCouleurs();

// Writes the table on stdout; a bad value throws ArgumentIncorrect before anything is written.
void ExecuteCouleurs(const QCommandLineParser &parseur);
