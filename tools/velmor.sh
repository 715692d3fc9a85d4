#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12: installs what is missing (idempotent), builds with
# CMake and Ninja, then starts the editor ("run") or runs every test ("test"): the suite of the
# normal build, then the same suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (tree build-san, also run alone by "verifier") and a short run of
# every fuzz target (tools/fuzz.sh). "test" also builds the Debian package, installs it and runs the
# installed copy; "paquet" only builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

PAQUETS=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
         libbenchmark-dev libespeak-ng-dev liblz4-dev fonts-liberation xvfb xauth ccache
         clang-14 libclang-rt-14-dev llvm-14 groff-base bash-completion dpkg-dev file appstream
         desktop-file-utils qt6-translations-l10n poppler-utils)

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

# The checked tree: clang, ASan + UBSan (undefined behaviour fails), coverage for the fuzz targets,
# no benchmarks. Qt's own libraries are not instrumented; leaks inside fontconfig are left out
# (tools/lsan.supp).
construire_verifie() {
  cmake -S . -B build-san -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DVELMOR_FUZZ=ON -DVELMOR_BENCH=OFF >/dev/null
  cmake --build build-san
}

# The Debian package of the normal build: build/velmor_VERSION_ARCH.deb, its dependencies found by
# dpkg-shlibdeps.
paquet() {
  rm -f build/velmor_*.deb
  (cd build && cpack -G DEB >/dev/null)
  local deb
  deb=$(ls build/velmor_*.deb)
  echo "Paquet construit : $deb"
  dpkg-deb -f "$deb" Package Version Depends
  dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '/$' -e '^./usr/share/velmor/'
}

# The package installed as a person would, then the installed copy run: its version, and a text
# rendered by a user that cannot write the data folder.
essayer_paquet() {
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --reinstall ./build/velmor_*.deb >/dev/null
  echo "Paquet installé : $(dpkg-query -W -f='${Package} ${Version}' velmor)"
  /usr/bin/velmor --version
  local maison
  maison=$(mktemp -d)
  chmod 755 "$maison"
  local qui=()
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$maison"
    qui=(runuser -u nobody --)
  fi
  (cd "$maison" && "${qui[@]}" env HOME="$maison" /usr/bin/velmor render "sol tama vira lum" --langue TU -o "$maison/essai.png")
  file "$maison/essai.png"
  rm -rf "$maison"
}

verifier() {
  export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
  construire_verifie
  QT_QPA_PLATFORM=offscreen ctest --test-dir build-san --output-on-failure -j "$(nproc)" --timeout 600
  bash tools/fuzz.sh 7
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
    paquet
    essayer_paquet
    verifier
    ;;
  paquet)
    installer
    construire
    paquet
    ;;
  verifier)
    installer
    verifier
    ;;
  *)
    echo "usage: tools/velmor.sh run|test|verifier|paquet" >&2
    exit 2
    ;;
esac
