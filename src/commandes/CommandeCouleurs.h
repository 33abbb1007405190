// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "--couleurs": the colorimetric colour table of a grain on the stage, as the strip shows it.
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include "commandes/ArgumentIncorrect.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

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

// A whole number from min to max, or `defaut` when the option is not given; a bad value throws
// ArgumentIncorrect.
int LitEntierOption(const QCommandLineParser &parseur, const QString &option, int defaut, int min,
                    int max);

// One of the tables --mineral reads, from the working folder; one that cannot be read throws
// ArgumentIncorrect saying why.
template <class T>
std::vector<T> TablePourMineral(std::vector<T> (*charge)(const QString &), const char *fichier)
{
    try {
        return charge(QString::fromUtf8(fichier));
    } catch (const Erreur &e) {
        throw ArgumentIncorrect{QStringLiteral("--mineral : ") + QString::fromUtf8(e.what())};
    }
}

// The row of mineraux.tsv that --mineral names, by its name or a synonym; a table that cannot
// be read or an unknown name throws ArgumentIncorrect.
Mineral LitMineral(const QCommandLineParser &parseur);

// --epaisseur in µm, or `defaut` when not given; a bad value throws ArgumentIncorrect.
double LitEpaisseurOption(const QCommandLineParser &parseur, double defaut);

// Options' names as the parser knows them.
QStringList NomsOptions(std::initializer_list<const char *> noms);
// Options that take a value, declared on the parser; each command checks its own.
void DeclareValeurs(QCommandLineParser &parseur, const QStringList &noms);

// The command's options, declared on the parser, and the lines of help that describe them.
void DeclareOptionsCouleurs(QCommandLineParser &parseur);
QString AideCouleurs();

// Writes the table on stdout; a bad value throws ArgumentIncorrect before anything is written.
void ExecuteCouleurs(const QCommandLineParser &parseur);
