#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the memcheck driver (tests/memcheck) under valgrind: 10,000 repaints
# of every style, tooltip and menu cycles, and 100 openings of each
# information window. Fails on any memory error and on any definite or
# indirect leak; reachable memory at exit (caches of the system libraries)
# is not counted. Suppressions (scripts/valgrind.supp) cover system libraries
# only, each with its reason.
#   scripts/memcheck.sh [REPAINTS_PER_STYLE] [WINDOW_OPENINGS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/install-deps.sh memcheck
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
if [ ! -f build/test/build.ninja ]; then
  cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build/test --target memcheck_driver

log=build/memcheck.log
set +e
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
  --suppressions=scripts/valgrind.supp --gen-suppressions=all --num-callers=30 \
  --error-exitcode=3 --log-file="$log" \
  build/test/tests/memcheck_driver "$@"
status=$?
set -e
sed -n '/HEAP SUMMARY/,$p' "$log"
if [ "$status" != 0 ]; then
  echo "scripts/memcheck.sh: valgrind found errors or leaks (status $status); see $log" >&2
  exit 1
fi
echo "scripts/memcheck.sh: no memory error, no definite or indirect leak"
