# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test: install what is missing, then build.
set -euo pipefail

GLOBINA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GLOBINA_BUILD="$GLOBINA_ROOT/build"

# Debian packages the program needs to build, run and be tested.
GLOBINA_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libgif-dev libsdl2-mixer-dev
  libgtest-dev libbenchmark-dev
  timgm6mb-soundfont fonts-liberation xchm xdg-utils poppler-utils
  desktop-file-utils appstream
)

globina_install() {
  local missing=()
  for p in "${GLOBINA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# globina_build [cmake options...]: configures and builds $GLOBINA_BUILD; the
# options (a build type, compiler flags) override the defaults.
globina_build() {
  # A compiler cache, when the machine has one, makes rebuilds in fresh clones cheap.
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S "$GLOBINA_ROOT" -B "$GLOBINA_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
  cmake --build "$GLOBINA_BUILD" -j"$(nproc)"
}
