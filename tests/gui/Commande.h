// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program run as a script would run it, with no display at all.
#include <QString>
#include <QStringList>

#include <vector>

struct Sortie {
    int statut = -1;
    QString sortie, erreurs;
};

// Runs the program with the arguments, in the folder if one is given, and waits for it.
Sortie lance(const QStringList &arguments, const QString &dossier = {});

// The program under test, and its output as text.
extern const QString Programme;
QString texte(const QByteArray &octets);

QStringList args(const std::vector<const char *> &a);
