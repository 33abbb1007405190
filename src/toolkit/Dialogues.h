// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's modal windows, behind one replaceable object so that tests never block.
#include <QString>

#include <optional>

struct OptionsEnregistrement {
    QString extensionParDefaut; // without the dot
    QString dossierInitial;
    // "description|pattern", or several such pairs joined by "|" (the first one shown first).
    QString filtre;
};

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Information box with one OK button.
    virtual void message(const QString &texte) = 0;
    // Caption "Confirmation", question icon, buttons "&Oui" and "&Non"; true for "&Oui".
    virtual bool confirme(const QString &question) = 0;
    // The error report of a failure that escaped a handler.
    virtual void erreur(const QString &texte) = 0;
    // The save dialog: the chosen file name, nothing when cancelled.
    virtual std::optional<QString> enregistrerSous(const OptionsEnregistrement &options) = 0;
    // A line of text asked for, prefilled with `valeur`; nothing when cancelled.
    virtual std::optional<QString> saisit(const QString &titre, const QString &question,
                                          const QString &valeur);
    // The open dialog with that filter ("description (*.a *.b)"); nothing when cancelled.
    virtual std::optional<QString> ouvrir(const QString &titre, const QString &filtre);
};

Dialogues &dialogues();
// Installs another implementation (tests); nullptr restores the real one. Not owned.
void remplaceDialogues(Dialogues *autre);
