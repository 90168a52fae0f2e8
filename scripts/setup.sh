#!/usr/bin/env bash
# Installs what is missing (Debian packages), then configures and builds.
# Usage: scripts/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libfontconfig-dev libxcb1-dev
  libsdl2-dev libcanberra-dev libgtest-dev libbenchmark-dev
  fonts-hosny-amiri fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool xclip x11-utils imagemagick openbox
  python3 sox clang-format desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${QIRAZO_BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$build" -j"$(nproc)"
