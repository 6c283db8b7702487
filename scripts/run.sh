#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on its sample photos.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pagewing media
exec build/src/pagewing
