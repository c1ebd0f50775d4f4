#!/usr/bin/env bash
# check_resources.sh <windres> <stage folder> <VERSION file>
# Every program and DLL of the staged tree carries the suite's one version number in its version
# resource (numbers and strings), a product name and a file description; both programs also carry
# their application manifest (common controls 6, asInvoker, the supported Windows versions, not
# DPI-aware) and an icon. Reads the resources with windres, so no Wine is needed.
set -uo pipefail
windres=$1 stage=$2 version_file=$3
version=$(tr -d ' \r\n' <"$version_file")
IFS=. read -r v1 v2 v3 v4 <<<"$version"
numbers="${v1:-0}, ${v2:-0}, ${v3:-0}, ${v4:-0}"
status=0
fail() { echo "FAIL $1"; status=1; }

mapfile -t files < <(cd "$stage" && find . -type f \( -iname '*.exe' -o -iname '*.dll' \) | sort)
[ ${#files[@]} -ge 4 ] || fail "only ${#files[@]} programs and DLLs staged in $stage"

value() { # <rc text> <key>: the string of VALUE "key", "string"
  sed -n "s/^ *VALUE \"$2\", \"\(.*\)\"\$/\1/p" <<<"$1" | head -n1
}

for rel in "${files[@]}"; do
  file=$stage/${rel#./}
  name=$(basename "$file")
  rc=$("$windres" -i "$file" -J coff -O rc 2>&1) || { fail "$rel: resources unreadable: $rc"; continue; }
  grep -q "^ *FILEVERSION $numbers\$" <<<"$rc" || fail "$rel: FILEVERSION is not $numbers"
  grep -q "^ *PRODUCTVERSION $numbers\$" <<<"$rc" || fail "$rel: PRODUCTVERSION is not $numbers"
  for key in FileVersion ProductVersion; do
    [ "$(value "$rc" $key)" = "$version" ] || fail "$rel: $key is '$(value "$rc" $key)', not $version"
  done
  [ -n "$(value "$rc" ProductName)" ] || fail "$rel: no ProductName"
  [ -n "$(value "$rc" FileDescription)" ] || fail "$rel: no FileDescription"
  [ "$(value "$rc" OriginalFilename)" = "$name" ] || fail "$rel: OriginalFilename is not $name"

  if [[ $name == *.exe ]]; then
    manifest=$(sed -n '/^1 24 \/\* RT_MANIFEST \*\//,/^END/p' <<<"$rc")
    if [ -z "$manifest" ]; then
      fail "$rel: no application manifest"
    else
      grep -q 'Microsoft.Windows.Common-Controls"" version=""6.0.0.0' <<<"$manifest" ||
        fail "$rel: manifest does not ask for common controls 6"
      grep -q 'requestedExecutionLevel level=""asInvoker""' <<<"$manifest" ||
        fail "$rel: manifest does not run asInvoker"
      [ "$(grep -c 'supportedOS Id=' <<<"$manifest")" -eq 5 ] ||
        fail "$rel: manifest does not list Vista, 7, 8, 8.1 and 10/11"
      grep -q '<dpiAware[^>]*>false</dpiAware>' <<<"$manifest" ||
        fail "$rel: manifest does not say not DPI-aware"
    fi
    grep -q 'RT_GROUP_ICON' <<<"$rc" || fail "$rel: no icon"
  fi
  echo "$rel: $(value "$rc" FileVersion), \"$(value "$rc" FileDescription)\""
done

for program in Vantrel_PairingTool.exe Tandra_Technology.exe; do
  if [ ! -f "$stage/$program" ]; then
    if [ $program = Tandra_Technology.exe ]; then
      echo "NOTE $program is not staged yet: its resources are checked once it is"
    else
      fail "$program is not staged"
    fi
  fi
done
[ $status -eq 0 ] && echo "resources: ok (${#files[@]} files, version $version)"
exit $status
