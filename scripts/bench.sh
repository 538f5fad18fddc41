#!/usr/bin/env bash
# Measures the installer and its compile and write path and prints the
# table of doc/performance.md: the installer against copying the six files
# it leaves, memorizza_percorso on generated lines of 10, 100 and 1000 km
# against writing its three files' bytes, and its peak memory against the
# size of what it writes.
#
#   scripts/bench.sh [--runs=N] [Google Benchmark flags]
#   scripts/bench.sh --view      (the view's opening time alone)
#
# Then opens the interactive view of the generated 1000 km scenario in
# headless Chromium and times it from the start of the navigation to the end
# of the page's first drawing (target: under 2 s).
#
# Installs what it needs on a fresh Debian machine (the build tools, Google
# Benchmark, Chromium, node and the browser tests' node modules). Every file of the measurements goes to one folder on
# the project's disk, removed at the end. Google Benchmark's own report is
# kept in build/default/bench-report.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev
tests/browser/install.sh

cmake --preset default >/dev/null
cmake --build --preset default --target scenario_bench scenario_tool >/dev/null

work=$(mktemp -d "$PWD/build/default/bench-work-XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ "${1:-}" != "--view" ]; then
  report=build/default/bench-report.txt
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  if ! build/default/bench/scenario_bench --work="$work" "$@" 2>"$report"; then
    tail -n 20 "$report" >&2
    exit 1
  fi
  echo
  echo "Command: scripts/bench.sh $*"
  echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(df -T "$work" | awk 'NR == 2 { print $2 }') file system;" \
    "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
fi

# The view of the generated 1000 km scenario: its files written as the
# installer writes them, the page made by scenario_tool, then opened five
# times, each in a new tab.
view="$work/view-1000km"
mkdir -p "$view"
build/default/bench/scenario_peak_memory "$view" 1000000 >/dev/null
build/default/tools/scenario_tool view "$view" --line-id Linea_Generata --train 10000 \
  -o "$view/Linea_Generata_10000.html" >/dev/null
read -r page_bytes times < <(node tests/browser/measure_view.js "$view/Linea_Generata_10000.html" 5)
median=${times##* }
verdict="met"
[ "$median" -lt 2000 ] || verdict="missed"
echo "View of the 1000 km scenario: page of $page_bytes bytes, opened in ${times% *} ms;" \
  "median $median ms, target of under 2000 ms $verdict"
