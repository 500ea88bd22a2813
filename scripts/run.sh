#!/usr/bin/env bash
# Builds Vantora (installing missing packages first) and starts it. Only the application and
# what it reads at run time (its asset generators and folders) are built; test.sh builds the
# tests and the benchmarks.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages
# The same options as test.sh, so switching between the two scripts rebuilds nothing.
configure_dir "$ROOT/build" -DVANTORA_WERROR=ON
cmake --build "$ROOT/build" -j "$(jobs)" --target Vantora
exec "$ROOT/build/bin/Vantora" "$@"
