// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The section under the microscope: the mineral table from the working folder, the section's
// thickness and the reference colours of a microscope's settings.
#include "MichelLevySpectre/presentation/Identification.h"

#include <QString>

#include <vector>

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

// The reference colours of those settings, computed once per settings.
const std::vector<RgbLineaire> &ReferencePour(const ReglagesMicroscope &reglages);
