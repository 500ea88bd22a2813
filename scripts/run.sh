#!/usr/bin/env bash
# Builds Vantora (installing missing packages first) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages
build_dir "$ROOT/build"
exec "$ROOT/build/bin/Vantora" "$@"
