#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and prints one table: the median of five repetitions of every
# benchmark of every bench_* program, and for a benchmark with a "...Reference" twin (same name,
# "Reference" at the end of the first part) its time divided by the twin's, from the same run;
# then, for every chain or sweep run at 1,000,000 rows (999999 by 1), its time divided by the
# same at 50,001 rows (50000 by 1): linear would be 20.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh test

BUILD=${BENCH_BUILD_DIR:-build-bench}
mkdir -p "$BUILD"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DPRISMELLE_BENCH=ON -DBUILD_TESTING=OFF \
  >"$BUILD/configure.log" || { cat "$BUILD/configure.log"; exit 1; }
# Every bench_* target, whichever generator lists them ("... name" or "name: phony").
mapfile -t cibles < <(cmake --build "$BUILD" --target help |
  grep -oE '^(\.\.\. )?bench_[A-Za-z0-9_]+' | sed 's/^\.\.\. //' | sort -u)
((${#cibles[@]})) || { echo "no bench_* target" >&2; exit 1; }
cmake --build "$BUILD" -j"$(nproc)" --target "${cibles[@]}"

# The window's benchmarks draw offscreen.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

resultats=$(mktemp)
journal=$(mktemp)
trap 'rm -f "$resultats" "$journal"' EXIT

# One line per benchmark: name, median real time and median CPU time, in milliseconds.
medianes() {
  awk 'function ms(v, u) { return u == "ns" ? v / 1e6 : u == "us" ? v / 1e3 : u == "s" ? v * 1e3 : v }
       $1 ~ /_median$/ { sub(/_median$/, "", $1); print $1, ms($2, $3), ms($4, $5) }'
}

for programme in "${cibles[@]}"; do
  exe="$BUILD/bench/$programme"
  [ -x "$exe" ] || continue
  echo "Running $programme..." >&2
  if ! "$exe" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>"$journal" | medianes >>"$resultats"; then
    cat "$journal" >&2
    exit 1
  fi
done

awk '
  function famille(n) { return substr(n, 1, index(n "/", "/") - 1) }
  function suite(n) { return substr(n, length(famille(n)) + 1) }
  function duree(v) { return sprintf(v >= 100 ? "%.0f ms" : v >= 10 ? "%.1f ms" : v >= 1 ? "%.2f ms" : "%.3f ms", v) }
  { nom[NR] = $1; reel[NR] = $2; cpu[NR] = $3
    if (length($1) > large) large = length($1)
    f = famille($1)
    if (f ~ /Reference$/) reference[substr(f, 1, length(f) - 9) suite($1)] = $3 }
  END {
    format = "%-" large "s  %12s  %12s  %s\n"
    printf format, "benchmark", "median real", "median CPU", "fast / reference (CPU)"
    for (i = 1; i <= NR; ++i) {
      rapport = ""
      if ((nom[i] in reference) && reference[nom[i]] > 0)
        rapport = sprintf("%.4f  (%.1fx faster)", cpu[i] / reference[nom[i]],
                          reference[nom[i]] / cpu[i])
      printf format, nom[i], duree(reel[i]), duree(cpu[i]), rapport
    }
    entete = 0
    for (i = 1; i <= NR; ++i) {
      if (index(nom[i], "/999999/1") == 0) continue
      court = nom[i]; sub("/999999/1", "/50000/1", court)
      for (j = 1; j <= NR; ++j) if (nom[j] == court) break
      if (j > NR || reel[j] <= 0 || cpu[j] <= 0) continue
      if (!entete++) printf "\n%-" large "s  %12s  %12s\n", "1,000,000 rows / 50,001 rows", "real", "CPU"
      printf "%-" large "s  %11.1fx  %11.1fx\n", nom[i], reel[i] / reel[j], cpu[i] / cpu[j]
    }
  }' "$resultats"
