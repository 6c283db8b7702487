#!/usr/bin/env bash
# Runs the unit tests that matter under AddressSanitizer with UndefinedBehaviorSanitizer (leaks
# fail) in build-fuzz, the clang build the fuzzers use too, and the tests of the threaded code
# (frame queue, streaming thread, filters, events, photo loader) under ThreadSanitizer in
# build-tsan. Only those test programs are built. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

asan_tests=(test_settings test_photos test_platform_sys test_platform_com test_platform_media test_dshow
            test_export test_platform_gfx fuzz/test_fuzz_inputs)
# Mesa's llvmpipe keeps allocations made from its JIT-compiled shaders, which no suppression can
# name, so the OpenGL tests are checked for memory errors and undefined behaviour but not leaks.
asan_gl_tests=(test_platform_gfx_gl)
tsan_tests=(test_platform_sys test_platform_media test_dshow test_export_threads test_book_threads)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

run_all() {
  local dir=$1
  shift
  for program in "$@"; do
    echo "sanitizers: $dir/$program"
    # From the build folder, as CTest runs them, so that relative data paths resolve alike.
    (cd "$dir" && "tests/$program" --gtest_brief=1)
  done
}

bash scripts/configure-sanitized.sh build-fuzz address,undefined -DPAGEWING_FUZZ=ON
nice -n 5 cmake --build build-fuzz --target "${asan_tests[@]##*/}" "${asan_gl_tests[@]}"
run_all build-fuzz "${asan_tests[@]}"
ASAN_OPTIONS=detect_leaks=0 run_all build-fuzz "${asan_gl_tests[@]}"

bash scripts/configure-sanitized.sh build-tsan thread
nice -n 5 cmake --build build-tsan --target "${tsan_tests[@]##*/}"
run_all build-tsan "${tsan_tests[@]}"
