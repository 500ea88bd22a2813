# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6sql6-sqlite
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
  clang libclang-rt-14-dev libxcb1-dev libxtst-dev)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

jobs() { nproc 2>/dev/null || echo 2; }

configure_dir() { # configure_dir DIR [cmake options...]
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}

build_dir() { # build_dir DIR [cmake options...]: every target
  configure_dir "$@"
  cmake --build "$1" -j "$(jobs)"
}
