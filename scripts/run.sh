#!/usr/bin/env bash
# Sets the machine up, builds, then runs the main job: a QML program that
# starts a program through the Loomwright plugin, streams its output line by
# line to the terminal and ends with its exit code.
#
#   scripts/run.sh [PROGRAM [ARGUMENTS...]]
#
# Without a program it lists the plugin it has just built.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
[ $# -gt 0 ] || set -- ls -l "$top/build/qml/Varnex/Loomwright"
exec "$top/build/examples/processrunner/loomwright-processrunner" \
    "$top/examples/processrunner/main.qml" "$@"
