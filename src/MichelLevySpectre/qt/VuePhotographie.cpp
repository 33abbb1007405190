// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/qt/VuePhotographie.h"

#include "MichelLevySpectre/presentation/EcartsCouleur.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 OctetsMax = 256LL << 20; // a photograph file larger than this is refused
constexpr double ZoomMin = 0.02;
constexpr double ZoomMax = 16.0;
constexpr int Rayon = 2; // 5 × 5 pixels

// A JPEG ends with its end-of-image marker; a cut file lacks it and Qt fills the rest grey.
bool jpegComplet(const QByteArray &octets)
{
    constexpr char FinImage[] = {char(0xFF), char(0xD9)}; // the EOI marker
    return octets.right(64).contains(QByteArray(FinImage, 2));
}

Photographie refus(const QString &raison) { return {QImage(), raison}; }

} // namespace

Photographie LitPhotographie(const QString &nom)
{
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly))
        return refus(QString::fromUtf8("Impossible de lire le fichier « %1 »").arg(nom));
    if (fichier.size() > OctetsMax)
        return refus(
            QString::fromUtf8("Le fichier « %1 » est trop grand (plus de 256 Mo)").arg(nom));
    const QByteArray octets = fichier.readAll();
    if (octets.isEmpty())
        return refus(QString::fromUtf8("Le fichier « %1 » est vide").arg(nom));
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon);
    const QByteArray format = lecteur.format();
    if (format != "png" && format != "jpeg")
        return refus(QString::fromUtf8("« %1 » n'est pas une image PNG ou JPEG lisible").arg(nom));
    const QSize taille = lecteur.size();
    if (!taille.isValid() || qint64(taille.width()) * taille.height() > PixelsMax)
        return refus(QString::fromUtf8("L'image « %1 » est trop grande (%2 × %3 pixels) : au plus "
                                       "60 millions de pixels")
                         .arg(nom)
                         .arg(taille.width())
                         .arg(taille.height()));
    QImage image = lecteur.read();
    if (image.isNull() || (format == "jpeg" && !jpegComplet(octets)))
        return refus(QString::fromUtf8("L'image « %1 » est illisible ou tronquée").arg(nom));
    return {image.convertToFormat(QImage::Format_RGB32), QString()};
}

Rgb8 CouleurMoyenne(const QImage &image, int x, int y)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int j = std::max(0, y - Rayon); j <= std::min(image.height() - 1, y + Rayon); ++j)
        for (int i = std::max(0, x - Rayon); i <= std::min(image.width() - 1, x + Rayon); ++i) {
            const QRgb p = image.pixel(i, j);
            r += LineaireSrgb(std::uint8_t(qRed(p)));
            g += LineaireSrgb(std::uint8_t(qGreen(p)));
            b += LineaireSrgb(std::uint8_t(qBlue(p)));
            ++n;
        }
    if (n == 0)
        return {};
    return {OctetSrgb(r / n), OctetSrgb(g / n), OctetSrgb(b / n)};
}

VuePhotographie::VuePhotographie(QWidget *parent) : QWidget(parent) { setCursor(Qt::CrossCursor); }

void VuePhotographie::montre(const QImage &image)
{
    image_ = image;
    marque_.reset();
    const QSize place = parentWidget() ? parentWidget()->size() : QSize(600, 400);
    const double ajuste = std::min(double(place.width()) / std::max(1, image.width()),
                                   double(place.height()) / std::max(1, image.height()));
    zoom_ = std::clamp(std::min(1.0, ajuste), ZoomMin, ZoomMax);
    changeZoom(1.0);
}

void VuePhotographie::changeZoom(double facteur)
{
    zoom_ = std::clamp(zoom_ * facteur, ZoomMin, ZoomMax);
    // At least the visible area, so that a click beside the photograph reaches the view.
    const QSize place = parentWidget() ? parentWidget()->size() : QSize(1, 1);
    resize(std::max(place.width(), int(std::ceil(image_.width() * zoom_))),
           std::max(place.height(), int(std::ceil(image_.height() * zoom_))));
    update();
}

QPoint VuePhotographie::pointDuPixel(int x, int y) const
{
    return {int((x + 0.5) * zoom_), int((y + 0.5) * zoom_)};
}

void VuePhotographie::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
    p.drawImage(QRectF(0, 0, image_.width() * zoom_, image_.height() * zoom_), image_);
    if (marque_) { // the 5 × 5 area taken
        const QRectF zone((marque_->x() - Rayon) * zoom_, (marque_->y() - Rayon) * zoom_,
                          (2 * Rayon + 1) * zoom_, (2 * Rayon + 1) * zoom_);
        p.setPen(QPen(Qt::white, 3));
        p.drawRect(zone.adjusted(-2, -2, 2, 2));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(zone.adjusted(-2, -2, 2, 2));
    }
}

void VuePhotographie::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPointF pixel = e->position() / zoom_;
    const int x = int(std::floor(pixel.x())), y = int(std::floor(pixel.y()));
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) {
        emit clicHorsImage();
        return;
    }
    marque_ = QPoint(x, y);
    update();
    emit couleurPrise(CouleurMoyenne(image_, x, y));
}

void VuePhotographie::wheelEvent(QWheelEvent *e)
{
    if (!(e->modifiers() & Qt::ControlModifier) || image_.isNull()) {
        e->ignore(); // the scroll area scrolls
        return;
    }
    changeZoom(e->angleDelta().y() > 0 ? 1.25 : 0.8);
}
