// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From a colour to minerals, on the Qt side: the mineral table from the working folder, the
// section's thickness, the readout on the Michel-Lévy strip and the reference colours of the
// current settings.
#include "MichelLevySpectre/presentation/Identification.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;
class TImage;

inline constexpr const char *FichierMineraux = "mineraux.tsv";

// The table read from "mineraux.tsv" in the working folder, once it has been read; empty with
// `erreur` saying why in French while it cannot be. A failed read is tried again next time.
const std::vector<Mineral> &TableMineraux(QString *erreur = nullptr);

// The section's thickness in µm: 30 at a first start, kept by what the user sets it with.
double EpaisseurLame();
void ChoisitEpaisseurLame(double epaisseur);
// The strip menu's entry, naming the current thickness.
QString TexteEntreeEpaisseur();
// Asks for a thickness; bad text is refused with a message and the old value kept.
void DemandeEpaisseurLame();

// The retardation at column x of the strip, none without a table.
std::optional<double> RetardDeColonne(const TImage *image, int x);
// The readout at column x of the strip, empty without a table.
QString LectureMichelLevy(const TImage *image, int x);
// Shows that readout as the strip's tooltip, beside its own mouse handlers.
void InstalleLectureMichelLevy(TImage *image);

// The reference colours of the current settings, or of the given ones, computed once per
// settings.
const std::vector<RgbLineaire> &ReferenceCourante();
const std::vector<RgbLineaire> &ReferencePour(const ReglagesMicroscope &reglages);

// The identification window, created on first use; shown without blocking the main window.
void OuvreIdentification(QWidget *parent);
