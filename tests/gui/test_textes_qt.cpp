// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts, which the program does not write itself, are French too: the save dialog
// and the fields' context menu. The tests run under a non-French locale (see CMakeLists).
#include "FenetreTest.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

QFileDialog *dialogueOuvert()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QFileDialog *>(w); d && d->isVisible())
            return d;
    return nullptr;
}

// Any box the dialog would raise is recorded and answered with its accepting button.
void repondAuxQuestions(QFileDialog *dialogue, QStringList &questions)
{
    auto *garde = new QTimer(dialogue);
    QObject::connect(garde, &QTimer::timeout, [&questions] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *boite = qobject_cast<QMessageBox *>(w);
            if (!boite || !boite->isVisible())
                continue;
            questions << boite->text();
            for (QAbstractButton *b : boite->buttons())
                if (boite->buttonRole(b) == QMessageBox::YesRole ||
                    boite->buttonRole(b) == QMessageBox::AcceptRole)
                    return b->click();
        }
    });
    garde->start(20);
}

} // namespace

class TextesQt : public FenetreTest {};

TEST_F(TextesQt, saveDialog_isFrenchAndReplacesAnExistingFileWithoutAsking)
{
    ecrit("existe.txt", "ancien\r\n");
    const QString existant = QDir(dossier()).filePath("existe.txt");
    QString titre;
    QStringList boutons;
    QStringList questions;
    QTimer::singleShot(0, [&] {
        QFileDialog *d = dialogueOuvert();
        if (!d)
            return;
        titre = d->windowTitle();
        for (const QPushButton *b : d->findChildren<QPushButton *>())
            if (b->isVisible())
                boutons << b->text();
        repondAuxQuestions(d, questions);
        d->selectFile(existant);
        const QDialogButtonBox *boite = d->findChild<QDialogButtonBox *>();
        for (QAbstractButton *b : boite->buttons())
            if (boite->buttonRole(b) == QDialogButtonBox::AcceptRole)
                b->click();
    });
    remplaceDialogues(nullptr); // the real dialogs
    const auto nom = dialogues().enregistrerSous(
        {QStringLiteral("txt"), dossier(), QStringLiteral("Fichiers texte (*.txt)|*.TXT")});
    remplaceDialogues(&dialogues_);
    EXPECT_EQ(titre.toStdString(), "Enregistrer sous");
    boutons.sort();
    EXPECT_EQ(boutons.join(" | ").toStdString(), "&Enregistrer | Annuler");
    EXPECT_EQ(nom, existant);
    EXPECT_TRUE(questions.isEmpty()) << questions.join(" | ").toStdString();
}

TEST_F(TextesQt, fieldContextMenu_isFrench)
{
    ouvre();
    std::unique_ptr<QMenu> menu(f().Edit1->createStandardContextMenu());
    QStringList textes;
    for (const QAction *a : menu->actions())
        if (!a->isSeparator())
            textes << a->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(textes.join(" | ").toStdString(),
              "&Annuler | &Rétablir | Co&uper | Cop&ier | Co&ller | Supprimer | "
              "Tout sélectionner");
}

TEST_F(TextesQt, fileDialogTypeColumn_namesAFolderInFrench)
{
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(dossier())).toStdString(), "Dossier");
}
