// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the POSIX writer needs to know around the file it saves: where a chain of links ends,
// what a crash left behind, and the mode a new file gets.
#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The writer's temporary files are this prefix and six letters or digits.
inline constexpr char PrefixeTemporaire[] = ".prismelle-";

// The file that a chain of links ends at, as QSaveFile finds it (the last one may not exist
// yet); empty for a loop.
QString FichierAuBoutDesLiens(const QString &nom);

// Removes the user's own temporary files in the folder that are older than a minute: a save
// that ran beside this one has finished by then, and a crash before the rename left these.
void RetireTemporairesAbandonnes(const QByteArray &dossier);

// 0666 less the process's umask, read without changing it.
mode_t ModeNouveauFichier();
