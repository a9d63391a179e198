#!/usr/bin/env bash
# Installs the Debian packages Fotovuelo needs to build, run and test.
# The README's commands and .ci/run both call this one script, so the list lives here only.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # product
  qt6-base-dev libgl-dev fonts-liberation libcli11-dev nlohmann-json3-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libgeographiclib-dev
  xvfb xauth gdal-bin libxml2-utils librsvg2-bin
  # the desktop session's memory, measured with the keyboard on a virtual display
  xdotool time
  # fuzzing: clang's libFuzzer with its sanitizer runtimes
  clang libclang-rt-14-dev
  # packaging
  dpkg-dev file
  # a Spanish locale, to show that reading and writing numbers ignore it
  locales
)

spanish_locale() {
  locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$' && return 0
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO localedef -i es_ES -f UTF-8 es_ES.UTF-8
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  spanish_locale
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
spanish_locale
