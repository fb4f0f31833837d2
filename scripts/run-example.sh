#!/usr/bin/env bash
# The main job on the bundled example data.
set -euo pipefail
build_dir=${1:-build}
echo "== dravel -? =="
"$build_dir/dravel/dravel" -?
