// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program writes goes through here, so that a failed write never
// destroys what was there.
#include <QByteArray>
#include <QString>

// Writes the bytes to the file, replacing it only once they are all on disk. On failure an
// Erreur says why in French, and whether the old file is unchanged or was damaged.
void EnregistreFichier(const QString &nom, const QByteArray &octets);
