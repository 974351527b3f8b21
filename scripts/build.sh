#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds everything into build/
# (or $BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/packages.sh"
build=${BUILD_DIR:-$root/build}
# BUILD_OPTIONS: more -D settings, e.g. "-DVARNIX_SANITIZE=address,undefined" (a Debug build of those is
# made at -O1 with line tables: quick to build, fast enough to test).
read -r -a options <<<"${BUILD_OPTIONS:-}"
if [[ "${BUILD_OPTIONS:-}" == *VARNIX_SANITIZE* ]]; then
  options+=("-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" "-DCMAKE_C_FLAGS_DEBUG=-O1 -g1")
fi
# A compiler cache where one is installed: a later build of the same sources, in this clone or another
# one, takes the objects it has.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${options[@]}" >/dev/null
# BUILD_TARGETS: the targets to build (ninja names, space-separated) instead of everything.
read -r -a targets <<<"${BUILD_TARGETS:-}"
cmake --build "$build" -j "$(nproc)" ${targets[@]+--target "${targets[@]}"}
