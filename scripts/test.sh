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
