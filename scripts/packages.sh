#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, where they are missing.
# Packages named on the command line are added, for what only some want:
#   scripts/packages.sh ffmpeg     # for farreach --video
set -euo pipefail

PACKAGES=(
  cmake ninja-build pkg-config g++ ccache
  libsdl2-dev libgl-dev libegl-dev libgl1-mesa-dri
  libopenmpt-dev libpng-dev zlib1g-dev libjpeg-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libimgui-dev libcairo2-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth sox
  "$@"
)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
