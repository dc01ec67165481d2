#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot of the main window: starts the program on a
# virtual display and captures the window's client area. With --dark the
# program runs under qt6ct's "darker" colour scheme, which hands Qt its
# palette as a dark desktop theme does.
#   scripts/screenshot.sh [--dark] [OUT.png]
# (needs xvfb, and from scripts/install-deps.sh screenshots imagemagick and qt6ct)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
theme=()
if [ "${1:-}" = --dark ]; then
  shift
  config="$(mktemp -d)"
  trap 'rm -rf "$config"' EXIT
  mkdir "$config/qt6ct"
  printf '[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\nstyle=Fusion\n' \
    /usr/share/qt6ct/colors/darker.conf > "$config/qt6ct/qt6ct.conf"
  theme=(XDG_CONFIG_HOME="$config" QT_QPA_PLATFORMTHEME=qt6ct)
  out="${1:-$root/docs/main-window-dark.png}"
else
  out="${1:-$root/docs/main-window.png}"
fi
program="$root/build/release/app/vokrantov-test"
[ -x "$program" ] || program="$root/build/test/app/vokrantov-test"
[ -x "$program" ] || { echo "build the program first (./run builds it)" >&2; exit 1; }
# The window opens centred on a 1024 x 768 screen: its 697 x 528 client area
# starts at (163, 120) when there is no window manager to add a frame.
xvfb-run -a -s "-screen 0 1024x768x24" env "${theme[@]}" bash -c "
  '$program' & pid=\$!
  sleep 4
  import -window root -crop 697x528+163+120 +repage -colors 128 PNG8:'$out'
  kill \$pid"
echo "wrote $out"
