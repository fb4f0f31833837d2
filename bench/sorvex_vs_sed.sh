#!/usr/bin/env bash
# sorvex against sed on the same 200 MiB file: a plain replacement, a
# case-insensitive one and a regular expression, each on a fresh copy.
# Prints the seconds of each and the ratio sed / sorvex (above 1: sorvex is
# faster).
set -euo pipefail
sorvex=$(cd "$(dirname "${1:?usage: sorvex_vs_sed.sh <sorvex binary>}")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export LC_ALL=C.UTF-8

line='The quick brown fox jumps over the lazy dog 12345 times, said item 42.'
yes "$line" | head -c $((200 << 20)) > data.txt || true

seconds() {  # runs the command, prints the wall time in seconds
  local start end
  start=$(date +%s.%N)
  "$@" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

compare() {  # name, sorvex arguments, sed script
  local name=$1 args=$2 script=$3 ours theirs
  cp data.txt a.txt
  ours=$(seconds "$sorvex" -notitle -o:q $args a.txt)
  cp data.txt b.txt
  theirs=$(seconds sed -i -E "$script" b.txt)
  if ! cmp -s a.txt b.txt; then echo "$name: outputs differ" >&2; fi
  printf '%-14s sorvex %6.2f s   sed %6.2f s   ratio %5.2f\n' "$name" "$ours" "$theirs" \
    "$(awk -v a="$theirs" -v b="$ours" 'BEGIN { print a / b }')"
}

compare plain "-spt:fox -t:cat" 's/fox/cat/g'
compare nocase "-spt:FOX -i -t:cat" 's/fox/cat/gI'
compare regex "-sre:[0-9]+ -ft:<\$&>" 's/[0-9]+/<&>/g'
