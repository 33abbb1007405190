// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program writes goes through here, so that a failed write never
// destroys what was there.
#include <QByteArray>
#include <QString>

// Writes the bytes to the file, replacing it only once they are all on disk. On failure
// the old file is left as it was and an Erreur says why, in French.
void EnregistreFichier(const QString &nom, const QByteArray &octets);
