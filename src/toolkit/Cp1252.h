// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts and files are single-byte, code page 1252.
#include <QString>

#include <string>
#include <string_view>

QString DepuisCp1252(std::string_view octets);

// Characters outside the code page become '?'.
std::string VersCp1252(const QString &texte);
