#!/usr/bin/env bash
# Builds Pallador and starts it. Without QI_HOME it uses the sample
# installation bundled in samples/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
if [ -z "${QI_HOME+set}" ]; then
    export QI_HOME="$root/samples/"
fi
exec "$root/build/pallador" "$@"
