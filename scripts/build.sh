#!/usr/bin/env bash
# Configures (once) and builds Pallador into ./build with Ninja. Arguments are
# passed on to `cmake --build`, e.g. `--target pallador` to build only the
# program; without them everything is built, the tests included.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
"$root/scripts/install-deps.sh"

# A build/ configured earlier for another generator (Unix Makefiles, say)
# cannot be switched to Ninja in place: start it afresh, keeping the options
# it was configured with.
options=()
if [ ! -f "$build/CMakeCache.txt" ]; then
    options+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
generator="$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$build/CMakeCache.txt" 2>/dev/null || true)"
if [ -n "$generator" ] && [ "$generator" != "Ninja" ]; then
    echo "build/ was configured for $generator; configuring it afresh for Ninja."
    while IFS= read -r entry; do
        options+=("-D$entry")
    done < <(grep -E '^(CMAKE_BUILD_TYPE|CMAKE_CXX_COMPILER|CMAKE_CXX_FLAGS|PALLADOR_[A-Z0-9_]+):[A-Z]+=' \
        "$build/CMakeCache.txt" || true)
    rm -rf "$build"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja "${options[@]}"
fi
cmake --build "$build" -j "$(nproc)" "$@"
