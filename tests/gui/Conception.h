// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's design table, stated once for every test that checks the layout: each
// control's place, size and tab stop.
#include "Unit1.h"

#include <QSize>

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

struct Controle {
    const char *nom;
    std::function<QWidget *(TForm1 &)> acces;
};

#define CONTROLE(champ)                                                                            \
    Controle                                                                                       \
    {                                                                                              \
#champ, [](TForm1 & f) -> QWidget * { return f.champ; }                                    \
    }

// Labels size themselves, so no size for them; controls that take no Tab have no stop.
struct Place {
    Controle c;
    int x, y;
    std::optional<QSize> taille;
    std::optional<int> tabulation;
};

// Every control, in creation order.
const std::vector<Place> &places();

// Every control at its design place, and at its design size where it has one.
void VerifiePlaces(TForm1 &f);

// The controls that take Tab, in tab order.
std::vector<Controle> ordreTabulation();

// Test names show the control rather than the bytes of the row.
void PrintTo(const Controle &c, std::ostream *os);
void PrintTo(const Place &p, std::ostream *os);
