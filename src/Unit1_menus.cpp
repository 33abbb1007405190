// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button menus: figures of the Michel-Lévy strip and of the two charts, and the strip's
// colorimetric colours. The light strips have none: every release there runs a chain of its
// own.
#include "Unit1.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "toolkit/Programme.h"

#include <qcustomplot.h>

#include <QMenu>
#include <QSignalBlocker>

#include <functional>

namespace {

// Pops up on a right press without blocking, once the press has reached the control's
// own handlers.
QMenu *menuContextuel(QWidget *cible)
{
    auto *menu = new QMenu(cible);
    cible->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(cible, &QWidget::customContextMenuRequested, menu,
                     [cible, menu](const QPoint &pos) { menu->popup(cible->mapToGlobal(pos)); });
    return menu;
}

QAction *entree(QMenu *menu, const QString &texte, const std::function<void()> &action)
{
    QAction *a = menu->addAction(texte);
    QObject::connect(a, &QAction::triggered, menu, [action] { Protege(action); });
    return a;
}

// A checkable entry: the option's state, shown as a tick.
QAction *option(QMenu *menu, const QString &texte, bool (*etat)(), void (*choisit)(bool))
{
    QAction *a = menu->addAction(texte);
    a->setCheckable(true);
    // The tick shows the option as it is, whoever set it last.
    QObject::connect(menu, &QMenu::aboutToShow, a, [a, etat] {
        const QSignalBlocker silence(a);
        a->setChecked(etat());
    });
    QObject::connect(a, &QAction::toggled, menu,
                     [choisit](bool actif) { Protege([&] { choisit(actif); }); });
    return a;
}

} // namespace

void TForm1::creeMenus()
{
    QMenu *bande = MenuMichelLevy = menuContextuel(Image_michel_levy);
    entree(bande, QStringLiteral("Copier l'image"), [this] { CopieImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer l'image…"),
           [this] { EnregistreImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer la charte de Michel-Lévy…"),
           [] { EnregistreCharteMichelLevy(); });
    option(bande, QStringLiteral("Couleurs colorimétriques (CIE 1931, sRGB)"),
           CouleursColorimetriquesChoisies, ChoisitCouleursColorimetriques);
    entree(bande, QStringLiteral("Enregistrer une planche…"), [] { EnregistrePlanche(); });

    for (TChart *chart : {Chart1, Chart2}) {
        QMenu *menu = menuContextuel(chart);
        entree(menu, QStringLiteral("Copier l'image"), [chart] { CopieImage(chart); });
        entree(menu, QStringLiteral("Enregistrer l'image…"), [chart] { EnregistreImage(chart); });
    }
}
