// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--identifier": a grain's colour in a photograph, its retardations, δ and minerals, as the
// identification window copies them.
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The options the command takes beside "--identifier", the microscope's settings included.
QStringList OptionsAdmisesIdentifier();
// The command's options, declared on the parser, and the lines of help that describe them.
void DeclareOptionsIdentifier(QCommandLineParser &parseur);
QString AideIdentifier();

// Writes the rows on stdout and the warning of a poor match on stderr; a bad value or an
// unreadable photograph throws ArgumentIncorrect before anything is written.
void ExecuteIdentifier(const QCommandLineParser &parseur);
