// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--grain": a mineral's grain turned on the stage, the colour of its centre at each angle;
// "--plagioclase": the Michel-Lévy curve of albite twins.
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The commands' own options and the lines of help that describe them. --grain shares
// --mineral with --conoscopie, --epaisseur with --identifier and the lamp, viewer and plate
// with --couleurs.
// The options each takes beside its own name.
QStringList OptionsAdmisesGrain();
QStringList OptionsAdmisesPlagioclase();
void DeclareOptionsGrain(QCommandLineParser &parseur);
QString AideGrain();

// Write their table on stdout; a bad value throws ArgumentIncorrect before anything is written.
void ExecuteGrain(const QCommandLineParser &parseur);
void ExecutePlagioclase(const QCommandLineParser &parseur);
