// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An invariant that fails stops the fuzzer at once with the input that broke it.
#include <cstdio>
#include <cstdlib>

inline void verifie(bool condition, const char *quoi)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", quoi);
    std::abort();
}
