// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; the other bytes are the same code points as Latin-1. 0 marks an unused byte.
constexpr std::array<char16_t, 32> plage80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t versUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0 && plage80[c - 0x80] != 0)
        return plage80[c - 0x80];
    return c;
}

char versOctet(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u < 0x100))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < plage80.size(); ++i)
        if (plage80[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString DepuisCp1252(std::string_view octets)
{
    QString texte(static_cast<qsizetype>(octets.size()), Qt::Uninitialized);
    QChar *d = texte.data();
    for (std::size_t i = 0; i < octets.size(); ++i)
        d[i] = QChar(versUnicode(static_cast<unsigned char>(octets[i])));
    return texte;
}

std::string VersCp1252(const QString &texte)
{
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (QChar c : texte)
        octets.push_back(versOctet(c.unicode()));
    return octets;
}
