#!/usr/bin/env bash
# Configures the build tree of a preset of CMakePresets.json. A tree that an
# older checkout configured with another generator is configured afresh (its
# cache and CMake's own files go; what the build made stays), since CMake
# refuses to change the generator of an existing tree.
#
#   scripts/configure.sh PRESET
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:?usage: $0 PRESET}
case "$preset" in
    default) dir="$top/build" ;;
    *) dir="$top/build-$preset" ;;
esac

cache="$dir/CMakeCache.txt"
if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    echo "configure: $dir was made with another generator; configuring it afresh"
    rm -rf "$cache" "$dir/CMakeFiles"
fi
cd "$top"
cmake --preset "$preset" >/dev/null
