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
bool figurable(const FenetreFigures &fenetre, QWidget *source)
{
    if (fenetre.courbesIncidentes && source == fenetre.courbesIncidentes)
        return fenetre.courbesIncidentes->graphCount() > 0;
    return TableFigurable(tab_interferences);
}

} // namespace

void CopieImage(const FenetreFigures &fenetre, QWidget *source)
{
    QImage image;
    if (!figurable(fenetre, source))
        return;
    if (auto *chart = qobject_cast<QCustomPlot *>(source))
        image = ImageFigureCourbes(fenetre, chart);
    else if (source == fenetre.bande)
        image = ImageFigureBande(fenetre, tab_interferences, source->width(), source->height());
    else
        image = source->grab().toImage();
    QApplication::clipboard()->setImage(image);
}

void EnregistreImage(const FenetreFigures &fenetre, QWidget *source)
{
    if (!figurable(fenetre, source)) // before the dialog opens
        return;
    auto *chart = qobject_cast<QCustomPlot *>(source);
    const std::optional<QString> nom = DemandeNomFigure();
    if (!nom)
        return;
    const FormatFigure format = FormatDuNom(*nom);
    EnregistreFichier(*nom, chart ? OctetsFigureCourbes(fenetre, format, chart)
                                  : OctetsFigureBande(fenetre, format, tab_interferences,
                                                      source->width(), source->height()));
}

void EnregistreFigureDessinee(const QString &titre, const QSizeF &points,
                              const std::function<void(QPainter &)> &dessine)
{
    constexpr double dpiImage = 300, dpiVectoriel = 72;
    const std::optional<QString> nom = DemandeNomFigure();
    if (!nom)
        return;
    const FormatFigure format = FormatDuNom(*nom);
    const auto peint = [&](QCPPainter &p) { dessine(p); };
    EnregistreFichier(*nom, format == FormatFigure::Png
                                ? OctetsPng(ImageEnPoints(points, dpiImage, peint))
                                : FigureVectorielle(format, points, dpiVectoriel, titre, peint));
}
