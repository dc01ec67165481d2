#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the project needs, when they are missing.
# apt-get as root, through sudo otherwise; if neither works, says what to install.
#   scripts/install-deps.sh [fuzz] [memcheck] [package] [docs] [screenshots]
# With "fuzz" also clang and its libFuzzer runtime (fuzz/run), with
# "memcheck" also valgrind (scripts/memcheck.sh), with "package" the Debian
# packaging tools (scripts/build-deb.sh), with "docs" Qt's help generator
# for the API reference's .qch file, with "screenshots" ImageMagick and the
# qt6ct palette (scripts/screenshot.sh). ./test and CI need none of them;
# doxygen is in the base list, so the test that builds the API reference
# runs there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  qt6-tools-dev designer-qt6 libqt6opengl6-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-crosextra-carlito fonts-wine
  xvfb xauth clang-format
  sway wtype grim qt6-wayland libwayland-dev libwayland-bin
  qt6-base-private-dev at-spi2-core python3-pyatspi dbus-daemon
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libao4 xdotool
  desktop-file-utils appstream doxygen
  qt6-declarative-dev qt6-declarative-dev-tools qml6-module-qtquick
  qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml-workerscript
  qml6-module-qttest qml6-module-qtquick-controls qml6-module-qtquick-layouts
)
for group in "$@"; do
  case "$group" in
    fuzz) PACKAGES+=(clang libclang-rt-14-dev) ;;
    memcheck) PACKAGES+=(valgrind) ;;
    package) PACKAGES+=(debhelper dpkg-dev lintian libgl-dev doxygen qt6-documentation-tools) ;;
    docs) PACKAGES+=(qt6-documentation-tools) ;;
    screenshots) PACKAGES+=(imagemagick qt6ct) ;;
    *) echo "install-deps.sh: unknown group \"$group\" (fuzz, memcheck, package, docs or screenshots)" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  SUDO=(sudo -n)
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
  SUDO=(sudo)
else
  echo "error: cannot install packages (not root and no usable sudo)." >&2
  echo "Please install these Debian packages and run again:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${SUDO[@]}" apt-get update -qq || ! "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  echo "error: apt-get could not install: ${missing[*]}" >&2
  echo "Please install them by hand and run again." >&2
  exit 1
fi
