#!/usr/bin/env bash
# Configures (once) and builds Pallador into ./build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
if [ ! -f "$root/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$root/build" -j "$(nproc)"
