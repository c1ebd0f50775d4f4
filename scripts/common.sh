# Sourced by the scripts: paths and the choice of the Windows tree that Wine can run here.
SUITE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SUITE_BUILD=${SUITE_BUILD:-$SUITE_ROOT/build}
SUITE_JOBS=${SUITE_JOBS:-$(nproc)}

# Wine's 32-bit loader is a 32-bit Linux program. Some kernels (for example some virtual machines)
# cannot execute 32-bit code at all; there the Wine tests run a 64-bit build of the same sources.
suite_wine_tree() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1 && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo win32
  else
    echo win64
  fi
}

# suite_clone_prefix <template> <prefix>: a Wine prefix of its own made from a booted one. The files
# Wine writes only when it updates a prefix for a new Wine version (the Windows modules, national
# language tables and fonts, 95% of a prefix) are hard links to the template's; the registry, the
# stamps and everything else are copies. On another file system, or where links fail, all is copied.
suite_clone_prefix() {
  local from=$1 to=$2
  rm -rf "$to"
  mkdir -p "$(dirname "$to")"
  if ! cp -al "$from" "$to" 2>/dev/null; then
    rm -rf "$to"
    cp -a "$from" "$to"
    return
  fi
  (cd "$to" && find . -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.nls' -o -iname '*.drv' \
      -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.acm' -o -iname '*.cpl' -o -iname '*.tlb' \
      -o -iname '*.ds' -o -iname '*.msstyles' -o -iname '*.ttf' \) -print0) |
    while IFS= read -r -d '' file; do
      cp -p --remove-destination "$from/$file" "$to/$file" || return 1
    done
}
