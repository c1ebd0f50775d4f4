#!/usr/bin/env bash
# Installs from Debian's packages whatever building and testing the suite needs. Idempotent: prints
# nothing and returns at once when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev                       # native build and unit tests
  clang libclang-rt-14-dev llvm                     # sanitizer tree and fuzz targets (libFuzzer, symbolizer)
  g++-mingw-w64-i686-posix mingw-w64-i686-dev       # the 32-bit Windows deliverables
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev   # 64-bit test mirror (see docs/ARCHITECTURE.md)
  wine wine64 wine32:i386                           # running Windows programs
  xvfb xauth                                        # a private X display for them
  fonts-wine fonts-wqy-microhei fonts-dejavu-core   # Tahoma, CJK and Cyrillic glyphs
  python3 python3-pil                               # the asset generator
  nsis                                              # makensis: the installer Tandra_Setup.exe
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi
echo "setup: installing ${missing[*]}"
log=$(mktemp)
# While a mirror syncs, the security suite can carry a newer amd64 package than its i386 index (or
# that index fails to download); the two architectures of a multi-arch library must match, so the
# install is tried once more from the main suites alone.
install_from_main_suites() {
  local parts
  parts=$(mktemp -d)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && awk 'BEGIN { RS = ""; ORS = "\n\n" } !/debian-security/' "$f" >"$parts/$(basename "$f")"
  done
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o Dir::Etc::SourceParts="$parts" \
    -o Dir::Etc::SourceList=/dev/null "${missing[@]}"
  local status=$?
  rm -rf "$parts"
  return $status
}
{
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" || install_from_main_suites
} >"$log" 2>&1 || { tail -n 30 "$log" >&2; echo "setup: package installation failed (log: $log)" >&2; exit 1; }
rm -f "$log"
echo "setup: done"
