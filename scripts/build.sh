#!/usr/bin/env bash
# Configures and builds the host tree (logic, tools, tests) and the Windows
# tree (Moravel5770.exe, Windows tests, end-to-end driver).
#   build.sh [host|win|all]   (default all)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
what="${1:-all}"
jobs="${MORAVEL_JOBS:-2}"
if [ "$what" = host ] || [ "$what" = all ]; then
  cmake -S . -B build/host -G Ninja >/dev/null
  cmake --build build/host -j "$jobs"
fi
if [ "$what" = win ] || [ "$what" = all ]; then
  cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
  cmake --build build/win -j "$jobs"
fi
