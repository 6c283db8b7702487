#!/usr/bin/env bash
# Configures a clang build with sanitizers: scripts/configure-sanitized.sh DIR SANITIZERS [cmake args].
# Only the targets a caller names are built there; optimised lightly, with line tables for the reports.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1 sanitizers=$2
shift 2
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPAGEWING_SANITIZE="$sanitizers" -DPAGEWING_BUILD_BENCH=OFF "${launcher[@]}" "$@" >/dev/null
