// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// A bad argument, with the French message that says why.
struct ArgumentIncorrect {
    QString message;
};

// Refuses an option's value: "--option « valeur » : what is expected".
[[noreturn]] inline void RefuseValeur(const QString &option, const QString &valeur,
                                      const QString &attendu)
{
    throw ArgumentIncorrect{QStringLiteral("--%1 « %2 » : %3").arg(option, valeur, attendu)};
}
