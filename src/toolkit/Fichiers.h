// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program writes goes through here, so that a failed write never
// destroys what was there; and the files it reads whole (a photograph, the mineral table), so
// that nothing but a regular file is read.
#include <QByteArray>
#include <QString>

class QFile;

// Writes the bytes to the file, replacing it only once they are all on disk. On failure an
// Erreur says why in French, and whether the old file is unchanged or was damaged.
void EnregistreFichier(const QString &nom, const QByteArray &octets);

// Only a regular file, or a link to one, is read: a folder, a device, a FIFO or a socket is
// refused at once, without waiting on it.
enum class RefusLecture { Aucun, Absent, PasUnFichier, TropGrand, Illisible };
// Opens the file named by `fichier` for reading; it stays closed unless the answer is Aucun.
RefusLecture OuvreFichierOrdinaire(QFile &fichier);
// The whole content of a regular file of at most `octetsMax` bytes, read with that bound.
struct FichierLu {
    QByteArray octets;
    RefusLecture refus = RefusLecture::Aucun;
};
FichierLu LitFichierOrdinaire(const QString &nom, qint64 octetsMax);
// "« nom » n'est pas un fichier ordinaire…", the refusal of PasUnFichier.
QString TexteNonFichier(const QString &nom);
