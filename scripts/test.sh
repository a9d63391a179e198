#!/usr/bin/env bash
# Sets up the machine, builds Fotovuelo twice (optimised, then with
# AddressSanitizer + UndefinedBehaviorSanitizer) and runs the whole suite on both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
for preset in default sanitize; do
  echo "== ${preset}: configure and build"
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  echo "== ${preset}: test"
  ctest --preset "${preset}" -j "${jobs}" --timeout 600
done

# The fuzzers: every committed input replayed, then a bounded minute of new
# inputs for the computation and for fotovuelo-calc, side by side.
echo "== fuzz: replay the corpora, then fuzz for 60 s"
bash scripts/fuzz.sh all 60

# The Debian package: built by CPack from the optimised build, installed with
# apt-get as a user would, and its fotovuelo-calc run from where it landed.
echo "== package: build, install with apt-get, run the installed fotovuelo-calc"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
rm -rf build/package
cpack --config build/default/CPackConfig.cmake -G DEB -B build/package >/dev/null
debs=(build/package/fotovuelo_*.deb)
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --reinstall "$PWD/${debs[0]}" >/dev/null
example=$(/usr/bin/fotovuelo-calc --example)
grep -q "^Ø83 = 39° 54' 46.773\"N" <<<"${example}" ||
  { echo "the installed fotovuelo-calc --example did not print the worked flight" >&2; exit 1; }
echo "== package: ${debs[0]##*/} installed; /usr/bin/fotovuelo-calc --example ran"
