#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAGEWING_WARNINGS_AS_ERRORS=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"

# The worker pool and the photo loader under ThreadSanitizer: only their tests, in a build of
# their own.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAGEWING_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
cmake --build build-tsan --target test_platform_sys test_book
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/test_platform_sys --gtest_filter='WorkerPool*'
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/test_book --gtest_filter='PhotoLoader*:TextureWindow*'
