#!/usr/bin/env bash
# Brings the plugin's translation sources in step with the QML: one command
# after QML texts were added, changed or removed.
#
#   scripts/update-translations.sh           refresh the .ts files
#   scripts/update-translations.sh --check   only say whether they are in step
#
# lupdate collects every qsTr() text of the embedded modules (QML and JS
# files under qml/imports; a component's texts carry its name as context)
# and every text of the sample tool (examples/sampletool, when it is there,
# with the step names of the main job that it shows;
# its C++ texts carry their class's name) into
# qml/languages/LoomwrightPlugin_<locale>.ts, dropping texts that are gone.
# The English catalogue holds only the texts that count, for their singular
# and plural forms. The translations then come from the tables in
# qml/languages/translations/<locale>.json (see qml/languages/README.md);
# texts that no table translates yet are listed and stay out of the compiled
# catalogues until they are. The build compiles the .ts files.
#
# --check writes nothing in the tree: it refreshes copies in a temporary
# folder and compares them with the committed files. It fails (exit code 1)
# when a text of the sources is missing from a catalogue or gone from the
# sources, when a catalogue does not hold what its table says, and when a
# table entry is invalid (lost or added placeholders or rich-text tags, the
# wrong number of plural forms); it lists the untranslated texts without
# failing. The test suite runs it.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

check=false
case "${1-}" in
    "") ;;
    --check) check=true ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

lupdate=${LUPDATE:-lupdate}
export LCONVERT=${LCONVERT:-lconvert}
for tool in "$lupdate" "$LCONVERT"; do
    if ! command -v "$tool" > /dev/null; then
        echo "$0: $tool not found (Qt's linguist tools; LUPDATE and LCONVERT name other ones)" >&2
        exit 2
    fi
done

sources=(qml/imports)
# The sample tool, and the names of the main job's steps, which it shows.
[ -d examples/sampletool ] && sources+=(examples/sampletool)
[ -f tools/iconsets/iconsetjob.cpp ] && sources+=(tools/iconsets/iconsetjob.cpp)

folder=qml/languages
if $check; then
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
fi

mapfile -t locales < qml/languages/locales
files=()
for locale in "${locales[@]}"; do
    ts="$folder/LoomwrightPlugin_$locale.ts"
    # lupdate merges into what is there, as the refresh does in the tree.
    if $check && [ -f "qml/languages/LoomwrightPlugin_$locale.ts" ]; then
        cp "qml/languages/LoomwrightPlugin_$locale.ts" "$ts"
    fi
    options=(-silent -no-obsolete -locations none -extensions qml,js,cpp,h
             -source-language en -target-language "$locale")
    [ "$locale" = en ] && options+=(-pluralonly)
    "$lupdate" "${options[@]}" "${sources[@]}" -ts "$ts"
    files+=("$ts")
done

if $check; then
    status=0
    python3 -B qml/languages/apply_translations.py --check qml/languages "${files[@]}" || status=$?
    # A catalogue or table of a locale that is not listed is built by
    # nobody: a leftover, or a locale someone forgot to list.
    declare -A listed=()
    for locale in "${locales[@]}"; do listed[$locale]=1; done
    for file in qml/languages/LoomwrightPlugin_*.ts qml/languages/translations/*.json; do
        [ -e "$file" ] || continue
        locale=${file##*/}
        locale=${locale#LoomwrightPlugin_}
        locale=${locale%.*}
        if [ -z "${listed[$locale]-}" ]; then
            echo "$file: $locale is not in qml/languages/locales" >&2
            status=1
        fi
    done
    exit "$status"
fi

python3 -B qml/languages/apply_translations.py "${files[@]}"
