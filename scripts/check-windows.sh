#!/usr/bin/env bash
# Proves that the Windows installer writes the same bytes as the Linux one.
# Cross-builds scenario_installer.exe with MinGW-w64, runs it under Wine
# (inside Xvfb, since it opens its window) in an empty folder, runs the Linux
# installer in another empty folder, and compares every file the Linux run
# left with the one the Windows run left, byte for byte: one line per file.
# Then runs the Windows installer once more over lengthened copies of its
# files, which it must replace whole. Then packages the built-in scenario
# and a scenario of its own with scenario_tool, runs each Windows package
# under Wine and each Linux package, and compares their files in the same
# way: the built-in ones with the installer's, the own one's Windows files
# with its Linux files. Exits nonzero on any difference, on a missing or
# extra file, and when two runs end differently.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake make g++ libgtest-dev libgmock-dev \
  mingw-w64 wine wine64 xvfb xauth

echo "building the Windows installer (MinGW-w64)..."
cmake --preset windows >/dev/null
cmake --build --preset windows --target scenario_installer scenario_package_base >/dev/null
exe=build/windows/src/app/scenario_installer.exe
# Linked statically: the only DLLs they may load are those that come with Windows.
for program in "$exe" build/windows/src/app/scenario_package_base.exe; do
  foreign=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|msvcrt|advapi32)\.dll$' || true)
  if [ -n "$foreign" ]; then
    echo "$(basename "$program") needs DLLs that do not come with Windows:" $foreign
    exit 1
  fi
done

echo "building the Linux installer and scenario_tool..."
cmake --preset default >/dev/null
cmake --build --preset default --target scenario_installer scenario_tool >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/scenario-check-windows-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/windows" "$work/linux"
cp "$exe" "$work/windows/"
cp build/default/src/app/scenario_installer "$work/linux/"

# A Wine configuration of the project's own; no .NET or browser engine asked for.
export WINEPREFIX="$PWD/build/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Runs both installers on one virtual screen; each one's exit status goes to
# a file beside its folder.
run_installers() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    (cd "$1/windows" && timeout 600 wine ./scenario_installer.exe; echo $? >"$1/windows.status")
    if [ "$2" = both ]; then
      (cd "$1/linux" && timeout 60 ./scenario_installer; echo $? >"$1/linux.status")
    fi
    wineserver -w' _ "$work" "$1"
}

echo "running both installers..."
run_installers both
linux_status=$(cat "$work/linux.status")
windows_status=$(cat "$work/windows.status")
echo "exit status: Linux $linux_status, Windows $windows_status"
problems=0
[ "$linux_status" = "$windows_status" ] || problems=$((problems + 1))

# The files a run left in its folder, without the installer itself.
files_left() {
  find "$1" -maxdepth 1 -type f ! -name 'scenario_installer*' ! -name '*_installer' \
    ! -name '*_installer.exe' -printf '%f\n' | LC_ALL=C sort
}

first_difference() {
  cmp "$1" "$2" 2>&1 | sed -n \
    -e 's/.*differ: byte \([0-9]*\).*/first difference at byte \1/p' \
    -e 's/.*EOF on .* after byte \([0-9]*\).*/the shorter one ends after byte \1/p' | head -1
}

# One line per file of either run, the Linux run's folder first (by
# default those of the two installers); returns the number of differences.
compare_with_linux() {
  local linux_folder=${1:-$work/linux} windows_folder=${2:-$work/windows}
  local differences=0 name linux windows
  while IFS= read -r name; do
    linux="$linux_folder/$name"
    windows="$windows_folder/$name"
    if [ ! -f "$windows" ]; then
      printf 'MISSING    %s (the Windows run did not write it)\n' "$name"
      differences=$((differences + 1))
    elif cmp -s "$linux" "$windows"; then
      printf 'identical  %s (%d bytes)\n' "$name" "$(stat -c %s "$linux")"
    else
      printf 'DIFFERENT  %s (Linux %d bytes, Windows %d bytes; %s)\n' "$name" \
        "$(stat -c %s "$linux")" "$(stat -c %s "$windows")" \
        "$(first_difference "$linux" "$windows")"
      differences=$((differences + 1))
    fi
  done < <(files_left "$linux_folder")
  while IFS= read -r name; do
    if [ ! -f "$linux_folder/$name" ]; then
      printf 'EXTRA      %s (only the Windows run wrote it)\n' "$name"
      differences=$((differences + 1))
    fi
  done < <(files_left "$windows_folder")
  return "$differences"
}

count=$(files_left "$work/linux" | wc -l)
if [ "$count" -eq 0 ]; then
  echo "the Linux installer left no file to compare"
  exit 1
