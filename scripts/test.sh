#!/usr/bin/env bash
# Builds Vantora and runs every test lane: unit, gui (offscreen), gl (under Xvfb), then the unit
# lane again with AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages
build_dir "$ROOT/build" -DVANTORA_WERROR=ON
cd "$ROOT/build"
status=0
# Every test runs in a process of its own; the lanes run them side by side, the GL lane one
# at a time on its one X server.
ctest -L unit -j "$(jobs)" --output-on-failure || status=1
ctest -L gui -j "$(jobs)" --output-on-failure || status=1
xvfb-run -a -s "-screen 0 1280x1024x24" ctest -L gl --output-on-failure || status=1
build_dir "$ROOT/build-asan" -DVANTORA_UNIT_ONLY=ON -DVANTORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVANTORA_WERROR=ON
cd "$ROOT/build-asan"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -L unit -j "$(jobs)" --output-on-failure || status=1

# Fuzz lane: every reader of a user's or the solver's files for a short fixed time, seeded from
# the test data and the generated samples. A crash, a hang (5 s) or a leak fails the run and
# leaves its reproducer in build-fuzz/artifacts/ (name printed); keep it under
# tests/data/fuzz/<reader>/ so the unit lane replays it. A longer run of one reader:
#   build-fuzz/bin/fuzz_casefile -max_total_time=3600 build-fuzz/corpus/casefile
build_dir "$ROOT/build-fuzz" -DVANTORA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
bash "$ROOT/scripts/fuzz.sh" "${VANTORA_FUZZ_SECONDS:-20}" || status=1

exit $status
