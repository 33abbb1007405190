#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ctest's emulator for the Windows tests: runs one under Wine and gives its output with Linux
# line ends, which the tests' discovery reads (a Windows console ends lines with CR LF).
# Through a file, not a pipe: Wine's own services inherit the output and keep a pipe open.
sortie=$(mktemp)
trap 'rm -f "$sortie"' EXIT
wine "$@" >"$sortie" 2>&1
statut=$?
tr -d '\r' <"$sortie"
exit $statut
