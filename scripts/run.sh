#!/usr/bin/env bash
# Sets up the machine, builds Fotovuelo and starts the desktop program.
# Without a display it says how to run the program on a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target fotovuelo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
fotovuelo: there is no display to show the program on (DISPLAY is not set).
Run it on a virtual X display, where it runs unseen until you stop it (Ctrl+C):

    xvfb-run -a bash scripts/run.sh

To see its windows without a display, write screenshots (see the README,
"The desktop program"); to compute the worked flight without a window:

    cmake --build --preset default --target fotovuelo-calc
    build/default/cli/fotovuelo-calc --example
MSG
  exit 1
fi
exec build/default/app/fotovuelo "$@"
