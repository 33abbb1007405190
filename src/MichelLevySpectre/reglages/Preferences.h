// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings kept between runs, in the desktop's usual place (QSettings): the colour
// mode, the microscope's lamp, viewer, plate and polarisers, and the section's thickness.
#include <QString>

class Reglages;

// Takes up the kept settings; a value missing, unreadable or out of range stays the default,
// so a first start is the program's own.
void RetablitReglagesUtilisateur(Reglages &reglages);
// Keeps the current settings; called by whatever the user changes them with.
void RetientReglagesUtilisateur(const Reglages &reglages);
// Puts every setting back to the program's own and forgets the kept ones.
void RetablitReglagesDOrigine(Reglages &reglages);
// Where they are kept.
QString FichierReglagesUtilisateur();
