# The two translation trees of the plugin, built from sources at build time:
#
#   :/languages        LoomwrightPlugin_<locale>.qm, compiled with lrelease from
#                      qml/languages/LoomwrightPlugin_<locale>.ts
#   :/qt_translations  qt_<locale>.qm and qtquickcontrols_<locale>.qm, taken from
#                      Qt's own catalogues where they exist, otherwise compiled
#                      from a <name>.ts that qml/qt_translations/make_ts.py
#                      writes from that folder's catalogues.json and per-language
#                      tables (translations/<locale>.json)
#
# Sets LOOMWRIGHT_LANGUAGES_QRC and LOOMWRIGHT_QT_TRANSLATIONS_QRC, the
# compiled resource trees that the plugin lists, "languages" and
# "qt_translations" (the names of their initialisation functions too).

get_target_property(_loomwright_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND "${_loomwright_qmake}" -query QT_INSTALL_BINS
                OUTPUT_VARIABLE _loomwright_qt_bins OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND "${_loomwright_qmake}" -query QT_INSTALL_TRANSLATIONS
                OUTPUT_VARIABLE _loomwright_qt_translations OUTPUT_STRIP_TRAILING_WHITESPACE)

find_program(LOOMWRIGHT_LRELEASE NAMES lrelease lrelease-qt5 HINTS "${_loomwright_qt_bins}" REQUIRED)
find_program(LOOMWRIGHT_LCONVERT NAMES lconvert lconvert-qt5 HINTS "${_loomwright_qt_bins}" REQUIRED)
find_program(LOOMWRIGHT_PYTHON3 NAMES python3 REQUIRED)
set(LOOMWRIGHT_QT_TRANSLATIONS_DIR "${_loomwright_qt_translations}" CACHE PATH
    "Qt's own translation catalogues (on Debian from qttranslations5-l10n)")

file(STRINGS "${CMAKE_SOURCE_DIR}/qml/languages/locales" LOOMWRIGHT_PLUGIN_LOCALES)
file(STRINGS "${CMAKE_SOURCE_DIR}/qml/qt_translations/locales" LOOMWRIGHT_QT_LOCALES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${CMAKE_SOURCE_DIR}/qml/languages/locales" "${CMAKE_SOURCE_DIR}/qml/qt_translations/locales")

set(_loomwright_translations_dir "${CMAKE_BINARY_DIR}/translations")

# The Qt catalogues the project supplies itself are the ones catalogues.json
# names; each is written from its language's table only when Qt has none.
set(_loomwright_own_qt_dir "${CMAKE_SOURCE_DIR}/qml/qt_translations")
set(_loomwright_make_ts "${_loomwright_own_qt_dir}/make_ts.py")
set(_loomwright_qt_catalogues "${_loomwright_own_qt_dir}/catalogues.json")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_loomwright_qt_catalogues}")
execute_process(COMMAND "${LOOMWRIGHT_PYTHON3}" "${_loomwright_make_ts}" list "${_loomwright_qt_catalogues}"
                OUTPUT_VARIABLE _loomwright_own_qt_catalogues RESULT_VARIABLE _loomwright_result
                ERROR_VARIABLE _loomwright_error)
if(NOT _loomwright_result EQUAL 0)
    message(FATAL_ERROR "Cannot read ${_loomwright_qt_catalogues}: ${_loomwright_error}")
endif()
string(STRIP "${_loomwright_own_qt_catalogues}" _loomwright_own_qt_catalogues)
string(REPLACE "\n" ";" _loomwright_own_qt_catalogues "${_loomwright_own_qt_catalogues}")

