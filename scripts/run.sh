#!/usr/bin/env bash
# Sets the machine up, builds, then runs the main job: the command-line tool
# loomwright-iconsets, which makes every platform's app icons, launch images
# and installer pictures from one picture through the Loomwright plugin and
# prints per platform the files, bytes and time.
#
#   scripts/run.sh [OPTIONS] PICTURE [OUTPUT_FOLDER]
#                                 the sets of PICTURE into OUTPUT_FOLDER
#                                 (default: icon-sets); --help lists the options
#   scripts/run.sh                the sets of the project's sample picture
#                                 into build/sample-output, emptied first
#   scripts/run.sh --run PROGRAM [ARGUMENTS...]
#                                 starts PROGRAM through the plugin and
#                                 streams its output
#   scripts/run.sh --tool [--demo] [--locale NAME] [PICTURE] [OUTPUT_FOLDER]
#                                 the same job in a window, the sample tool
#                                 loomwright-sampletool; --demo signs in to a
#                                 portal on this machine (needs a display)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# A window needs a display; say how to get one before building anything.
if [ "${1:-}" = "--tool" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "scripts/run.sh --tool opens a window, and there is no display (DISPLAY, WAYLAND_DISPLAY)." >&2
    echo "Run it under a virtual one:  xvfb-run -a scripts/run.sh --tool --demo" >&2
    exit 2
fi

"$top/scripts/setup.sh"
# Qt wants a private runtime folder; a root shell on a server has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
fi

if [ "${1:-}" = "--tool" ]; then
    shift
    # Chromium, which shows the sign-in page, refuses to run as root with
    # its sandbox.
    if [ "$(id -u)" -eq 0 ]; then
        export QTWEBENGINE_DISABLE_SANDBOX=1
    fi
    exec "$top/build/examples/sampletool/loomwright-sampletool" "$@"
fi

# The plugin's picture operations need a GUI application, which needs no
# display on this platform.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
host="$top/build/examples/processrunner/loomwright-processrunner"

if [ "${1:-}" = "--run" ]; then
    shift
    [ $# -gt 0 ] || { echo "usage: scripts/run.sh --run PROGRAM [ARGUMENTS...]" >&2; exit 2; }
    exec "$host" "$top/examples/processrunner/main.qml" "$@"
fi

tool="$top/build/tools/iconsets/loomwright-iconsets"
if [ $# -gt 0 ]; then
    exec "$tool" "$@"
fi
# The default folder belongs to the build, so a run starts from nothing and
# the counts show this run's files only.
output="$top/build/sample-output"
rm -rf -- "$output"
exec "$tool" --sample "$output"
