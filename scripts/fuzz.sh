#!/usr/bin/env bash
# Runs every fuzz target of the fuzz preset (build/fuzz) for a while and fails on any
# finding: a crash, a leak, a timeout, an out-of-memory, or an AddressSanitizer or
# UndefinedBehaviorSanitizer report.
#   scripts/fuzz.sh [seconds per target] [target...]     (default 60 s, every target)
# Environment: FUZZ_SECONDS (the same as the first argument), FUZZ_JOBS (targets run at
# once, default 1), FUZZ_NICE (the nice level of the runs, default 0).
# Seed inputs come from tests/fuzz/corpus/<name>; what a run learns goes to
# build/fuzz/corpus/<name>, logs to build/fuzz/logs, failing inputs to build/fuzz/findings.
# Build first: cmake --preset fuzz && cmake --build --preset fuzz
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-60}}
[ $# -gt 0 ] && shift
jobs=${FUZZ_JOBS:-1}
bin=build/fuzz/tests/fuzz
out=build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" _fuzz.cpp)"); done
fi
mkdir -p "$out/logs" "$out/findings"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:allocator_may_return_null=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run() {
  local name=$1 log=$out/logs/$1.log
  [ -x "$bin/${name}_fuzz" ] || { echo "fuzz: $name: no binary $bin/${name}_fuzz"; return 1; }
  mkdir -p "$out/corpus/$name"
  nice -n "${FUZZ_NICE:-0}" "$bin/${name}_fuzz" "$out/corpus/$name" "tests/fuzz/corpus/$name" \
    -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$name-" >"$log" 2>&1
  local rc=$?
  local runs speed
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  # A sanitizer report that did not stop the run still counts as a finding.
  if [ $rc -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    echo "fuzz: $name FAILED (exit $rc); see $log and $out/findings"
    grep -m3 -E 'ERROR|runtime error|SUMMARY' "$log"
    return 1
  fi
  if [ "${runs:-0}" -eq 0 ]; then
    echo "fuzz: $name FAILED: it ran no input; see $log"
    return 1
  fi
  echo "fuzz: $name passed: ${runs:-?} inputs in ${seconds} s, ${speed:-?} exec/s"
}

[ ${#targets[@]} -gt 0 ] || { echo "fuzz: FAILED: no fuzz target found"; exit 1; }
status=0
pids=()
for name in "${targets[@]}"; do
  run "$name" & pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
[ $status -eq 0 ] && echo "fuzz: no findings" || echo "fuzz: FINDINGS (see above)"
exit $status