# Writes <dir>/<name>.qrc listing files (names relative to dir) under prefix,
# stored uncompressed: the translators then read the catalogues in place. The
# collection is written while configuring, and only when its list changes; the
# resource compiler runs on it when a catalogue changes, and only then, so a
# build with nothing changed does nothing. Returns the compiled source.
function(_loomwright_translations_qrc name dir prefix files outvar)
    set(content "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"${prefix}\">\n")
    set(depends)
    foreach(file IN LISTS files)
        string(APPEND content "        <file compression-algorithm=\"none\">${file}</file>\n")
        list(APPEND depends "${dir}/${file}")
    endforeach()
    string(APPEND content "    </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT "${dir}/${name}.qrc" CONTENT "${content}" @ONLY)
    get_target_property(rcc Qt5::rcc IMPORTED_LOCATION)
    set(cpp "${_loomwright_translations_dir}/qrc_${name}.cpp")
    add_custom_command(
        OUTPUT "${cpp}"
        COMMAND "${rcc}" --format-version 3 --name ${name} --output "${cpp}" "${dir}/${name}.qrc"
        DEPENDS "${dir}/${name}.qrc" ${depends}
        VERBATIM)
    set(${outvar} "${cpp}" PARENT_SCOPE)
endfunction()

function(_loomwright_translation_trees)
    # Tree 1: the plugin's own catalogues. Unfinished messages stay out, so a
    # catalogue ships only reviewed texts.
    set(out "${_loomwright_translations_dir}/languages")
    file(MAKE_DIRECTORY "${out}")
    set(names)
    foreach(locale IN LISTS LOOMWRIGHT_PLUGIN_LOCALES)
        set(ts "${CMAKE_SOURCE_DIR}/qml/languages/LoomwrightPlugin_${locale}.ts")
        set(qm "LoomwrightPlugin_${locale}.qm")
        add_custom_command(
            OUTPUT "${out}/${qm}"
            COMMAND "${LOOMWRIGHT_LRELEASE}" -silent -nounfinished "${ts}" -qm "${out}/${qm}"
            DEPENDS "${ts}"
            VERBATIM)
        list(APPEND names "${qm}")
    endforeach()
    _loomwright_translations_qrc(languages "${out}" "/languages" "${names}"
                                 LOOMWRIGHT_LANGUAGES_QRC)

    # Tree 2: Qt's catalogues. Qt's own file is taken unchanged where it exists.
    # Most of Qt's qt_<locale>.qm files are only lists of the module catalogues
    # they stand for (qtbase_<locale> and others), which a translator looks for
    # beside the list, so such a list is replaced by one catalogue merged from
    # those module catalogues: Qt's texts still, only in one file.
    set(out "${_loomwright_translations_dir}/qt_translations")
    file(MAKE_DIRECTORY "${out}" "${_loomwright_translations_dir}/qt_translations_ts")
    set(names)
    set(merged)
    set(own)
    foreach(locale IN LISTS LOOMWRIGHT_QT_LOCALES)
        foreach(prefix qt qtquickcontrols)
            set(name "${prefix}_${locale}")
            set(qm "${out}/${name}.qm")
            set(qt_file "${LOOMWRIGHT_QT_TRANSLATIONS_DIR}/${name}.qm")
            set(table "${_loomwright_own_qt_dir}/translations/${locale}.json")
            if(EXISTS "${qt_file}")
                # What the file holds is decided here, so a new one means a new decision.
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${qt_file}")
                execute_process(COMMAND "${LOOMWRIGHT_LCONVERT}" -i "${qt_file}" -of ts -o -
                                OUTPUT_VARIABLE catalogue RESULT_VARIABLE result)
                if(NOT result EQUAL 0)
                    message(FATAL_ERROR "lconvert cannot read ${qt_file}")
                endif()
                string(REGEX MATCHALL "<dependency catalog=\"[^\"]+\"" dependencies "${catalogue}")
                if(dependencies)
                    set(inputs)
                    foreach(dependency IN LISTS dependencies)
                        string(REGEX REPLACE "^<dependency catalog=\"([^\"]+)\"$" "\\1" dependency "${dependency}")
                        set(dependency_file "${LOOMWRIGHT_QT_TRANSLATIONS_DIR}/${dependency}.qm")
                        if(EXISTS "${dependency_file}")
                            list(APPEND inputs "${dependency_file}")
                        else()
                            message(WARNING "${qt_file} names ${dependency}, which is not installed; "
                                            "${name}.qm goes without it")
                        endif()
                    endforeach()
                    if(NOT inputs)
                        message(FATAL_ERROR "None of the catalogues that ${qt_file} names is installed")
                    endif()
                    set(arguments)
                    foreach(input IN LISTS inputs)
                        list(APPEND arguments -i "${input}")
                    endforeach()
                    add_custom_command(
                        OUTPUT "${qm}"
                        COMMAND "${LOOMWRIGHT_LCONVERT}" ${arguments} -o "${qm}"
                        DEPENDS ${inputs}
                        VERBATIM)
                    list(APPEND merged "${name}")
                else()
                    add_custom_command(
                        OUTPUT "${qm}"
                        COMMAND "${CMAKE_COMMAND}" -E copy "${qt_file}" "${qm}"
                        DEPENDS "${qt_file}"
                        VERBATIM)
                endif()
            elseif(name IN_LIST _loomwright_own_qt_catalogues)
                if(NOT EXISTS "${table}")
                    message(FATAL_ERROR "${_loomwright_qt_catalogues} lists ${name}, but ${table} does not exist")
                endif()
                # The .ts goes beside the resource tree, not into it: only the
                # files the collection lists end up in the plugin.
                set(ts "${_loomwright_translations_dir}/qt_translations_ts/${name}.ts")
                add_custom_command(
                    OUTPUT "${ts}"
                    COMMAND "${LOOMWRIGHT_PYTHON3}" "${_loomwright_make_ts}" write
                            "${_loomwright_qt_catalogues}" "${table}" "${prefix}" "${locale}" "${ts}"
                    DEPENDS "${_loomwright_make_ts}" "${_loomwright_qt_catalogues}" "${table}"
                    VERBATIM)
                add_custom_command(
                    OUTPUT "${qm}"
                    COMMAND "${LOOMWRIGHT_LRELEASE}" -silent -nounfinished "${ts}" -qm "${qm}"
                    DEPENDS "${ts}"
                    VERBATIM)
                list(APPEND own "${name}")
            else()
                message(FATAL_ERROR "No Qt catalogue ${name}: neither ${qt_file} (install qttranslations5-l10n) "
                                    "nor a table for it in ${_loomwright_qt_catalogues}")
            endif()
            list(APPEND names "${name}.qm")
        endforeach()
    endforeach()
    list(LENGTH merged merged_count)
    list(LENGTH own own_count)
    message(STATUS "Qt catalogues: ${merged_count} merged from Qt's module catalogues, "
                   "${own_count} of the project's own")
    _loomwright_translations_qrc(qt_translations "${out}" "/qt_translations" "${names}"
                                 LOOMWRIGHT_QT_TRANSLATIONS_QRC)
    set(LOOMWRIGHT_LANGUAGES_QRC "${LOOMWRIGHT_LANGUAGES_QRC}" PARENT_SCOPE)
    set(LOOMWRIGHT_QT_TRANSLATIONS_QRC "${LOOMWRIGHT_QT_TRANSLATIONS_QRC}" PARENT_SCOPE)
endfunction()

_loomwright_translation_trees()
