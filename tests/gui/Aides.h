// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the window's tests.
#include <QByteArray>
#include <QString>

// A file's bytes; "<absent>" when it cannot be read.
QByteArray contenu(const QString &chemin);

// Texts that the integer read of a field refuses, or takes at the edges of its range.
inline constexpr const char *textesDouteux[] = {"",           "abc",        "3000 ",      "+7",
                                                "-0",         "$1F",        "0x1f",       "x1F",
                                                "2147483647", "2147483648", "-2147483648"};
