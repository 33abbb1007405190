// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button menus: figures of the Michel-Lévy strip and of the two charts. The light
// strips have none: every release there runs a chain of its own.
#include "Unit1.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "toolkit/Programme.h"

#include <qcustomplot.h>

#include <QMenu>

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

} // namespace

void TForm1::creeMenus()
{
    QMenu *bande = MenuMichelLevy = menuContextuel(Image_michel_levy);
    entree(bande, QStringLiteral("Copier l'image"), [this] { CopieImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer l'image…"),
           [this] { EnregistreImage(Image_michel_levy); });
    entree(bande, QStringLiteral("Enregistrer la charte de Michel-Lévy…"),
           [] { EnregistreCharteMichelLevy(); });
    // Further entries of the strip's menu come here, after the figures.

    for (TChart *chart : {Chart1, Chart2}) {
        QMenu *menu = menuContextuel(chart);
        entree(menu, QStringLiteral("Copier l'image"), [chart] { CopieImage(chart); });
        entree(menu, QStringLiteral("Enregistrer l'image…"), [chart] { EnregistreImage(chart); });
    }
}
