// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One font and one set of sizes (points) for every saved figure, those of the full chart.
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QString>

#include <cstdint>

namespace typo {

inline constexpr double Titre = 16;    // bold
inline constexpr double Texte = 9;     // subtitles, legends, axis numbers
inline constexpr double TitreAxe = 11; // axis titles
inline constexpr double Ordre = 8.5;   // order names, italic
inline constexpr double Annotation = 7.5;

inline QFont police(double points, bool gras = false, bool italique = false)
{
    // The package's own font first, so that an installed program prints the same figures.
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

// French numbers: decimal comma, no grouping, so that axes read "1000000".
inline QLocale nombres()
{
    QLocale l(QLocale::French, QLocale::France);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// A text placed by its alignment around the anchor: AlignLeft starts there, AlignHCenter
// centres on it, AlignTop hangs from it, and likewise.
inline void texte(QPainter &p, const QPointF &ancre, Qt::Alignment alignement, const QString &t)
{
    QRectF r(ancre - QPointF(500, 100), QSizeF(1000, 200));
    if (alignement & Qt::AlignLeft)
        r.moveLeft(ancre.x());
    if (alignement & Qt::AlignRight)
        r.moveRight(ancre.x());
    if (alignement & Qt::AlignTop)
        r.moveTop(ancre.y());
    if (alignement & Qt::AlignBottom)
        r.moveBottom(ancre.y());
    p.drawText(r, int(alignement) | Qt::TextDontClip, t);
}

inline QString entier(std::int64_t n) { return QString::number(n); }

} // namespace typo
