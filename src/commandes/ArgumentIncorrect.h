// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// A bad argument, with the French message that says why.
struct ArgumentIncorrect {
    QString message;
};
