// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/photographie/Photographie.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "toolkit/Fichiers.h"

#include <QBuffer>
#include <QImageReader>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace {

constexpr qint64 OctetsMax = 256LL << 20; // a photograph file larger than this is refused
// What Qt may allocate for one decoded image, set here rather than left to Qt's default of
// 128 MB: enough for PixelsDecodes in 32-bit colour and for a PNG decoded whole before scaling.
constexpr int AllocationMo = 1024;

// A JPEG ends with its end-of-image marker; a cut file lacks it and Qt fills the rest grey.
bool jpegComplet(const QByteArray &octets)
{
    constexpr char FinImage[] = {char(0xFF), char(0xD9)}; // the EOI marker
    return octets.right(64).contains(QByteArray(FinImage, 2));
}

Photographie refus(const QString &raison) { return {QImage(), raison}; }

QString illisible(const QString &nom)
{
    return QString::fromUtf8("L'image « %1 » est illisible ou tronquée").arg(nom);
}

// The file's bytes, or why there are none.
Photographie lit(const QString &nom, QByteArray &octets)
{
    FichierLu lu = LitFichierOrdinaire(nom, OctetsMax);
    switch (lu.refus) {
    case RefusLecture::Aucun:
        octets = std::move(lu.octets);
        return {};
    case RefusLecture::PasUnFichier:
        return refus(TexteNonFichier(nom));
    case RefusLecture::TropGrand:
        return refus(
            QString::fromUtf8("Le fichier « %1 » est trop grand (plus de 256 Mo)").arg(nom));
    case RefusLecture::Absent:
    case RefusLecture::Illisible:
        break;
    }
    return refus(QString::fromUtf8("Impossible de lire le fichier « %1 »").arg(nom));
}

Photographie decode(const QString &nom, const QByteArray &octets)
{
    if (octets.isEmpty())
        return refus(QString::fromUtf8("Le fichier « %1 » est vide").arg(nom));
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(AllocationMo);
    // Qt's decoders say what is wrong in English; our message says it in French.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    QImageReader lecteur(&tampon);
    const QByteArray format = lecteur.format();
    if (format != "png" && format != "jpeg")
        return refus(QString::fromUtf8("« %1 » n'est pas une image PNG ou JPEG lisible").arg(nom));
    const QSize taille = lecteur.size();
    if (!taille.isValid() || taille.isEmpty()) // a header cut short gives no size
        return refus(illisible(nom));
    const qint64 pixels = qint64(taille.width()) * taille.height();
    if (pixels > PixelsMax)
        return refus(QString::fromUtf8("L'image « %1 » est trop grande (%2 × %3 pixels) : au plus "
                                       "200 millions de pixels")
                         .arg(nom)
                         .arg(taille.width())
                         .arg(taille.height()));
    double echelle = 1.0;
    if (pixels > PixelsDecodes) { // decoded smaller: a grain's colour is a mean anyway
        echelle = std::sqrt(double(PixelsDecodes) / double(pixels));
        lecteur.setScaledSize(QSize(std::max(1, int(taille.width() * echelle)),
                                    std::max(1, int(taille.height() * echelle))));
    }
    QImage image = lecteur.read();
    if (image.isNull() || (format == "jpeg" && !jpegComplet(octets)))
        return refus(illisible(nom));
    return {image.convertToFormat(QImage::Format_RGB32), QString(),
            double(image.width()) / taille.width()};
}

} // namespace

Photographie LitPhotographie(const QString &nom)
{
    try {
        QByteArray octets;
        if (Photographie refusee = lit(nom, octets); !refusee.erreur.isEmpty())
            return refusee;
        return decode(nom, octets);
    } catch (const std::bad_alloc &) { // the window and the command line both go on
        return refus(QStringLiteral("Mémoire insuffisante"));
    }
}

RgbLineaire MoyenneLineaire(const QImage &image, int x, int y)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int j = std::max(0, y - RayonGrain); j <= std::min(image.height() - 1, y + RayonGrain);
         ++j)
        for (int i = std::max(0, x - RayonGrain); i <= std::min(image.width() - 1, x + RayonGrain);
             ++i) {
            const QRgb p = image.pixel(i, j);
            r += LineaireSrgb(std::uint8_t(qRed(p)));
            g += LineaireSrgb(std::uint8_t(qGreen(p)));
            b += LineaireSrgb(std::uint8_t(qBlue(p)));
            ++n;
        }
    if (n == 0)
        return {};
    return {r / n, g / n, b / n};
}

std::optional<QPoint> PixelDeLImage(const Photographie &photo, QPoint p)
{
    const int x = int(std::floor(p.x() * photo.echelle)),
              y = int(std::floor(p.y() * photo.echelle));
    if (photo.image.isNull() || p.x() < 0 || p.y() < 0 || x >= photo.image.width() ||
        y >= photo.image.height())
        return std::nullopt;
    return QPoint(x, y);
}
