// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resident size of this process, for tests that check memory does not grow.

// Bytes of this process held in RAM (/proc/self/statm).
long residentOctets();

// Bytes of address space this process has mapped, in RAM or not.
long tailleVirtuelleOctets();
