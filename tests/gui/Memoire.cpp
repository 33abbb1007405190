#include "Memoire.h"

#include <cstdio>

#include <unistd.h>

long residentOctets()
{
    long total = 0, resident = 0;
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (f && std::fscanf(f, "%ld %ld", &total, &resident) != 2)
        resident = 0;
    if (f)
        std::fclose(f);
    return resident * sysconf(_SC_PAGESIZE);
}
