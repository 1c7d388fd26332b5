#!/usr/bin/env bash
# Builds and runs the benchmarks; each line gives the figure, its floor or baseline, and the
# ratio. Best on a quiet machine. Usage: scripts/bench.sh [NAME] [--runs N] [--seconds S]
# (NAME: startup, apply, commands, storage, poller, or all, the default; the poller runs 60 s).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${MOUSECFG_BUILD_DIR:-$root/build}  # MOUSECFG_BUILD_DIR: another build, as build-qt6
[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target mousecfg_bench mousecfgctl >/dev/null
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
exec env -u QT_LOGGING_RULES "$dir/bin/mousecfg_bench" "${1:-all}" "${@:2}"
