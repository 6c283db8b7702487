#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test, then
# the sanitizer builds and a short fuzzing run (README, "Build and run every test").
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAGEWING_WARNINGS_AS_ERRORS=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"
bash scripts/sanitizers.sh
bash scripts/fuzz.sh 20
