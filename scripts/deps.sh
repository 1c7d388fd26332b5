#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing mousecfg need,
# and only those that are missing.
# Usage: scripts/deps.sh [--fuzz | --qt6]   (--fuzz: also clang and its sanitizer runtimes with
#                                           libFuzzer, for scripts/fuzz.sh; --qt6: also Qt 6 with
#                                           its Linguist tools and SVG module, for the Qt 6 build)
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libhidapi-dev libudev-dev libx11-dev libglib2.0-dev libfontconfig-dev libpng-dev
  fonts-dejavu-core fonts-noto-cjk
  xvfb xauth dbus nodejs
  libxtst-dev libqt5svg5-dev help2man desktop-file-utils appstream
  dpkg-dev file lintian
  bash-completion zsh fish
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi
if [ "${1:-}" = "--qt6" ]; then
  packages+=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libgl-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
