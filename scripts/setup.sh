#!/usr/bin/env bash
# Installs what this project needs on a Debian 12 machine (as root, idempotent),
# then configures and builds the default tree in build/.
#
#   scripts/setup.sh              install, configure and build build/
#   scripts/setup.sh --deps-only  install only
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The single list of Debian packages the project uses.
packages=(
    cmake ninja-build g++ make zlib1g-dev libdeflate-dev
    qtbase5-dev qtbase5-dev-tools
    qtdeclarative5-dev qtdeclarative5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qttest
    imagemagick python3-pil qt5-image-formats-plugins icnsutils
    qttools5-dev-tools qttranslations5-l10n
    qtquickcontrols2-5-dev qml-module-qtquick-controls qml-module-qtquick-controls2
    qml-module-qtquick-templates2 qml-module-qtquick-dialogs qml-module-qtquick-layouts
    qml-module-qtgraphicaleffects qml-module-qt-labs-settings qml-module-qt-labs-platform
    libqt5svg5 qtwebengine5-dev qml-module-qtwebengine openssl
    python3 fonts-open-sans bootstrap-icons python3-fontforge librsvg2-bin
    node-qrcode-generator zbar-tools xvfb xauth
    clang libclang-rt-14-dev llvm
    libkf5archive-dev qemu-user
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = "--deps-only" ] && exit 0

cd "$top"
"$top/scripts/configure.sh" default
cmake --build --preset default -j "$(nproc)"
