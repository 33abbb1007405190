// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resident size of this process, for tests that check memory does not grow.

// Bytes of this process held in RAM (/proc/self/statm).
long residentOctets();

// Bytes of address space this process has mapped, in RAM or not.
long tailleVirtuelleOctets();

#if defined(__SANITIZE_ADDRESS__)
#define SANS_LIMITE_MEMOIRE 1 // the sanitizer's allocator ends the process on a failed allocation
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SANS_LIMITE_MEMOIRE 1
#endif
#endif
