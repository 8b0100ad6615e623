#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with AddressSanitizer and
# UndefinedBehaviorSanitizer (the "fuzz" preset, build-fuzz/), replays their
# seeds and every earlier finding (fuzz/regressions/), then fuzzes each target
# for SECONDS (default 60) from its corpus. A crash, a sanitizer report, a
# leak or a hang of any target fails the run; the input that caused it is
# left in build-fuzz/fuzz/findings/<target>/, to be added to
# fuzz/regressions/<target>/ once mended.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

"$top/scripts/setup.sh" --deps-only
cd "$top"
"$top/scripts/configure.sh" fuzz
cmake --build --preset fuzz -j "$(nproc)"

echo "== fuzz: seeds and earlier findings"
status=0
ctest --preset fuzz || status=1

fuzzdir="$top/build-fuzz/fuzz"
for source in "$top"/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    name=${name#fuzz_}
    corpus="$fuzzdir/corpus/$name"
    findings="$fuzzdir/findings/$name"
    mkdir -p "$corpus" "$findings"
    inputs=("$corpus" "$fuzzdir/seeds/$name")
    [ -d "$top/fuzz/regressions/$name" ] && inputs+=("$top/fuzz/regressions/$name")

    echo "== fuzz: $name for $seconds s"
    # New inputs go to the first folder, the corpus of the build tree.
    # Pictures may claim up to 1 GiB of pixels, hence the higher memory limit;
    # an input that takes more than 30 s counts as a hang.
    if ! "$fuzzdir/fuzz_$name" -max_total_time="$seconds" \
            -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
            -artifact_prefix="$findings/" "${inputs[@]}" 2>"$fuzzdir/$name.log"; then
        tail -n 60 "$fuzzdir/$name.log" >&2
        echo "fuzz: $name failed; the input is in $findings/, the log in $fuzzdir/$name.log" >&2
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$fuzzdir/$name.log" || true
done
exit $status
