#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz for a fixed time (seconds, first argument; 20 by default),
# seeded from tests/data, tests/fuzz/seeds and the samples the main build generates. Exits
# non-zero when a target found a crash, a hang or a leak; its reproducer is then printed and
# kept in build-fuzz/artifacts/.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
EACH="${1:-20}"
FUZZ="$ROOT/build-fuzz"
BIN="$ROOT/build/bin"
mkdir -p "$FUZZ/artifacts" "$FUZZ/corpus"

seed() { # seed READER FILES...
  local reader="$1"; shift
  mkdir -p "$FUZZ/corpus/$reader"
  local f
  for f in "$@"; do
    [ -f "$f" ] && cp "$f" "$FUZZ/corpus/$reader/"
  done
  return 0
}

# A minimal generated result set, when the main build has made its generator.
SAMPLE="$FUZZ/sample"
if [ -x "$BIN/make_results" ] && [ ! -d "$SAMPLE" ]; then
  QT_QPA_PLATFORM=offscreen "$BIN/make_results" "$SAMPLE" minimal >/dev/null || true
fi
# The largest case the format allows, written by the fuzz build.
MAXIMAL="$FUZZ/maximal.sdf"
[ -x "$FUZZ/bin/make_fuzz_seeds" ] && "$FUZZ/bin/make_fuzz_seeds" "$MAXIMAL"
for reader in casefile caseroundtrip; do
  seed "$reader" "$ROOT"/tests/data/*.sdf "$SAMPLE/simulation.sdf" "$MAXIMAL"
done
seed plotfile "$SAMPLE"/*.dat
seed environment "$SAMPLE/Environment.dat"
seed bodyproperty "$SAMPLE/BodyProperty.dat"
seed fabrics "$SAMPLE/Fabrics.dat"
seed comfortfile "$SAMPLE/Comfort.dat"
seed comfortinput "$ROOT"/tests/fuzz/seeds/comfortinput/*
# The smallest generated models.
seed dxf $(ls -S "$BIN"/model/*.dxf 2>/dev/null | tail -3)
for reader in "$ROOT"/tests/fuzz/seeds/*/; do
  name="$(basename "$reader")"
  seed "$name" "$reader"*
done

status=0
passed=0
failed=0
for target in "$FUZZ"/bin/fuzz_*; do
  reader="${target##*/fuzz_}"
  options=()
  [ -f "$ROOT/tests/fuzz/$reader.dict" ] && options=(-dict="$ROOT/tests/fuzz/$reader.dict")
  # Case files grow to about 1 MB; without this, inputs stop at the size of the largest seed.
  case "$reader" in
    casefile | caseroundtrip) options+=(-max_len=2097152) ;;
  esac
  mkdir -p "$FUZZ/corpus/$reader"
  log="$FUZZ/$reader.log"
  if "$target" -max_total_time="$EACH" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$FUZZ/artifacts/$reader-" "${options[@]}" "$FUZZ/corpus/$reader" >"$log" 2>&1; then
    echo "fuzz $reader: $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs, no fault"
    passed=$((passed + 1))
  else
    status=1
    failed=$((failed + 1))
    echo "fuzz $reader: FAULT"
    tail -40 "$log"
    grep -h "Test unit written to" "$log" || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
