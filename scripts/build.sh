#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures (once) and builds one tree incrementally.
#   scripts/build.sh DIR [extra cmake arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="$1"
shift
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir"
