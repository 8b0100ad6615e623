#!/usr/bin/env bash
# Sets the machine up, then builds and runs the whole test suite twice: in the
# default build (build/) and in the AddressSanitizer and
# UndefinedBehaviorSanitizer build (build-sanitize/). A failing test or any
# sanitizer report, also one from a child process, fails the run. Then each
# fuzz target runs for 30 s (scripts/fuzz.sh).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

"$top/scripts/setup.sh"
cd "$top"

echo "== a second build with nothing changed does nothing"
noop=$(cmake --build --preset default)
if [ "$noop" != "ninja: no work to do." ]; then
    echo "test: a build with nothing changed still ran build steps:" >&2
    echo "$noop" >&2
    exit 1
fi

echo "== tests: default build"
ctest --preset default -j "$jobs"

# The output record once more as processors without AVX and with AVX2, under
# the emulator, against the pixels of the native run: the generators must
# make the same bytes on every machine. The main job runs in the test's own
# process there; its process of its own would run natively.
for cpu in Nehalem Haswell; do
    echo "== output record as $cpu"
    (cd "$top/build" && QT_QPA_PLATFORM=offscreen \
        LOOMWRIGHT_MANIFEST_REFERENCE="$top/build/tests/outputmanifest-files" \
        qemu-x86_64 -cpu "$cpu" tests/tst_imaging_outputmanifest \
        "outputs:benchmark scenario" "outputs:main job as the benchmark runs it")
done

echo "== tests: sanitizer build"
"$top/scripts/configure.sh" sanitize
cmake --build --preset sanitize -j "$jobs"
reports="$top/build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
status=0
ctest --preset sanitize -j "$jobs" || status=$?

if [ -n "$(ls -A "$reports")" ]; then
    echo "== sanitizer reports:" >&2
    for report in "$reports"/*; do
        echo "-- $report" >&2
        cat "$report" >&2
    done
    status=1
fi

# Every fuzz target for about 30 s, with the sanitizers of the fuzz build.
echo "== fuzzing"
"$top/scripts/fuzz.sh" 30 || status=1
exit $status
