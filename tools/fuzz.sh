#!/usr/bin/env bash
# Runs each fuzz target for a given time from its corpus in tests/fuzz/<name>/.
#   tools/fuzz.sh [seconds per target] [name ...]      (default: 7 seconds, every target)
# The targets are those of a tree configured with -DVELMOR_FUZZ=ON (VELMOR_FUZZ_BUILD, default
# build-san). New inputs go to a scratch folder, so the corpora change only by an explicit merge;
# VELMOR_FUZZ_GARDER=1 merges them at the end of each run, keeping only those that add coverage:
#   build-san/tests/fuzz/fuzz_<name> -merge=1 tests/fuzz/<name> <folder of new inputs>
# Inputs may grow to the target's size below, large enough for the deep cases (long elision chains,
# marker runs, paths and lines), which seeds in each corpus start from.
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

declare -A longueurs=([dictionnaire]=65536 [transcrire]=65536 [normaliseur]=32768 [dessin]=32768
                     [tables]=65536 [parametres]=65536 [suffixes]=16384 [image]=65536)

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
  longueur="${longueurs[$nom]:-65536}"
  if "$cible" -max_total_time="$secondes" -max_len="$longueur" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$journaux/$nom-" ${FUZZ_OPTIONS:-} "$brouillon" "tests/fuzz/$nom" \
       >"$journaux/$nom.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journaux/$nom.log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz_$nom: $runs runs in $((SECONDS - debut)) s, no finding"
    if [ "${VELMOR_FUZZ_GARDER:-0}" = 1 ]; then
      "$cible" -merge=1 -max_len="$longueur" "tests/fuzz/$nom" "$brouillon" >>"$journaux/$nom.log" 2>&1
    fi
  else
    echo "fuzz_$nom: FINDING (see $journaux/$nom.log)"
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$journaux/$nom.log" | head -5 || true
    echoues=$((echoues + 1))
  fi
  rm -rf "$brouillon"
done
[ "$echoues" -eq 0 ]
