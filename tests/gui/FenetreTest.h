// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixture for tests that drive the real window offscreen: a fresh TForm1 in a temporary
// working folder (with or without the standard rainbow file), and dialogues that record
// instead of blocking.
#include "Unit1.h"
#include "toolkit/Dialogues.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

class DialoguesEnregistres : public Dialogues {
public:
    std::vector<QString> messages;
    std::vector<QString> questions;
    std::vector<QString> erreurs;
    std::vector<OptionsEnregistrement> enregistrements;
    bool reponseConfirmation = true;
    std::optional<QString> nomChoisi; // nothing: the save dialog is cancelled
    std::optional<QString> saisie;    // nothing: the text dialog is cancelled
    std::optional<QString> aOuvrir;   // nothing: the open dialog is cancelled

    void message(const QString &t) override { messages.push_back(t); }
    bool confirme(const QString &q) override
    {
        questions.push_back(q);
        return reponseConfirmation;
    }
    void erreur(const QString &t) override { erreurs.push_back(t); }
    std::optional<QString> enregistrerSous(const OptionsEnregistrement &o) override
    {
        enregistrements.push_back(o);
        return nomChoisi;
    }
    std::optional<QString> saisit(const QString &, const QString &, const QString &) override
    {
        return saisie;
    }
    std::optional<QString> ouvrir(const QString &, const QString &) override { return aOuvrir; }
};

// The strip menu's entry of the identification window, which several tests open.
inline constexpr const char *EntreeIdentification = "Identifier une teinte…";

class FenetreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window (creation handler included); `activer` also shows it and lets the
    // first activation run.
    void ouvre(bool avecFichier = true, bool activer = true);
    QString dossier() const { return dossier_.path(); }
    // Writes a file in the working folder.
    void ecrit(const QString &nom, const QByteArray &contenu) const;

    // User input on the real controls.
    void tape(TEdit *champ, const QString &texte, bool entree = true);
    // A typed value, then the field left, as the windows of their own read theirs.
    static void saisit(QLineEdit *champ, const char *texte);
    void presse(TImage *image, Qt::MouseButton bouton, int x, int y = 5);
    void glisse(TImage *image, Qt::MouseButtons boutons, int x, int y = 5);
    void relache(TImage *image, Qt::MouseButton bouton, int x, int y = 5);

    TForm1 &f() { return *fenetre_; }
    // The strip's menu entry of that text chosen, and the window it opened.
    template <class Fenetre> Fenetre &ouvreDuMenu(const char *entree)
    {
        choisitDuMenu(entree);
        auto *w = f().findChild<Fenetre *>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    DialoguesEnregistres dialogues_;

private:
    void choisitDuMenu(const char *entree);

    QTemporaryDir dossier_;
    QString ancienDossier_;
    Dialogues *anciensDialogues_ = nullptr;
    std::unique_ptr<TForm1> fenetre_;
};
