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
