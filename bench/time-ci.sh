#!/usr/bin/env bash
# Times CI on a fresh clone: clones this repository at REVISION (default HEAD)
# into a temporary folder and runs .ci/run there, printing the wall and CPU
# time (user + sys, children included) of its configure, build and test
# steps. With --cores LIST the run is pinned to those CPUs with taskset, as a
# smaller machine would run it (--cores 0,1 for two cores).
#
#   bench/time-ci.sh [--cores LIST] [--keep] [REVISION]
#
# The Debian packages must be installed already (scripts/install-deps.sh), so
# that only the build and the tests are timed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cores=""
keep=0
revision=HEAD
while [ $# -gt 0 ]; do
    case "$1" in
        --cores) cores="$2"; shift 2 ;;
        --keep) keep=1; shift ;;
        -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
        *) revision="$1"; shift ;;
    esac
done

work="$(mktemp -d)"
if [ "$keep" -eq 0 ]; then
    trap 'rm -rf "$work"' EXIT
fi
git clone -q "$root" "$work/clone"
git -C "$work/clone" checkout -q "$(git -C "$root" rev-parse "$revision")"

# cmake and ctest are wrapped so that each step's times are logged: cmake -S
# configures, cmake --build builds, ctest tests.
mkdir "$work/shims"
log="$work/steps.log"
for tool in cmake ctest; do
    real="$(command -v "$tool")"
    cat > "$work/shims/$tool" <<SHIM
#!/usr/bin/env bash
step=$tool
case " \$* " in
    *" --build "*) step=build ;;
    *" -S "*|*" -B "*) step=configure ;;
esac
[ "\$step" = ctest ] && step=test
TIMEFORMAT="\$step %R %U %S"
{ time "$real" "\$@" 2>&3 ; } 3>&2 2>>"$log"
SHIM
    chmod +x "$work/shims/$tool"
done

pin=()
if [ -n "$cores" ]; then
    pin=(taskset -c "$cores")
fi
start=$(date +%s.%N)
status=0
(cd "$work/clone" && PATH="$work/shims:$PATH" CI=true "${pin[@]}" bash .ci/run) \
    > "$work/ci.log" 2>&1 || status=$?
end=$(date +%s.%N)

echo "revision $(git -C "$work/clone" rev-parse --short HEAD), cores ${cores:-all ($(nproc))}, .ci/run exit $status"
awk '{ w[$1] += $2; c[$1] += $3 + $4 }
     END { for (s in w) printf "%-10s wall %7.1f s   cpu (user+sys) %8.1f s\n", s, w[s], c[s] }' "$log" | sort
awk -v s="$start" -v e="$end" 'BEGIN { printf "%-10s wall %7.1f s\n", "total", e - s }'
tail -n 3 "$work/ci.log"
if [ "$keep" -eq 1 ]; then
    echo "kept in $work"
fi
exit "$status"
