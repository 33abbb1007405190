// SPDX-License-Identifier: GPL-3.0-or-later
// What every figure shares: its format, its file name, and its drawing as a vector file or a
// picture of a known resolution.
#include "MichelLevySpectre/figures/Figures.h"

#include "MichelLevySpectre/Erreur.h"
#include "toolkit/Dialogues.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace {

// A page of that size in points; a landscape one is a portrait page turned, so that
// printers recognise A4.
QPageLayout miseEnPage(const QSizeF &points)
{
    const bool paysage = points.width() > points.height();
    const QSizeF taille = paysage ? points.transposed() : points;
    return QPageLayout(QPageSize(taille, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                       paysage ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void peint(QPaintDevice &appareil, const std::function<void(QCPPainter &)> &dessine)
{
    QCPPainter p(&appareil);
    if (!p.isActive())
        throw Erreur("Impossible de dessiner la figure");
    p.setMode(QCPPainter::pmVectorized);
    p.setMode(QCPPainter::pmNoCaching);
    dessine(p);
}

} // namespace

FormatFigure FormatDuNom(const QString &nom)
{
    const QString suffixe = QFileInfo(nom).suffix().toLower();
    if (suffixe == QStringLiteral("svg"))
        return FormatFigure::Svg;
    if (suffixe == QStringLiteral("pdf"))
        return FormatFigure::Pdf;
    return FormatFigure::Png;
}

// The user's pictures folder, else the home folder, until a figure is saved somewhere: then
// the last folder used, for the rest of the run.
std::optional<QString> DemandeNomFigure(FormatFigure parDefaut)
{
    static QString dernier;
    OptionsEnregistrement o;
    o.extensionParDefaut = QStringLiteral("png");
    o.dossierInitial = dernier;
    if (o.dossierInitial.isEmpty()) {
        const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        o.dossierInitial =
            !images.isEmpty() && QFileInfo(images).isDir() ? images : QDir::homePath();
    }
    o.filtre = QStringLiteral("Image PNG|*.png|Image vectorielle SVG|*.svg|Document PDF|*.pdf");
    if (parDefaut == FormatFigure::Pdf) {
        o.extensionParDefaut = QStringLiteral("pdf");
        o.filtre = QStringLiteral("Document PDF|*.pdf|Image PNG|*.png|Image vectorielle SVG|*.svg");
    }
    std::optional<QString> nom = dialogues().enregistrerSous(o);
    if (nom)
        dernier = QFileInfo(*nom).absolutePath();
    return nom;
}

QByteArray FigureVectorielle(FormatFigure format, const QSizeF &taille, double dpi,
                             const QString &titre, const std::function<void(QCPPainter &)> &dessine)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (format == FormatFigure::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&tampon);
        svg.setResolution(qRound(dpi));
        svg.setSize(taille.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), taille));
        svg.setTitle(titre);
        peint(svg, dessine);
    } else {
        QPdfWriter pdf(&tampon);
        pdf.setPageLayout(miseEnPage(taille * (72 / dpi)));
        pdf.setResolution(qRound(dpi));
        pdf.setCreator(QStringLiteral("prismelle"));
        pdf.setTitle(titre);
        peint(pdf, dessine);
    }
    return octets;
}

QImage ImageEnPoints(const QSizeF &points, double dpi,
                     const std::function<void(QCPPainter &)> &dessine)
{
    QImage image((points * (dpi / 72)).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto resolution = [&](double d) {
        image.setDotsPerMeterX(qRound(d / 0.0254));
        image.setDotsPerMeterY(qRound(d / 0.0254));
    };
    resolution(72); // drawn in points, fonts included
    {
        QCPPainter p(&image);
        p.scale(dpi / 72, dpi / 72);
        dessine(p);
    }
    resolution(dpi);
    return image;
}

QByteArray OctetsPng(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "PNG"))
        throw Erreur("Impossible de coder l'image PNG");
    return octets;
}
