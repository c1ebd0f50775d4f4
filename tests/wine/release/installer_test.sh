#!/usr/bin/env bash
# installer_test.sh <build folder> <source folder> <installer_probe.exe>
#
# The installer as a user meets it, under Wine in a fresh copy of the session's prefix:
#   silent install into a folder of our choice; the installed tree is the staged tree without the
#   simulator files; the installed-programs entry carries the version; the Start-menu shortcuts exist;
#   the installed host starts (with the simulator file added for the test) and shows its main window;
#   a silent setup (or uninstall) while the host or the pairing tool runs stops with exit code 2 and
#   changes nothing; installing over an older version repairs the files and updates the entry, and
#   into another folder moves the installation; the silent uninstall removes every file,
#   shortcut and key of ours and keeps a file the user added (and so the folder).
# Writes the figures (sizes, times) to <build>/evidence/release-figures.txt.
set -uo pipefail
build=$(realpath "$1") source=$(realpath "$2") probe=$(realpath "$3")
setup=$build/release/Tandra_Setup.exe
stage=$build/stage
if [ ! -f "$setup" ]; then
  echo "SKIP: $setup is not built (makensis missing? scripts/setup-deps.sh installs nsis)"
  exit 77
fi
# Outside a session of wine-session.sh open one (ctest runs the tests inside one).
if [ -z "${SUITE_WINE_SESSION:-}" ]; then
  exec "$source/scripts/wine-session.sh" "$build/wine-state" "$0" "$@"
fi

