#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12: installs what is missing (idempotent), builds with
# CMake and Ninja, then starts the editor ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

PAQUETS=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
         libbenchmark-dev libespeak-ng-dev liblz4-dev fonts-liberation xvfb xauth ccache)

installer() {
  local manquants=()
  for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${manquants[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${manquants[@]}" >/dev/null
}

construire() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build
}

case "${1:-}" in
  run)
    installer
    construire
    shift
    exec ./build/velmor "$@"
    ;;
  test)
    installer
    construire
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
    ;;
  *)
    echo "usage: tools/velmor.sh run|test" >&2
    exit 2
    ;;
esac
