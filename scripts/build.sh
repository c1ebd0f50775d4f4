#!/usr/bin/env bash
# Builds the native tree (portable logic and unit tests), the sanitizer tree (the same with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer, plus the fuzz targets), the 32-bit Windows tree
# (the deliverables, staged in build/win32/stage) and, where Wine cannot run 32-bit programs, the
# 64-bit test mirror.
set -euo pipefail
source "$(dirname "$0")/common.sh"

configure() { # <dir> [cmake args]
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$SUITE_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log" >&2; exit 1; }
  fi
}
build() { # <dir> <name> [targets...]
  local dir=$1 name=$2; shift 2
  if ! cmake --build "$dir" -j "$SUITE_JOBS" ${1:+--target "$@"} >"$dir.build.log" 2>&1; then
    grep -E -B2 -A8 'error|Error' "$dir.build.log" | head -n 80 >&2
    echo "build: the $name build failed (full log: $dir.build.log)" >&2
    exit 1
  fi
  echo "build: $name tree ready ($dir)"
}

mkdir -p "$SUITE_BUILD"
configure "$SUITE_BUILD/native"
build "$SUITE_BUILD/native" native
configure "$SUITE_BUILD/sanitize" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSUITE_SANITIZE=ON
build "$SUITE_BUILD/sanitize" "sanitizer"
configure "$SUITE_BUILD/win32" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$SUITE_ROOT/cmake/mingw-i686.cmake"
if [ "$(suite_wine_tree)" = win32 ]; then
  build "$SUITE_BUILD/win32" "32-bit Windows"
else
  # Where Wine cannot run 32-bit programs, the 32-bit tree's test programs would never run: only the
  # deliverables and the installer are built, and checked (ctest -LE wine).
  build "$SUITE_BUILD/win32" "32-bit Windows (deliverables and installer)" installer
fi
if [ "$(suite_wine_tree)" = win64 ]; then
  configure "$SUITE_BUILD/win64" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$SUITE_ROOT/cmake/mingw-x86_64.cmake"
  build "$SUITE_BUILD/win64" "64-bit Windows test mirror"
fi
