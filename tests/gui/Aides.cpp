// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aides.h"

#include <QFile>

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
