// SPDX-License-Identifier: GPL-3.0-or-later
// The strip and the charts as pictures: on the clipboard, or saved as PNG, SVG or PDF.
#include "MichelLevySpectre/qt/Figures.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "MichelLevySpectre/qt/PeintureMichelLevy.h"
#include "Unit1.h"
#include "toolkit/Fichiers.h"
#include "toolkit/TImage.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace {

// PNG exports: the strip four times as wide, the charts four times as large.
constexpr int Agrandissement = 4;
// Vector exports keep the on-screen size: one unit per pixel at 96 per inch.
constexpr double Ecran = 96;

// A canvas over a painter: every straight line becomes the rectangle that the window's
// pen would cover, one per column in a vector file.
struct ToilePeintre {
    QPainter &p;
    Stylo Pen;
    int x = 0;
    int y = 0;
    void MoveTo(int X, int Y)
    {
        x = X;
        y = Y;
    }
    void LineTo(int X, int Y)
    {
        if (const QRect r = TraitDroit(x, y, X, Y, Pen.Width); !r.isNull())
            p.fillRect(r, CouleurQt(Pen.Color));
        MoveTo(X, Y);
    }
};

QByteArray bandePng(int largeur, int hauteur)
{
    QImage image(largeur * Agrandissement, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        ToilePeintre toile{p, {}};
        peinture::michelLevy(toile, tab_interferences, image.width(), image.height());
    }
    return OctetsPng(image);
}

QByteArray bande(FormatFigure format, const TImage *source)
{
    const int largeur = source->width(), hauteur = source->height();
    if (format == FormatFigure::Png)
        return bandePng(largeur, hauteur);
    return FigureVectorielle(format, QSizeF(largeur, hauteur), Ecran, QStringLiteral("Michel-Lévy"),
                             [&](QCPPainter &p) {
                                 ToilePeintre toile{p, {}};
                                 peinture::michelLevy(toile, tab_interferences, largeur, hauteur);
                             });
}

QByteArray graphique(FormatFigure format, QCustomPlot *chart)
{
    if (format == FormatFigure::Png) {
        QImage image = chart->toPixmap(0, 0, Agrandissement).toImage();
        const int dpm = qRound(Ecran * Agrandissement / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return OctetsPng(image);
    }
    return FigureVectorielle(format, chart->size(), Ecran, QString(),
                             [&](QCPPainter &p) { chart->toPainter(&p); });
}

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
// the last folder used, for the rest of the run (kept on the window).
std::optional<QString> DemandeNomFigure()
{
    static const char *const dernier = "dernierDossierFigures";
    OptionsEnregistrement o;
    o.extensionParDefaut = QStringLiteral("png");
    o.dossierInitial = Form1 ? Form1->property(dernier).toString() : QString();
    if (o.dossierInitial.isEmpty()) {
        const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        o.dossierInitial =
            !images.isEmpty() && QFileInfo(images).isDir() ? images : QDir::homePath();
    }
    o.filtre = QStringLiteral("Image PNG|*.png|Image vectorielle SVG|*.svg|Document PDF|*.pdf");
    std::optional<QString> nom = dialogues().enregistrerSous(o);
    if (nom && Form1)
        Form1->setProperty(dernier, QFileInfo(*nom).absolutePath());
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

QByteArray OctetsPng(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "PNG"))
        throw Erreur("Impossible de coder l'image PNG");
    return octets;
}

void CopieImage(QWidget *source)
{
    auto *chart = qobject_cast<QCustomPlot *>(source);
    QApplication::clipboard()->setPixmap(chart ? chart->toPixmap() : source->grab());
}

void EnregistreImage(QWidget *source)
{
    if (qobject_cast<TImage *>(source) == Form1->Image_michel_levy && tab_interferences.empty()) {
        dialogues().message(QStringLiteral("Rien à enregistrer : le tableau des interférences est "
                                           "vide."));
        return;
    }
    const std::optional<QString> nom = DemandeNomFigure();
    if (!nom)
        return;
    const FormatFigure format = FormatDuNom(*nom);
    auto *chart = qobject_cast<QCustomPlot *>(source);
    auto *strip = qobject_cast<TImage *>(source);
    if (chart)
        EnregistreFichier(*nom, graphique(format, chart));
    else if (strip)
        EnregistreFichier(*nom, bande(format, strip));
}
