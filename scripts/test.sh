#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# Usage: scripts/test.sh [--sanitize | --tsan | --qt6]
#   --sanitize: AddressSanitizer + UndefinedBehaviorSanitizer build of every test
#   --tsan:     ThreadSanitizer build of the tests that run threads (poller, poller control,
#               download worker, device link, downloads on the simulated mouse, skin images
#               decoded ahead, and the window's hot-plug and poller tests); any report fails the run
#   --qt6:      the Qt 6 build (build-qt6/) of everything, and every test on it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--qt6" ]; then
  "$root/scripts/deps.sh" --qt6
else
  "$root/scripts/deps.sh"
fi
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--tsan" ]; then
  dir="$root/build-tsan"
  thread_tests=(test_battery_poller test_download_worker test_device_link test_download_sim)
  window_tests=(unplugWarnsAndPlugBackClosesTheWarning mouseSelectorSwitchesMice mouseBackBeforeTheWarningIsDue
                pollerFeedsTheBatteryBar profileChangedOnTheMouseIsFollowed)
  # Qt itself is not instrumented: what it synchronises internally (its event queue, thread
  # pool and mutexes) is invisible to the sanitizer, so reports inside Qt are suppressed. The
  # build runs the skin generator, which uses Qt's thread pool.
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp"
  cmake -S "$root" -B "$dir" -DMOUSECFG_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$dir" -j"$(nproc)" --target "${thread_tests[@]}" gui_test_main_window gui_test_skin
  for t in "${thread_tests[@]}"; do
    echo "== $t"
    "$dir/bin/$t" -silent
  done
  echo "== gui_test_skin (images decoded ahead)"
  "$dir/bin/gui_test_skin" -silent imagesDecodedAheadAreTakenUntilDropped
  echo "== gui_test_main_window (hot-plug and poller)"
  "$dir/bin/gui_test_main_window" -silent "${window_tests[@]}"
  exit 0
fi
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  "$root/scripts/build.sh" "$dir" -DMOUSECFG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
elif [ "${1:-}" = "--qt6" ]; then
  dir="$root/build-qt6"
  "$root/scripts/build.sh" "$dir" -DMOUSECFG_QT=6
else
  dir="$root/build"
  "$root/scripts/build.sh" "$dir"
fi
cd "$dir" && ctest --output-on-failure -j"$(nproc)"