status=0
fail() { echo "FAIL $*"; status=1; }
win() { local p=${1//\//\\}; echo "Z:$p"; }   # a path of this machine as Wine sees it
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
mb() { awk -v b="$1" 'BEGIN { printf "%.2f", b / 1e6 }'; }

# A fresh prefix of our own: the installer writes into HKLM and the Start menu, which no other test
# may see, and a prefix of our own has its own wineserver.
work=$(mktemp -d "$build/release-test.XXXXXX")
source "$source/scripts/common.sh"
suite_clone_prefix "$WINEPREFIX" "$work/prefix" || { echo "FAIL cannot copy the prefix"; exit 1; }
export WINEPREFIX=$work/prefix
cleanup() { "$WINESERVER" -k >/dev/null 2>&1; rm -rf "$work"; }
trap cleanup EXIT

wine_() { "$SUITE_WINE" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }
probe() { wine_ "$probe" "$@"; }
entry=""
read_entry() { entry=$(wine_ reg query "$key"); }  # our installed-programs entry, all values
reg_value() { # <name>: one value of the entry as read_entry last saw it
  sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"
}
setup_ms() { sed -n 's/^exit [0-9]* after \([0-9]*\) ms$/\1/p' <<<"$1"; }  # from probe's report

version=$(tr -d ' \r\n' <"$source/VERSION")
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TandraTechnology'
dir_win='C:\Tandra Test\Tandra Technology'
dir=$WINEPREFIX/drive_c/Tandra\ Test/Tandra\ Technology
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tandra\ Technology
mapfile -t simulator_patterns < <(grep -v '^\s*#' "$source/release/simulator-files.txt" | grep .)
have_host=0; [ -f "$stage/Tandra_Technology.exe" ] && have_host=1

# The staged tree less the simulator files, plus the uninstaller: what an installation must hold.
expected_files() {
  (cd "$stage" && find . -type f | sed 's|^\./||') | while read -r rel; do
    for p in "${simulator_patterns[@]}"; do [[ $rel == $p ]] && continue 2; done
    echo "$rel"
  done
  echo Uninstall.exe
}
# Windows folder names ignore case: the pairing tool's data\ and the host's Data\ are one folder
# once installed, so the trees are compared by names in lower case.
check_installed_tree() { # <when>
  local rel got missing=() extra=()
  declare -A installed=() wanted=()
  while read -r rel; do installed[${rel,,}]=$rel; done < <(cd "$dir" && find . -type f | sed 's|^\./||')
  while read -r rel; do
    wanted[${rel,,}]=1
    got=${installed[${rel,,}]:-}
    if [ -z "$got" ]; then
      missing+=("$rel")
    elif [ "$rel" != Uninstall.exe ] && ! cmp -s "$stage/$rel" "$dir/$got"; then
      fail "$1: $rel differs from the staged file"
    fi
  done < <(expected_files)
  for rel in "${!installed[@]}"; do [ -n "${wanted[$rel]:-}" ] || extra+=("${installed[$rel]}"); done
  [ ${#missing[@]} -eq 0 ] || fail "$1: ${#missing[@]} staged files not installed: ${missing[*]:0:8}"
  [ ${#extra[@]} -eq 0 ] || fail "$1: ${#extra[@]} files installed but not staged: ${extra[*]:0:8}"
}

wine_ reg query 'HKLM\Software' >/dev/null  # start this prefix's wineserver before timing anything

echo "== silent install into $dir_win"
report=$(probe run "$(win "$setup")" /S "/D=$dir_win"); code=$?
echo "$report"
install_ms=$(setup_ms "$report")
[ $code -eq 0 ] || fail "silent install ended with exit code $code"
check_installed_tree "after install"
for sim in DLL/DLL_Hidora.ini data/Simulator.ini; do
  [ -e "$dir/$sim" ] && fail "simulator file $sim was installed"
done
sims=$(find "$dir" -iname '*.flash' -o -iname '*.ini')
[ -z "$sims" ] || fail "simulator files installed: $sims"
installed_bytes=$(find "$dir" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
installed_files=$(find "$dir" -type f | wc -l)
bitmap_bytes=$(find "$dir" -type f -iname '*.bmp' -printf '%s\n' | awk '{s += $1} END {print s + 0}')
bitmap_files=$(find "$dir" -type f -iname '*.bmp' | wc -l)

echo "== installed-programs entry and shortcuts"
read_entry
[ "$(reg_value DisplayVersion)" = "$version" ] || fail "DisplayVersion is '$(reg_value DisplayVersion)', not $version"
[ "$(reg_value DisplayName)" = "Tandra Technology" ] || fail "DisplayName is '$(reg_value DisplayName)'"
[ "$(reg_value Publisher)" = "Tandra Technology" ] || fail "Publisher is '$(reg_value Publisher)'"
[ "$(reg_value InstallLocation)" = "$dir_win" ] || fail "InstallLocation is '$(reg_value InstallLocation)'"
[[ $(reg_value UninstallString) == *"$dir_win\\Uninstall.exe"* ]] || fail "UninstallString is '$(reg_value UninstallString)'"
[[ $(reg_value DisplayIcon) == *"$dir_win\\"*.exe* ]] || fail "DisplayIcon is '$(reg_value DisplayIcon)'"
size_kb=$(( $(reg_value EstimatedSize) ))
[ $size_kb -ge $(( installed_bytes / 1024 / 2 )) ] || fail "EstimatedSize $size_kb KiB is far below $installed_bytes bytes"
[ -f "$menu/Vantrel Pairing Tool.lnk" ] || fail "no Start-menu shortcut of the pairing tool"
if [ $have_host = 1 ]; then
  [ -f "$menu/Tandra Technology.lnk" ] || fail "no Start-menu shortcut of the host"
fi
echo "entry: $(reg_value DisplayName) $(reg_value DisplayVersion), $(reg_value Publisher), $size_kb KiB"
# The registry files name us now (the check after the uninstall relies on reading them).
"$WINESERVER" -w
grep -q 'TandraTechnology' "$WINEPREFIX/system.reg" || fail "the saved registry does not show the entry"

echo "== the installed host, and a silent setup or uninstall while a program of ours runs"
if [ $have_host = 1 ]; then
  # The simulated receiver stands in for the USB one: the demo set-up beside the device library.
  cp "$source/outside/hidora/demo/DLL_Hidora.ini" "$source/outside/hidora/demo/DemoReceiver.ini" "$dir/DLL/"
  mkdir -p "$build/evidence"
  probe while-running "$dir_win\\Tandra_Technology.exe" "$(win "$build/evidence/release-installed-host.png")" \
    "$(win "$setup")" /S "/D=$dir_win" || fail "host start or running-host detection"
  rm -f "$dir/DLL/DLL_Hidora.ini" "$dir/DLL/DemoReceiver.ini" "$dir/DLL/DemoReceiver.flash"
else
  echo "SKIP starting the installed host: Tandra_Technology.exe is not staged yet"
  probe while-running - - "$(win "$setup")" /S "/D=$dir_win" || fail "running-host detection"
fi
check_installed_tree "after the setup refused to run"
# The pairing tool has no mutex: the setup finds it by its program file, which Windows keeps locked.
probe while-running "$dir_win\\Vantrel_PairingTool.exe" - "$(win "$setup")" /S "/D=$dir_win" ||
  fail "running pairing tool detection"
check_installed_tree "after the setup refused to run beside the pairing tool"
# The uninstaller refuses too (run in place with _?= so that its own exit code comes back).
probe while-running - - "$dir_win\\Uninstall.exe" /S "_?=$dir_win" || fail "running-host detection of the uninstaller"
check_installed_tree "after the uninstaller refused to run"

echo "== installing over an older version"
wine_ reg add "$key" /v DisplayVersion /d 0.9.0 /f >/dev/null
printf 'changed by an older version\r\n' >"$dir/LICENSE.txt"
report=$(probe run "$(win "$setup")" /S "/D=$dir_win"); code=$?
echo "$report"
reinstall_ms=$(setup_ms "$report")
[ $code -eq 0 ] || fail "install over an older version ended with exit code $code"
read_entry
[ "$(reg_value DisplayVersion)" = "$version" ] || fail "DisplayVersion after the update is '$(reg_value DisplayVersion)'"
check_installed_tree "after the update"

echo "== installing into another folder moves the installation"
old_dir=$dir old_dir_win=$dir_win
dir_win='C:\Tandra Moved'
dir=$WINEPREFIX/drive_c/Tandra\ Moved
# Not while the earlier installation's pairing tool runs: its uninstaller refuses, the setup stops.
probe while-running "$old_dir_win\\Vantrel_PairingTool.exe" - "$(win "$setup")" /S "/D=$dir_win" ||
  fail "the move went on while the earlier installation's pairing tool ran"
[ -e "$dir" ] && fail "the refused move wrote into $dir_win"
probe run "$(win "$setup")" /S "/D=$dir_win"; code=$?
[ $code -eq 0 ] || fail "install into another folder ended with exit code $code"
[ -e "$old_dir" ] && fail "the earlier installation was left: $(cd "$old_dir" && find . -type f | head -n 5)"
read_entry
[ "$(reg_value InstallLocation)" = "$dir_win" ] || fail "InstallLocation after the move is '$(reg_value InstallLocation)'"
check_installed_tree "after the move"

echo "== silent uninstall keeps a file the user added"
printf 'my own notes\r\n' >"$dir/My notes.txt"
t0=$(now_ms)
# The uninstaller copies itself to %TEMP% and returns at once: wait for its work to be done.
probe run "$dir_win\\Uninstall.exe" /S; code=$?
[ $code -eq 0 ] || fail "silent uninstall ended with exit code $code"
for _ in $(seq 600); do
  [ ! -e "$dir/Uninstall.exe" ] && [ ! -e "$menu" ] && break
  sleep 0.05
done
uninstall_ms=$(( $(now_ms) - t0 ))
"$WINESERVER" -w  # every process of this prefix has ended, the registry is saved
left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 | sed 's|^\./||' | sort)
[ "$left" = "My notes.txt" ] || fail "after uninstall the folder should hold only the user's file, it holds:
${left:-nothing (the folder is gone)}"
[ -e "$menu" ] && fail "Start-menu folder left: $(ls "$menu")"
wine_ reg query "$key" >/dev/null 2>&1 && fail "installed-programs entry left"
"$WINESERVER" -w
if grep -il 'tandra' "$WINEPREFIX"/*.reg >/dev/null; then
  fail "registry still names us: $(grep -i 'tandra' "$WINEPREFIX"/*.reg | head -n 5)"
fi

setup_bytes=$(stat -c %s "$setup")
mkdir -p "$build/evidence"
{
  echo "Tandra_Setup.exe $version"
  echo "installer size:   $(mb "$setup_bytes") MB ($setup_bytes bytes)"
  echo "installed size:   $(mb "$installed_bytes") MB ($installed_bytes bytes, $installed_files files; goal under 15 MB, at best under 5 MB)"
  echo "  of it bitmaps:  $(mb "$bitmap_bytes") MB ($bitmap_files files)"
  echo "install (silent): $install_ms ms under Wine (the setup process, start to exit)"
  echo "update install:   $reinstall_ms ms under Wine (the old uninstaller runs first)"
  echo "uninstall:        $uninstall_ms ms under Wine (from its start until its files and shortcuts are gone)"
} | tee "$build/evidence/release-figures.txt"

[ $status -eq 0 ] && echo "installer: all checks passed"
exit $status
