#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer + UndefinedBehaviorSanitizer build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  "$root/scripts/build.sh" "$dir" -DMOUSECFG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
  dir="$root/build"
  "$root/scripts/build.sh" "$dir"
fi
export QT_QPA_PLATFORM=offscreen
cd "$dir" && ctest --output-on-failure -j"$(nproc)"
