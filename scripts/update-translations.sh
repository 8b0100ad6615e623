#!/usr/bin/env bash
# Brings the plugin's translation sources in step with the QML: one command
# after QML texts were added, changed or removed.
#
#   scripts/update-translations.sh
#
# lupdate collects every qsTr() text of the embedded modules (QML and JS
# files under qml/imports; a component's texts carry its name as context)
# into qml/languages/LoomwrightPlugin_<locale>.ts, dropping texts that are
# gone. The English catalogue holds only the texts that count, for their
# singular and plural forms. The translations then come from the tables in
# qml/languages/translations/<locale>.json (see qml/languages/README.md);
# texts that no table translates yet are listed and stay out of the
# compiled catalogues until they are. The build compiles the .ts files.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

lupdate=${LUPDATE:-lupdate}
export LCONVERT=${LCONVERT:-lconvert}

mapfile -t locales < qml/languages/locales
files=()
for locale in "${locales[@]}"; do
    ts="qml/languages/LoomwrightPlugin_$locale.ts"
    options=(-silent -no-obsolete -locations none -extensions qml,js
             -source-language en -target-language "$locale")
    [ "$locale" = en ] && options+=(-pluralonly)
    "$lupdate" "${options[@]}" qml/imports -ts "$ts"
    files+=("$ts")
done

python3 qml/languages/apply_translations.py "${files[@]}"
