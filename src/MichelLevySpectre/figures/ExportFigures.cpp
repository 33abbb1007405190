// SPDX-License-Identifier: GPL-3.0-or-later
// The strip and the charts as pictures: on the clipboard, or saved as PNG, SVG or PDF.
#include "MichelLevySpectre/figures/ExportFigures.h"

#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/figures/FigureBande.h"
#include "MichelLevySpectre/figures/FigureCourbes.h"
#include "toolkit/Fichiers.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QClipboard>

namespace {

// False, after a French message, for a figure of nothing: the interference table of fewer
// than two rows, or a chart not yet plotted.
bool figurable(QWidget *source)
{
    const FenetreFigures fenetre = FenetreDesFigures();
    if (fenetre.courbesIncidentes && source == fenetre.courbesIncidentes)
        return fenetre.courbesIncidentes->graphCount() > 0;
    return TableFigurable(tab_interferences);
}

} // namespace

void CopieImage(QWidget *source)
{
    QImage image;
    if (!figurable(source))
        return;
    if (auto *chart = qobject_cast<QCustomPlot *>(source))
        image = ImageFigureCourbes(chart);
    else if (source == FenetreDesFigures().bande)
        image = ImageFigureBande(tab_interferences, source->width(), source->height());
    else
        image = source->grab().toImage();
    QApplication::clipboard()->setImage(image);
}

void EnregistreImage(QWidget *source)
{
    if (!figurable(source)) // before the dialog opens
        return;
    auto *chart = qobject_cast<QCustomPlot *>(source);
    const std::optional<QString> nom = DemandeNomFigure();
    if (!nom)
        return;
    const FormatFigure format = FormatDuNom(*nom);
    EnregistreFichier(*nom, chart ? OctetsFigureCourbes(format, chart)
                                  : OctetsFigureBande(format, tab_interferences, source->width(),
                                                      source->height()));
}
