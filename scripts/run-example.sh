#!/usr/bin/env bash
# The main job: sorvex over a copy of examples/ (the repository stays
# clean), showing the files before and after.
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
sorvex="$build_dir/sorvex/sorvex"
work="$build_dir/example-run"
rm -rf "$work"
cp -r "$(dirname "$0")/../examples" "$work"
cd "$work"
export LC_ALL=C.UTF-8

echo "== 1. Replace Widget by Gadget in every *.txt and *.md below here (-r), detailed output"
"$sorvex" -spt:Widget -t:Gadget -r -o:d '*.txt' '*.md' || true
echo
echo "== 2. Apply the replacement list to notes.txt"
"$sorvex" -list:replacements.list -notitle notes.txt || true
cat notes.txt
echo
echo "== 3. Convert greeting-1251.txt from code page 1251 to UTF-8"
"$sorvex" -cp:1251,utf8 -notitle -o:d greeting-1251.txt || true
cat greeting-1251.txt
echo
echo "== 4. As a filter: stdin to stdout, exit code = number of replacements"
rc=0
printf 'one fish\ntwo fish\n' | "$sorvex" -notitle -sre:fish -t:cat || rc=$?
echo "(exit code $rc)"
