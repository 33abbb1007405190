// SPDX-License-Identifier: GPL-3.0-or-later
#include "Memoire.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>

namespace {

PROCESS_MEMORY_COUNTERS compteurs()
{
    PROCESS_MEMORY_COUNTERS c{};
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return c;
}

} // namespace

long residentOctets() { return long(compteurs().WorkingSetSize); }

long tailleVirtuelleOctets() { return long(compteurs().PagefileUsage); }

#else
#include <unistd.h>

namespace {

// Pages: the whole mapping and its resident part (/proc/self/statm).
struct Pages {
    long total = 0;
    long resident = 0;
};

Pages pages()
{
    Pages p;
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (f && std::fscanf(f, "%ld %ld", &p.total, &p.resident) != 2)
        p = {};
    if (f)
        std::fclose(f);
    return p;
}

} // namespace

long residentOctets() { return pages().resident * sysconf(_SC_PAGESIZE); }

long tailleVirtuelleOctets() { return pages().total * sysconf(_SC_PAGESIZE); }
#endif
