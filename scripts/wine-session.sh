#!/usr/bin/env bash
# wine-session.sh <state-dir> <command> [args...]
#
# Runs <command> inside a private Wine session: its own X display (Xvfb), its own Wine prefix under
# <state-dir>/prefix-<arch> (made once, then reused), Wine's debug output silenced. Inside, SUITE_WINE names the
# Wine loader to use and scripts/wine-run.sh runs Windows programs. The session ends with the command:
# wineserver is shut down, Xvfb stopped, and the command's exit status returned.
set -uo pipefail
source "$(dirname "$0")/common.sh"

state=$(realpath -m "$1"); shift
mkdir -p "$state"

arch=${SUITE_WINE_ARCH:-$(suite_wine_tree)}
if [ "$arch" = win32 ]; then
  export SUITE_WINE=/usr/bin/wine WINESERVER=/usr/lib/wine/wineserver32 WINEARCH=win32
else
  export SUITE_WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64
fi
export SUITE_WINE_ARCH=$arch
export WINEPREFIX=$state/prefix-$arch
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=""
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap 'cleanup; exit 130' INT TERM

# A display first: a prefix booted without one makes later CreateWindow calls fail. With
# SUITE_WINE_USE_DISPLAY=1 the caller's own display is used instead of a private one.
if [ "${SUITE_WINE_USE_DISPLAY:-}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  displayfile=$state/display
  rm -f "$displayfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
  if [ ! -s "$displayfile" ]; then echo "wine-session: Xvfb did not start" >&2; cleanup; exit 1; fi
  export DISPLAY=:$(head -n1 "$displayfile")
fi

# Every session's prefix is a clone of one template prefix per architecture (build/wine-template),
# booted once: the clone shares the template's Windows modules and fonts as hard links (95% of a
# prefix, which Wine rewrites only when it updates a prefix for a new Wine) and has its own copy of
# everything else. A new Wine or a change of this script makes a new template and new clones.
template=$SUITE_BUILD/wine-template/prefix-$arch
recipe="$("$SUITE_WINE" --version 2>/dev/null) $(sha1sum <"$0" | cut -c1-12)"

# Boots the template; runs in a subshell of its own, so its WINEPREFIX stays there.
make_template() {
  export WINEPREFIX=$template
  rm -rf "$WINEPREFIX"
  "$SUITE_WINE" wineboot -i >/dev/null 2>&1
  "$WINESERVER" -w
  cat >"$WINEPREFIX.settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Microsoft JhengHei"="WenQuanYi Micro Hei"
"PMingLiU"="WenQuanYi Micro Hei"
"MingLiU"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"MS UI Gothic"="WenQuanYi Micro Hei"
"Malgun Gothic"="WenQuanYi Micro Hei"
REG
  "$SUITE_WINE" regedit /S "$WINEPREFIX.settings.reg" >/dev/null 2>&1
  # Debian's Wine does not find its own Tahoma unless it lies in the prefix's font folder.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  "$WINESERVER" -w
  echo "$recipe" >"$WINEPREFIX/.suite-ready"
}

if [ "$(cat "$WINEPREFIX/.suite-ready" 2>/dev/null)" != "$recipe" ]; then
  mkdir -p "$SUITE_BUILD/wine-template"
  (
    flock 9  # the parts of the test run start together and share the template
    [ "$(cat "$template/.suite-ready" 2>/dev/null)" = "$recipe" ] || make_template
  ) 9>"$SUITE_BUILD/wine-template/.lock"
  suite_clone_prefix "$template" "$WINEPREFIX" ||
    { echo "wine-session: cannot make the prefix $WINEPREFIX" >&2; cleanup; exit 1; }
fi

export SUITE_WINE_SESSION=1
"$@"
status=$?
timeout 20 "$WINESERVER" -w || "$WINESERVER" -k
cleanup
exit $status
