#!/usr/bin/env bash
# Installs what is missing, builds, and starts mousecfg on the simulated mouse.
# Extra arguments go to the program (e.g. scripts/run.sh --simulate=both).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
args=("$@")
[ ${#args[@]} -eq 0 ] && args=(--simulate)
exec "$root/build/bin/mousecfg" "${args[@]}"
