#!/usr/bin/env bash
# Installs the Debian packages that building and testing sorvex needs.
# Only packages that are missing are installed, so a second run needs no
# network and changes nothing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libpcre2-dev      # regular expressions (16-bit library with JIT)
  libicu-dev        # code page converters
  libgtest-dev libgmock-dev   # unit tests
  libbenchmark-dev  # micro-benchmarks (optional target)
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all build dependencies are present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
