#!/usr/bin/env bash
# Builds the default tree in build/ (through setup.sh) and runs every benchmark
# there with its default parameters, one after the other so that they do not
# compete for the machine.
#
#   scripts/bench.sh
#
# The figures go to standard output. The exit status is non-zero when a
# benchmark failed, which means it found its results wrong (lost output, a
# child that did not run), never that something was merely slow.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$top/scripts/setup.sh"
# The benchmarks that the default build leaves out (the start-up benchmark's
# second plugin) are built now.
cmake --build --preset default -j "$(nproc)" --target loomwright-benchmarks

# Written by bench/CMakeLists.txt: the benchmarks, without their helper programs.
list="$top/build/bench/benchmarks.txt"
if [ ! -f "$list" ]; then
    echo "bench: $list is missing; is LOOMWRIGHT_BUILD_BENCHMARKS off in build/?" >&2
    exit 1
fi

status=0
while IFS= read -r benchmark; do
    [ -n "$benchmark" ] || continue
    echo "== $(basename "$benchmark")"
    if ! "$benchmark"; then
        echo "bench: $(basename "$benchmark") failed" >&2
        status=1
    fi
    echo
done < "$list"

exit "$status"
