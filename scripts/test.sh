#!/usr/bin/env bash
# Builds Vantora and runs every test lane: unit, gui (offscreen), gl (under Xvfb), then the unit
# lane again with AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages
build_dir "$ROOT/build"
cd "$ROOT/build"
status=0
ctest -L unit --output-on-failure || status=1
ctest -L gui --output-on-failure || status=1
xvfb-run -a -s "-screen 0 1280x1024x24" ctest -L gl --output-on-failure || status=1
build_dir "$ROOT/build-asan" -DVANTORA_UNIT_ONLY=ON -DVANTORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cd "$ROOT/build-asan"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -L unit --output-on-failure || status=1
exit $status
