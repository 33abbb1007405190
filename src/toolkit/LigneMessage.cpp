// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/LigneMessage.h"

LigneMessage::LigneMessage(QWidget *parent) : QLabel(parent)
{
    setStyleSheet(QStringLiteral("color: #a00000"));
    setWordWrap(true);
    // Its width is the window's to give: a long message wraps instead of widening the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QString Cite(const QString &tape)
{
    QString t = tape;
    if (t.size() > CitationMax) {
        qsizetype n = CitationMax;
        if (t.at(n - 1).isHighSurrogate()) // not half a character
            --n;
        t = t.left(n) + QChar(0x2026);
    }
    return QChar(0x2068) + t + QChar(0x2069); // first strong isolate … pop directional isolate
}
