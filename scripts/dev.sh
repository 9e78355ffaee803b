#!/usr/bin/env bash
# Set-up, build, run and test entry point for ZEB Devovederi Dunmarrow.
#   scripts/dev.sh run    install what is missing, build, start the program
#   scripts/dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-liberation poppler-utils
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          libqt6svg6 shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin
          libfile-mimeinfo-perl)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing; build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1024x768x24" build/app/zebcalc
    fi
    exec build/app/zebcalc ;;
  test)
    install_missing; build
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j "$(nproc)" ;;
  *)
    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
