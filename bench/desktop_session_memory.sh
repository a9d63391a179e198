#!/usr/bin/env bash
# The desktop program's peak memory after a working session, against a start
# that ends at once. Runs build/default/app/fotovuelo on a virtual display and
# drives it with the keyboard as a person would: "&Datos", the worked flight
# typed once, then CYCLES times (default 200) "&Datos", "&Calcular" and a
# close ("&Close" and Esc in turn), "&Resultados" at the end. Prints the
# maximum resident set size of each run, as /usr/bin/time measures it.
#
#   bash bench/desktop_session_memory.sh [CYCLES]
#
# Needs xvfb, xdotool and time (scripts/install-deps.sh installs them); with
# ImageMagick's import it also saves a picture of the results dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-200}
program=${FOTOVUELO_PROGRAM:-build/default/app/fotovuelo}
[ -x "${program}" ] || { echo "build first: cmake --preset default && cmake --build --preset default" >&2; exit 2; }

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

keys() { xdotool key --clearmodifiers --delay 15 "$@"; }
tabs() { local i; for ((i = 0; i < $1; ++i)); do keys Tab; done; }

main_window() {
  for _ in $(seq 100); do
    if id=$(xdotool search --onlyvisible --name "Programaci" 2>/dev/null | head -n 1) && [ -n "${id}" ]; then
      echo "${id}"
      return
    fi
    sleep 0.1
  done
  echo "the main window did not appear" >&2
  exit 1
}

# No window manager gives the keyboard back to the main window when a window
# closes: the script does, before each use of the menu.
to_main() { xdotool windowfocus --sync "${window}"; }

# Opens the data form and waits for it to take the keyboard.
open_form() {
  to_main
  keys alt+c
  sleep 0.1  # the pop-up opens before its letter is typed
  keys d
  for _ in $(seq 100); do
    local form
    form=$(xdotool search --onlyvisible --name "Control de Datos" 2>/dev/null | head -n 1) || true
    if [ -n "${form}" ]; then
      # No window manager here: the keyboard follows the input focus.
      xdotool windowfocus --sync "${form}" 2>/dev/null || true
      return
    fi
    sleep 0.05
  done
  echo "the data form did not open" >&2
  exit 1
}

# One run: START is "fresh" or "session". The tab order of the form starts at
# "Fotogrametría"; two tabs reach "Mf", the fields follow in the order below,
# and "&Calcular" is 34 tabs from the start.
run() {
  local log
  log=$(mktemp)
  /usr/bin/time -v "${program}" 2> "${log}" &
  local pid=$!
  window=$(main_window)
  to_main
  sleep 0.5
  if [ "$1" = session ]; then
    open_form
    tabs 2
    for value in 15000 152.4 230 230 60 30 10 5 0.002 250 150 40 0 0 3 0 0 N W 0 0 0; do
      xdotool type --delay 15 "${value}"
      keys Tab
    done
    tabs 5  # Hayford, Rural, Urbano, Montañoso to "Cota min."
    for value in 100 500 300; do
      xdotool type --delay 15 "${value}"
      keys Tab
    done
    tabs 3  # from "Dato:" past "Add" and "&Calcular" to "&Close"
    keys space
    sleep 0.3
    for ((i = 1; i <= cycles; ++i)); do
      open_form
      tabs 34
      keys space  # "&Calcular"
      if ((i % 2 == 0)); then
        keys Tab space  # "&Close"
      else
        keys Escape
      fi
      sleep 0.05
    done
    to_main
    keys alt+c
    sleep 0.1
    keys r
    sleep 1
    if command -v import > /dev/null; then import -window root build/desktop_session.png; fi
    keys Return
    sleep 0.3
  fi
  to_main
  keys alt+c
  sleep 0.1
  keys e
  wait "${pid}" || true
  local kb
  kb=$(grep 'Maximum resident set size' "${log}" | awk '{print $NF}')
  rm -f "${log}"
  echo "$1: maximum resident set size ${kb} kB"
}

[ -n "${SKIP_FRESH:-}" ] || run fresh
run session
if command -v import > /dev/null; then
  echo "the results dialog after the session: build/desktop_session.png"
fi
