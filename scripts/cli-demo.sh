#!/usr/bin/env bash
# A terminal session of every command of Tandra_Cli.exe against the demo receiver of a copy of the
# staged tree, printed and kept as build/<tree>/evidence/cli_demo_session.txt.
set -uo pipefail
source "$(dirname "$0")/common.sh"
tree=$(suite_wine_tree)
build=$SUITE_BUILD/$tree
demo=$SUITE_BUILD/cli-demo
rm -rf "$demo" && mkdir -p "$demo" && cp -a "$build/stage" "$demo/Tandra"
rm -f "$demo/Tandra/DLL/DemoReceiver.flash"
mkdir -p "$build/evidence"

cat >"$demo/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Runs inside a Wine session: $SUITE_WINE is the Wine loader.
cd "$(dirname "$0")/Tandra"
run() { # [stdin text] -- arguments
  local input=
  if [ "$1" != -- ]; then input=$1; shift; fi
  shift
  echo "C:\\Tandra> Tandra_Cli $*"
  printf '%s' "$input" | "$SUITE_WINE" Tandra_Cli.exe "$@" 2>&1 | tr -d '\r'
  echo "[exit ${PIPESTATUS[1]}]"
  echo
}
run -- --help
run -- list
run -- pair mouse --timeout 20
run -- pair keyboard --timeout 20
echo "(The demo receiver's mouse reports before its keyboard in every pairing run, and the first"
echo " device that reports is taken. For the next run DemoReceiver.ini lists the keyboard only.)"
echo
cp DLL/DemoReceiver.ini DLL/DemoReceiver.ini.all
sed -i '/^Device1=mouse/d' DLL/DemoReceiver.ini
run -- pair keyboard --timeout 20
mv DLL/DemoReceiver.ini.all DLL/DemoReceiver.ini
run -- list
run -- disable 02BCDE
run -- disable 02BCDE --force
run -- enable keyboard:1
run -- disable mouse:1
run -- rename 051234 "Desk mouse"
run -- rename keyboard 1 "Office keys"
run -- list --json
run -- backup 'C:\demo-backup.txt'
run -- remove keyboard:1
run -- remove 051234
run -- list
run $'n\n' -- restore 'C:\demo-backup.txt'
run $'y\n' -- restore 'C:\demo-backup.txt'
run -- restore 'C:\demo-backup.txt' --yes --json
run -- list
run -- signal --count 6
run -- signal --count 5 --json
run -- recover
run -- recover --json
run -- enable 0FFFFF
SESSION
chmod +x "$demo/session.sh"
"$SUITE_ROOT/scripts/wine-session.sh" "$demo/wine-state" "$demo/session.sh" | tee "$build/evidence/cli_demo_session.txt"
