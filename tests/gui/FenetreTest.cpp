// SPDX-License-Identifier: GPL-3.0-or-later
#include "FenetreTest.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/reglages/Preferences.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

void FenetreTest::SetUp()
{
    ASSERT_TRUE(dossier_.isValid());
    ancienDossier_ = QDir::currentPath();
    anciensDialogues_ = &dialogues();
    remplaceDialogues(&dialogues_);
}

void FenetreTest::TearDown()
{
    Reglages origine; // every test starts as a first start
    RetablitReglagesDOrigine(fenetre_ ? fenetre_->reglages() : origine);
    fenetre_.reset();
    remplaceDialogues(anciensDialogues_);
    QDir::setCurrent(ancienDossier_);
}

void FenetreTest::ouvre(bool avecFichier, bool activer)
{
    if (avecFichier)
        for (const QString &nom : {QStringLiteral("rgb-arc-en-ciel.txt"),
                                   QStringLiteral("mineraux.tsv"), QStringLiteral("grains.tsv")})
            QFile::copy(QStringLiteral(PRISMELLE_DATA_DIR "/") + nom, dossier_.filePath(nom));
    QDir::setCurrent(dossier_.path());
    fenetre_ = std::make_unique<TForm1>();
    if (activer) {
        fenetre_->show();
        QApplication::processEvents();
    }
}

void FenetreTest::ecrit(const QString &nom, const QByteArray &contenu) const
{
    QFile f(dossier_.filePath(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

void FenetreTest::choisitDuMenu(const char *entree)
{
    for (QAction *a : f().MenuMichelLevy->actions())
        if (a->text() == QString::fromUtf8(entree))
            a->trigger();
}

void FenetreTest::saisit(QLineEdit *champ, const char *texte)
{
    champ->setText(QString::fromUtf8(texte));
    emit champ->editingFinished();
}

void FenetreTest::tape(TEdit *champ, const QString &texte, bool entree)
{
    champ->setText(texte);
    if (entree)
        QTest::keyClick(champ, Qt::Key_Return);
}

namespace {

void souris(QWidget *w, QEvent::Type type, Qt::MouseButton bouton, Qt::MouseButtons boutons, int x,
            int y)
{
    const QPointF local(x, y);
    QMouseEvent e(type, local, w->mapToGlobal(local), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

void FenetreTest::presse(TImage *image, Qt::MouseButton bouton, int x, int y)
{
    souris(image, QEvent::MouseButtonPress, bouton, bouton, x, y);
}

void FenetreTest::glisse(TImage *image, Qt::MouseButtons boutons, int x, int y)
{
    souris(image, QEvent::MouseMove, Qt::NoButton, boutons, x, y);
}

void FenetreTest::relache(TImage *image, Qt::MouseButton bouton, int x, int y)
{
    souris(image, QEvent::MouseButtonRelease, bouton, Qt::NoButton, x, y);
}
