#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when clang-format would change any tracked C++ file; lists the files and the first
# differences. The style is .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
mapfile -t fichiers < <(git ls-files '*.cpp' '*.h')

# One way of writing things, checked cheaply: accented text as raw UTF-8, never as \x or \u
# escapes, and includes rooted at src/ ("MichelLevySpectre/...", "toolkit/..."), never "../".
interdits=0
if git grep --untracked -nE '\\(x[0-9A-Fa-f]|u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8})' -- '*.cpp' '*.h' >&2; then
  echo "escapes above: write the characters as raw UTF-8 (bytes of another code page as numbers)" >&2
  interdits=1
fi
if git grep --untracked -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\./' -- '*.cpp' '*.h' >&2; then
  echo "relative includes above: name them from src/" >&2
  interdits=1
fi
((interdits == 0)) || exit 1

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