fi
differences=0
report=$(compare_with_linux) || differences=$?
echo "$report"
problems=$((problems + differences))
identical=$(grep -c '^identical ' <<<"$report" || true)
echo "$count files of the Linux run compared: $identical identical, $((count - identical)) not"

# A second run must replace every file whole, never write into the old one.
while IFS= read -r name; do
  printf 'longer than the new file' >>"$work/windows/$name"
done < <(files_left "$work/windows")
rm -f "$work/windows.status"
run_installers windows-only
again=0
compare_with_linux >/dev/null || again=$?
if [ "$(cat "$work/windows.status")" != "$windows_status" ] || [ "$again" -ne 0 ]; then
  echo "a second Windows run over longer files did not replace them whole ($again differ)"
  problems=$((problems + 1))
else
  echo "a second Windows run replaced all $count files whole"
fi

# Packages: scenario_tool appends a scenario to both package bases.
tool=build/default/tools/scenario_tool
mkdir "$work/texts" "$work/own"
"$tool" texts "$work/texts" >/dev/null
# A scenario of the check's own: 6 km, three stations, one slow order.
printf '%s\r\n' '[generale]' 'lunghezza percorso, 6000' '[curve]' 'pendenza, 0, 3' '[fine]' \
  >"$work/own/Colle_Valle_linea.txt"
printf '%s\r\n' '[generale]' 'numero vetture, 3' 'percentuale massa frenata, 120' \
  'velocita, 0, 90' 'aderenza, 0, 90' \
  'stazione, 0, 8, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 7, 10, 0, COLLE ALTO' \
  'stazione, 3000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 7, 14, 0, PIANO' \
  'stazione, 6000, 2, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 7, 19, 0, VALLE BASSA' \
  'rallentamento, 2500, 30, 200, 0, 0, 0' '[fine]' >"$work/own/Colle_Valle_2417-.txt"

# Packages the texts in $1 as $2/$3 into the folders $4/linux and
# $4/windows, each holding one package; further arguments go to package.
make_packages() {
  local texts=$1 line_id=$2 train=$3 out=$4
  shift 4
  "$tool" package "$texts/${line_id}_linea.txt" "$texts/${line_id}_${train}-.txt" \
    --line-id "$line_id" --train "$train" -o "$out/made" "$@" >/dev/null 2>&1
  mkdir "$out/linux" "$out/windows"
  mv "$out/made/${line_id}_${train}_installer" "$out/linux/"
  mv "$out/made/${line_id}_${train}_installer.exe" "$out/windows/"
}

# Runs both packages of $1 (program name $2), each from its own folder.
run_packages() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    (cd "$1/windows" && timeout 600 wine "./$2.exe"; echo $? >"$1/windows.status")
    (cd "$1/linux" && timeout 60 "./$2"; echo $? >"$1/linux.status")
    wineserver -w' _ "$1" "$2"
}

for scenario in builtin own; do
  out=$work/package-$scenario
  mkdir "$out"
  if [ "$scenario" = builtin ]; then
    make_packages "$work/texts" Velbrio_Dolvena 30527 "$out" --documents "$work/linux"
    name=Velbrio_Dolvena_30527_installer
  else
    make_packages "$work/own" Colle_Valle 2417 "$out"
    name=Colle_Valle_2417_installer
  fi
  echo "running both packages of the $scenario scenario..."
  run_packages "$out" "$name"
  echo "exit status: Linux package $(cat "$out/linux.status"), Windows package $(cat "$out/windows.status")"
  [ "$(cat "$out/linux.status")" = "$(cat "$out/windows.status")" ] || problems=$((problems + 1))
  differences=0
  if [ "$scenario" = builtin ]; then
    # Both packages of the built-in scenario write the installer's files.
    for system in linux windows; do
      [ "$(cat "$out/$system.status")" = "$linux_status" ] || problems=$((problems + 1))
      report=$(compare_with_linux "$work/linux" "$out/$system") || differences=$((differences + $?))
      echo "$report" | sed "s/^/  $system package against the installer: /"
    done
  else
    report=$(compare_with_linux "$out/linux" "$out/windows") || differences=$?
    echo "$report" | sed 's/^/  Windows package against the Linux package: /'
    [ "$(files_left "$out/linux" | wc -l)" -eq 6 ] || problems=$((problems + 1))
  fi
  problems=$((problems + differences))
done

if [ "$problems" -ne 0 ]; then
  echo "FAILED: the Windows installer or packages do not write what the Linux ones write"
  exit 1
fi
echo "OK: the Windows installer writes the same $count files, byte for byte; so do both packages"
