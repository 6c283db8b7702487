#!/usr/bin/env bash
# Builds the fuzz programs with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz, and runs each in turn over its seed corpus for the given seconds (default 60).
# New inputs go to build-fuzz/corpus/<target>; a fault stops the run and leaves the input in
# build-fuzz/findings/<target>. Usage: scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings locale effect image)

bash scripts/configure-sanitized.sh build-fuzz address,undefined -DPAGEWING_FUZZ=ON
nice -n 5 cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

# Leaks are caught input by input while fuzzing. The check at exit is left out: it once crashed
# its own tracer (signal 11) after a clean image run, which says nothing about our code.
export ASAN_OPTIONS=detect_leaks=1:leak_check_at_exit=0:allocator_may_return_null=1
# The libraries' own leaks, which our code cannot release, are named as in the sanitizer suites.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt's image readers warn on every damaged file; millions of lines would only slow the run.
export QT_LOGGING_RULES="qt.gui.imageio*=false"
status=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  dict=()
  [ -f "tests/fuzz/$target.dict" ] && dict=(-dict="tests/fuzz/$target.dict")
  echo "fuzz: $target for $seconds s"
  rc=0
  "build-fuzz/tests/fuzz/fuzz_$target" "$corpus" "tests/fuzz/corpus/$target" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"build-fuzz/$target.log" 2>&1 || rc=$?
  grep -E '^#[0-9]+.*(DONE|pulse)|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|SUMMARY|fuzz check' \
    "build-fuzz/$target.log" | tail -n 5
  if [ $rc -ne 0 ]; then
    echo "fuzz: $target FAILED (exit $rc); see build-fuzz/$target.log and $findings/"
    status=1
  fi
done
exit $status
