#!/usr/bin/env bash
# Measures the installer and its compile and write path and prints the
# table of doc/performance.md: the installer against copying the six files
# it leaves, memorizza_percorso on generated lines of 10, 100 and 1000 km
# against writing its three files' bytes, and its peak memory against the
# size of what it writes.
#
#   scripts/bench.sh [--runs=N] [Google Benchmark flags]
#
# Installs what it needs on a fresh Debian machine (the build tools and
# Google Benchmark). Every file of the measurements goes to one folder on
# the project's disk, removed at the end. Google Benchmark's own report is
# kept in build/default/bench-report.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev

cmake --preset default >/dev/null
cmake --build --preset default --target scenario_bench >/dev/null

work=$(mktemp -d "$PWD/build/default/bench-work-XXXXXX")
trap 'rm -rf "$work"' EXIT
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
