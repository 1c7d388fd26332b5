#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build/, configured and built if
# needed) with CPack, and prints the package's path.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build}")  # absolute: cpack runs inside it
[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" >/dev/null
cmake --build "$dir" -j"$(nproc)" >/dev/null
out="$dir/package"
rm -rf "$out"
(cd "$dir" && cpack -G DEB -B "$out" >/dev/null)
ls "$out"/mousecfg_*.deb
