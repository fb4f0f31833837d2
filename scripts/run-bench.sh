#!/usr/bin/env bash
# Runs every benchmark of the build; each prints its ratios against the
# standard tools at the end.
set -euo pipefail
build_dir=${1:-build}
for b in "$build_dir"/bench/*_bench; do
  echo "== $(basename "$b") =="
  LC_ALL=C.UTF-8 "$b" --benchmark_min_time=0.5
done
echo "== sorvex against sed =="
bash "$(dirname "$0")/../bench/sorvex_vs_sed.sh" "$build_dir/sorvex/sorvex"
