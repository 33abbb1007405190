#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bounded smoke run of one fuzz target: fixed seed, 300,000 executions by default (FUZZ_RUNS),
# at most a minute. New inputs go to a scratch folder, never into the repository's corpus.
# Usage: fumee.sh <target> <scratch folder> <corpus folder>...
set -euo pipefail
cible=$1 travail=$2
shift 2
rm -rf "$travail"
mkdir -p "$travail/nouveaux"
exec "$cible" -seed=1 -runs="${FUZZ_RUNS:-300000}" -max_total_time=60 -max_len=65536 \
  -artifact_prefix="$travail/" "$travail/nouveaux" "$@"
