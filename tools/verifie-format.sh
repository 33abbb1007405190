#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when clang-format would change any tracked C++ file; lists the files and the first
# differences. The style is .clang-format (and the folders' own, which inherit from it).
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
mapfile -t fichiers < <(git ls-files '*.cpp' '*.h')

ecarts=()
for f in "${fichiers[@]}"; do
  if ! "$CLANG_FORMAT" --dry-run --Werror "$f" 2>/dev/null; then
    ecarts+=("$f")
  fi
done

if ((${#ecarts[@]})); then
  echo "clang-format would change ${#ecarts[@]} of ${#fichiers[@]} files:" >&2
  for f in "${ecarts[@]}"; do
    echo "--- $f" >&2
    "$CLANG_FORMAT" "$f" | diff -u "$f" - | sed -n '3,12p' >&2 || true
  done
  exit 1
fi
echo "clang-format: ${#fichiers[@]} files as formatted"
