#!/usr/bin/env bash
# Runs each fuzz target for a given time from its corpus in tests/fuzz/<name>/.
#   tools/fuzz.sh [seconds per target] [name ...]      (default: 7 seconds, every target)
# The targets are those of a tree configured with -DVELMOR_FUZZ=ON (VELMOR_FUZZ_BUILD, default
# build-san). New inputs go to a scratch folder, so the corpora change only by an explicit merge:
#   build-san/tests/fuzz/fuzz_<name> -merge=1 tests/fuzz/<name> <folder of new inputs>
# A crash, leak, undefined behaviour, timeout or memory blow-up stops with its input kept in
# VELMOR_FUZZ_LOGS (default build-san/fuzz), and the script fails. FUZZ_OPTIONS adds options.
set -euo pipefail
cd "$(dirname "$0")/.."

secondes="${1:-7}"
shift || true
arbre="${VELMOR_FUZZ_BUILD:-build-san}"
journaux="${VELMOR_FUZZ_LOGS:-$arbre/fuzz}"
mkdir -p "$journaux"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}"

noms=("$@")
if [ ${#noms[@]} -eq 0 ]; then
  for d in tests/fuzz/*/; do noms+=("$(basename "$d")"); done
fi

echoues=0
for nom in "${noms[@]}"; do
  cible="$arbre/tests/fuzz/fuzz_$nom"
  [ -x "$cible" ] || { echo "fuzz_$nom: not built in $arbre" >&2; exit 2; }
  brouillon="$(mktemp -d)"
  debut=$SECONDS
  if "$cible" -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$journaux/$nom-" ${FUZZ_OPTIONS:-} "$brouillon" "tests/fuzz/$nom" \
       >"$journaux/$nom.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journaux/$nom.log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz_$nom: $runs runs in $((SECONDS - debut)) s, no finding"
  else
    echo "fuzz_$nom: FINDING (see $journaux/$nom.log)"
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$journaux/$nom.log" | head -5 || true
    echoues=$((echoues + 1))
  fi
  rm -rf "$brouillon"
done
[ "$echoues" -eq 0 ]
