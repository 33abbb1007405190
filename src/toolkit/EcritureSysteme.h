// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system side of a save, one file per platform: how the bytes reach the disk without
// losing the old file, and the French reason of a failure.
#include <QByteArray>
#include <QString>

struct BilanEcriture {
    enum class Etat {
        Ecrit,        // the new bytes are on disk
        AncienIntact, // nothing written: the old file, if any, is as it was
        Abime,        // failed while overwriting in place: neither the old nor the new content
        NonConfirme   // written and renamed, but the folder's sync failed
    };
    Etat etat = Etat::Ecrit;
    QString raison;            // in French, when not Ecrit
    bool ancienExiste = false; // a file of that name was there before
};

BilanEcriture EcritSansPerte(const QString &nom, const QByteArray &octets);

// Tests: replaces the sync of a written file and of its folder; nullptr restores the system's.
using Synchronisation = int (*)(int descripteur);
void RemplaceSynchronisation(Synchronisation remplacante);

// Tests: replaces the reservation of a file's space (0, or -1 and errno, as Linux's fallocate);
// nullptr restores the system's. Windows reserves nothing.
using Reservation = int (*)(int descripteur, qint64 taille);
void RemplaceReservation(Reservation remplacante);
