#!/usr/bin/env bash
# Builds the fuzzers (fuzz preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for SECONDS seconds, one after
# the other, then prints what each did: executions, corpus, peak memory and
# findings.
#
#   scripts/fuzz.sh SECONDS [FUZZER...]
#   FUZZER: field_reader compile decoders check documents notes package
#
# The seeds are written afresh from the built-in texts and the tests' short
# texts; the corpora grow from run to run in build/fuzz/corpus/<fuzzer>; an
# input that broke something is kept in build/fuzz/findings/<fuzzer>/ and
# its report in build/fuzz/logs/<fuzzer>.log (all of build/ is ignored by
# git). Exit status: 0 no finding, 1 at least one finding, 2 usage or build
# problem.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "uso: scripts/fuzz.sh SECONDI [field_reader|compile|decoders|check|documents|notes|package ...]" >&2
  exit 2
}

seconds=${1:-}
[[ $seconds =~ ^[0-9]+$ ]] && ((seconds > 0)) || usage
shift
fuzzers=("$@")
((${#fuzzers[@]} > 0)) || fuzzers=(field_reader compile decoders check documents notes package)

# Limits of one input. A line of 1000000 m is about 20 MB of plan and takes
# well under a second; nothing legitimate comes near these.
timeout_seconds=20
rss_limit_mb=2048
declare -A max_len=([field_reader]=16384 [compile]=16384 [decoders]=8192 [check]=8192
  [documents]=16384 [notes]=16384 [package]=65536)
for fuzzer in "${fuzzers[@]}"; do
  [[ -n ${max_len[$fuzzer]:-} ]] || usage
done

if ! command -v clang++ >/dev/null ||
  [[ $(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a) != /* ]]; then
  echo "fuzz.sh: servono clang e libFuzzer (Debian: apt-get install clang libclang-rt-dev)" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null || exit 2
cmake --build --preset fuzz >/dev/null || exit 2

work=build/fuzz
rm -rf "$work/seeds"
"$work/fuzz/fuzz_seed_corpus" "$work/seeds" || exit 2

export UBSAN_OPTIONS=print_stacktrace=1
found=0
rows=()
for fuzzer in "${fuzzers[@]}"; do
  corpus=$work/corpus/$fuzzer
  findings=$work/findings/$fuzzer
  log=$work/logs/$fuzzer.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  before=$(find "$findings" -type f | wc -l)
  echo "fuzz.sh: $fuzzer per $seconds s ..." >&2
  status=0
  started=$(date +%s)
  "$work/fuzz/fuzz_$fuzzer" -max_total_time="$seconds" -timeout="$timeout_seconds" \
    -rss_limit_mb="$rss_limit_mb" -max_len="${max_len[$fuzzer]}" -dict=fuzz/texts.dict \
    -artifact_prefix="$findings/" -print_final_stats=1 \
    "$corpus" "$work/seeds/$fuzzer" >"$log" 2>&1 || status=$?
  elapsed=$(($(date +%s) - started))
  ((elapsed > 0)) || elapsed=1
  new=$(($(find "$findings" -type f | wc -l) - before))
  ((status == 0)) || ((new > 0)) || new=1
  ((new == 0)) || found=1
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -1)
  rows+=("$(printf '%-13s %8s %12s %9s %8s %8s %8s' "$fuzzer" "$elapsed" "${executions:-?}" \
    "$((${executions:-0} / elapsed))" "$(find "$corpus" -type f | wc -l)" "${peak:-?}" "$new")")
done

printf '%-13s %8s %12s %9s %8s %8s %8s\n' fuzzer seconds executions exec/s corpus peak_mb findings
printf '%s\n' "${rows[@]}"
if ((found)); then
  echo "fuzz.sh: findings in $work/findings, reports in $work/logs" >&2
  exit 1
fi
