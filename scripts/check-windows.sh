#!/usr/bin/env bash
# Proves that the Windows installer writes the same bytes as the Linux one.
# Cross-builds scenario_installer.exe with MinGW-w64, runs it under Wine
# (inside Xvfb, since it opens its window) in an empty folder, runs the Linux
# installer in another empty folder, and compares every file the Linux run
# left with the one the Windows run left, byte for byte: one line per file.
# Then runs the Windows installer once more over lengthened copies of its
# files, which it must replace whole. Exits nonzero on any difference, on a
# missing or extra file, and when the two installers end differently.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake make g++ libgtest-dev libgmock-dev \
  mingw-w64 wine wine64 xvfb xauth

echo "building the Windows installer (MinGW-w64)..."
cmake --preset windows >/dev/null
cmake --build --preset windows --target scenario_installer >/dev/null
exe=build/windows/src/app/scenario_installer.exe
# Linked statically: the only DLLs it may load are those that come with Windows.
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
  grep -viE '^(kernel32|user32|gdi32|msvcrt|advapi32)\.dll$' || true)
if [ -n "$foreign" ]; then
  echo "scenario_installer.exe needs DLLs that do not come with Windows:" $foreign
  exit 1
fi

echo "building the Linux installer..."
cmake --preset default >/dev/null
cmake --build --preset default --target scenario_installer >/dev/null

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
  find "$1" -maxdepth 1 -type f ! -name 'scenario_installer*' -printf '%f\n' | LC_ALL=C sort
}

first_difference() {
  cmp "$1" "$2" 2>&1 | sed -n \
    -e 's/.*differ: byte \([0-9]*\).*/first difference at byte \1/p' \
    -e 's/.*EOF on .* after byte \([0-9]*\).*/the shorter one ends after byte \1/p' | head -1
}

# One line per file of either run; returns the number of differences.
compare_with_linux() {
  local differences=0 name linux windows
  while IFS= read -r name; do
    linux="$work/linux/$name"
    windows="$work/windows/$name"
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
  done < <(files_left "$work/linux")
  while IFS= read -r name; do
    if [ ! -f "$work/linux/$name" ]; then
      printf 'EXTRA      %s (only the Windows run wrote it)\n' "$name"
      differences=$((differences + 1))
    fi
  done < <(files_left "$work/windows")
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

if [ "$problems" -ne 0 ]; then
  echo "FAILED: the Windows installer does not write what the Linux one writes"
  exit 1
fi
echo "OK: the Windows installer writes the same $count files, byte for byte"
