#!/usr/bin/env bash
# Builds the program (not the tests) and starts it. Without QI_HOME it uses
# the sample installation bundled in samples/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" --target pallador
if [ -z "${QI_HOME+set}" ]; then
    export QI_HOME="$root/samples/"
fi
exec "$root/build/pallador" "$@"
