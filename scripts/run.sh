#!/usr/bin/env bash
# Sets up the machine, builds Fotovuelo and computes the worked flight.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target fotovuelo-calc
exec build/default/cli/fotovuelo-calc --example "$@"
