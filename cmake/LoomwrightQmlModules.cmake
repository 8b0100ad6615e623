# The three embedded QML modules, built into the plugin as resource trees,
# and the folder that two of them share:
#
#   :/imports/Varnex/Loomwright/Controls   resource "controls"
#   :/imports/Varnex/Loomwright/Private    resource "private"
#   :/imports/Varnex/Loomwright/Internal   resource "internal"
#   :/imports/Feldrin                      resource "feldrin"
#
# Internal is no module: Controls and Private import it by relative path, and
# never each other, so that its files (the theme, the shared scripts, the
# session of a window) exist once. Their qmldir rows point into it for the
# types they make public.
#
# Each tree holds the module folder's qmldir and every .qml and .js file in it
# (a component dropped into the folder is picked up at the next build; its
# qmldir row makes it public), plus the pictures and fonts that the scripts in
# qml/assets make at build time from Debian's packages. The manifests in
# qml/assets/manifests name every generated file.
#
# With LOOMWRIGHT_QML_AOT (the default) the QML and JavaScript files are
# compiled ahead of time by Qt's Quick Compiler; the sources stay in the trees.
#
# Makes the object library loomwright_qml_modules, which the plugin links.
#
# With benchmarks on, the plugin can be built a second time in the other mode
# (AOT or not) into bench/qml-<mode>; only the start-up benchmark asks for it,
# so neither is part of the default build.

option(LOOMWRIGHT_QML_AOT "Compile the embedded QML modules ahead of time" ON)

# --- Tools and inputs -------------------------------------------------------

# FontForge's Python module is Debian's and imports only under Debian's own
# Python, which need not be the first python3 on the PATH.
find_program(LOOMWRIGHT_SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT LOOMWRIGHT_SYSTEM_PYTHON)
    find_program(LOOMWRIGHT_SYSTEM_PYTHON NAMES python3 REQUIRED)
endif()
find_program(LOOMWRIGHT_RSVG_CONVERT rsvg-convert REQUIRED)
find_path(LOOMWRIGHT_BOOTSTRAP_ICONS_DIR NAMES gear.svg
          PATHS /usr/share/bootstrap-icons /usr/share/bootstrap-icons/svg PATH_SUFFIXES svg
          DOC "Bootstrap Icons SVG files (Debian package bootstrap-icons)")
find_path(LOOMWRIGHT_OPEN_SANS_DIR NAMES OpenSans-Regular.ttf
          PATHS /usr/share/fonts/truetype/open-sans
          DOC "Open Sans font files (Debian package fonts-open-sans)")
foreach(_input LOOMWRIGHT_BOOTSTRAP_ICONS_DIR LOOMWRIGHT_OPEN_SANS_DIR)
    if(NOT ${_input})
        message(FATAL_ERROR "${_input} not found: scripts/setup.sh installs bootstrap-icons and fonts-open-sans")
    endif()
endforeach()
execute_process(COMMAND "${LOOMWRIGHT_SYSTEM_PYTHON}" -c "import fontforge"
                RESULT_VARIABLE _fontforge_missing OUTPUT_QUIET ERROR_QUIET)
if(_fontforge_missing)
    message(FATAL_ERROR "${LOOMWRIGHT_SYSTEM_PYTHON} cannot import fontforge: "
                        "scripts/setup.sh installs python3-fontforge")
endif()

set(_lw_sources "${CMAKE_SOURCE_DIR}/qml/imports")
set(_lw_assets "${CMAKE_SOURCE_DIR}/qml/assets")
set(_lw_manifests "${_lw_assets}/manifests")
set(_lw_generated "${CMAKE_BINARY_DIR}/qml-assets")
set(_lw_qrc_dir "${CMAKE_BINARY_DIR}/qml-resources")

set(_lw_module_Controls_dir "${_lw_sources}/Varnex/Loomwright/Controls")
set(_lw_module_Controls_prefix "/imports/Varnex/Loomwright/Controls")
set(_lw_module_Controls_resource controls)
set(_lw_module_Private_dir "${_lw_sources}/Varnex/Loomwright/Private")
set(_lw_module_Private_prefix "/imports/Varnex/Loomwright/Private")
set(_lw_module_Private_resource private)
set(_lw_module_Internal_dir "${_lw_sources}/Varnex/Loomwright/Internal")
set(_lw_module_Internal_prefix "/imports/Varnex/Loomwright/Internal")
set(_lw_module_Internal_resource internal)
set(_lw_module_Feldrin_dir "${_lw_sources}/Feldrin")
set(_lw_module_Feldrin_prefix "/imports/Feldrin")
set(_lw_module_Feldrin_resource feldrin)
set(_lw_modules Controls Private Internal Feldrin)

# The manifests are read here to know every generated file by name; a changed
# manifest configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${_lw_manifests}/controls-images.tsv" "${_lw_manifests}/private-images.tsv"
    "${_lw_manifests}/text-fonts.tsv")

# _lw_manifest_rows(<file> <out>): the rows of a manifest, comments and blank
# lines left out, each row a string of fields separated by "|".
function(_lw_manifest_rows file out)
    file(STRINGS "${file}" lines)
    set(rows)
    foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
        string(REPLACE ";" "|" fields "${fields}")
        list(APPEND rows "${fields}")
    endforeach()
    set(${out} "${rows}" PARENT_SCOPE)
endfunction()

# --- Generated pictures and fonts --------------------------------------------

# Each file as "<name in the tree>|<generated file>", per module.
set(_lw_generated_Controls)
set(_lw_generated_Private)
set(_lw_generated_Internal)
set(_lw_generated_Feldrin)

set(_controls_images "${_lw_generated}/Controls/images")
set(_theme_fonts "${_lw_generated}/Internal/fonts")
set(_private_images "${_lw_generated}/Private/images")
set(_feldrin_fonts "${_lw_generated}/Feldrin/fonts")

set(_image_outputs)
set(_icon_pictures)
_lw_manifest_rows("${_lw_manifests}/controls-images.tsv" _rows)
foreach(_row IN LISTS _rows)
    string(REPLACE "|" ";" _fields "${_row}")
    list(GET _fields 0 _name)
    list(GET _fields 2 _variants)
    if(_variants STREQUAL "png")
        set(_files "${_name}.png")
    elseif(_variants STREQUAL "svg")
        set(_files "${_name}.svg")
    elseif(_variants STREQUAL "svg+png")
        set(_files "${_name}.svg" "${_name}_l.png" "${_name}_d.png")
    else()
        message(FATAL_ERROR "controls-images.tsv: ${_name} has unknown variants ${_variants}")
    endif()
    foreach(_file IN LISTS _files)
        list(APPEND _image_outputs "${_controls_images}/${_file}")
        list(APPEND _lw_generated_Controls "images/${_file}|${_controls_images}/${_file}")
    endforeach()
    if(NOT _variants STREQUAL "png")
        list(APPEND _icon_pictures "${_controls_images}/${_name}.svg")
    endif()
endforeach()
# The pictures of the Private manifest that files in Internal load by
# relative path: the portal's stand-in for a user without a picture.
set(_lw_internal_pictures no_user.png)
_lw_manifest_rows("${_lw_manifests}/private-images.tsv" _rows)
foreach(_row IN LISTS _rows)
    string(REPLACE "|" ";" _fields "${_row}")
    list(GET _fields 0 _file)
    list(APPEND _image_outputs "${_private_images}/${_file}")
    if(_file IN_LIST _lw_internal_pictures)
        list(APPEND _lw_generated_Internal "images/${_file}|${_private_images}/${_file}")
    else()
        list(APPEND _lw_generated_Private "images/${_file}|${_private_images}/${_file}")
    endif()
endforeach()

# Paths in the dependency files are absolute.
if(POLICY CMP0116)
    cmake_policy(SET CMP0116 NEW)
endif()

add_custom_command(
    OUTPUT ${_image_outputs}
    COMMAND "${LOOMWRIGHT_SYSTEM_PYTHON}" -B "${_lw_assets}/make_images.py"
            --bootstrap "${LOOMWRIGHT_BOOTSTRAP_ICONS_DIR}" --rsvg "${LOOMWRIGHT_RSVG_CONVERT}"
            --controls "${_controls_images}" --private "${_private_images}"
            --depfile "${_lw_generated}/images.d"
    DEPENDS "${_lw_assets}/make_images.py" "${_lw_assets}/assetlib.py"
            "${_lw_manifests}/controls-images.tsv" "${_lw_manifests}/private-images.tsv"
    DEPFILE "${_lw_generated}/images.d"
    COMMENT "Making the pictures of the QML modules"
    VERBATIM)

set(_text_fonts)
file(STRINGS "${_lw_manifests}/text-fonts.tsv" _lines REGEX "^[A-Za-z]")
foreach(_line IN LISTS _lines)
    string(REGEX MATCH "^[^ \t]+" _file "${_line}")
    list(APPEND _text_fonts "${_theme_fonts}/${_file}")
    list(APPEND _lw_generated_Internal "fonts/${_file}|${_theme_fonts}/${_file}")
endforeach()
add_custom_command(
    OUTPUT ${_text_fonts}
    COMMAND "${LOOMWRIGHT_SYSTEM_PYTHON}" -B "${_lw_assets}/make_fonts.py" text
            --source-dir "${LOOMWRIGHT_OPEN_SANS_DIR}" --out "${_theme_fonts}"
            --depfile "${_lw_generated}/text-fonts.d"
    DEPENDS "${_lw_assets}/make_fonts.py" "${_lw_assets}/assetlib.py" "${_lw_manifests}/text-fonts.tsv"
    DEPFILE "${_lw_generated}/text-fonts.d"
    COMMENT "Making the text fonts of the theme"
    VERBATIM)

# The theme's icon font draws its glyphs from the pictures of Controls.
add_custom_command(
    OUTPUT "${_theme_fonts}/Brimforge.ttf"
    COMMAND "${LOOMWRIGHT_SYSTEM_PYTHON}" -B "${_lw_assets}/make_fonts.py" icons
            --pictures "${_controls_images}" --out "${_theme_fonts}/Brimforge.ttf"
    DEPENDS "${_lw_assets}/make_fonts.py" "${_lw_assets}/assetlib.py" "${_lw_manifests}/brimforge-icons.tsv"
            ${_icon_pictures}
    COMMENT "Making the icon font of the theme"
    VERBATIM)
list(APPEND _lw_generated_Internal "fonts/Brimforge.ttf|${_theme_fonts}/Brimforge.ttf")

foreach(_set feldrin-ui-icons-24 feldrin-point-symbols-21)
    set(_outputs "${_feldrin_fonts}/${_set}.ttf" "${_feldrin_fonts}/${_set}.json")
    set(_depends "${_lw_manifests}/${_set}.tsv")
    if(EXISTS "${_lw_manifests}/${_set}-origins.tsv")
        list(APPEND _outputs "${_feldrin_fonts}/${_set}.info")
        list(APPEND _depends "${_lw_manifests}/${_set}-origins.tsv")
    endif()
    add_custom_command(
        OUTPUT ${_outputs}
        COMMAND "${LOOMWRIGHT_SYSTEM_PYTHON}" -B "${_lw_assets}/make_fonts.py" glyphs --set ${_set}
                --bootstrap "${LOOMWRIGHT_BOOTSTRAP_ICONS_DIR}" --out "${_feldrin_fonts}"
                --depfile "${_lw_generated}/${_set}.d"
        DEPENDS "${_lw_assets}/make_fonts.py" "${_lw_assets}/assetlib.py" ${_depends}
        DEPFILE "${_lw_generated}/${_set}.d"
        COMMENT "Making the glyph font ${_set}"
        VERBATIM)
    foreach(_output IN LISTS _outputs)
        get_filename_component(_file "${_output}" NAME)
        list(APPEND _lw_generated_Feldrin "fonts/${_file}|${_output}")
    endforeach()
endforeach()

# The QR code encoder of the Controls module: the system's encoder script
# (Debian package node-qrcode-generator) wrapped into a QML library script.
# It is made while configuring, so that the Quick Compiler finds it in the
# tree and compiles it like the module's own scripts.
find_file(LOOMWRIGHT_QRCODE_ENCODER qrcode.js
          PATHS /usr/share/nodejs/qrcode-generator /usr/lib/nodejs/qrcode-generator
                /usr/share/javascript/qrcode-generator
          NO_DEFAULT_PATH
          DOC "QR code encoder script (Debian package node-qrcode-generator)")
if(NOT LOOMWRIGHT_QRCODE_ENCODER)
    message(FATAL_ERROR "qrcode.js not found: scripts/setup.sh installs node-qrcode-generator")
endif()
set(ENCODER "${LOOMWRIGHT_QRCODE_ENCODER}")
set(ADAPTER "${_lw_assets}/qrcode/qrcode_adapter.js")
set(OUTPUT "${_lw_generated}/Controls/QRCode.js")
include("${_lw_assets}/qrcode/wrap_qrcode.cmake")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${ENCODER}" "${ADAPTER}" "${_lw_assets}/qrcode/wrap_qrcode.cmake")
list(APPEND _lw_generated_Controls "QRCode.js|${OUTPUT}")
unset(ENCODER)
unset(ADAPTER)
unset(OUTPUT)

# The Private module's TwitterKeys: the two keys of the social-network
# sharing service belong to whoever builds and ships the plugin, so they come
# from the build configuration and never from the sources. The defaults only
# have the keys' form. Written while configuring, and touched only when a key
# changes, so that an unchanged configuration rebuilds nothing.
set(LOOMWRIGHT_TWITTER_CONSUMER_KEY "PlaceholderConsumerKey025" CACHE STRING
    "Consumer key of the sharing service for TwitterKeys: 25 letters and digits")
set(LOOMWRIGHT_TWITTER_CONSUMER_SECRET "PlaceholderSecretKeyOfFiftyLettersAndDigits0000050" CACHE STRING
    "Consumer secret of the sharing service for TwitterKeys: 50 letters and digits")
# Anything else would be a wrong key, and a quote would end the QML string.
foreach(_key_spec "LOOMWRIGHT_TWITTER_CONSUMER_KEY|25" "LOOMWRIGHT_TWITTER_CONSUMER_SECRET|50")
    string(REPLACE "|" ";" _key_spec "${_key_spec}")
    list(GET _key_spec 0 _key_variable)
    list(GET _key_spec 1 _key_length)
    string(LENGTH "${${_key_variable}}" _length)
    if(NOT _length EQUAL _key_length OR NOT "${${_key_variable}}" MATCHES "^[A-Za-z0-9]+$")
        message(FATAL_ERROR "${_key_variable} must be ${_key_length} letters and digits")
    endif()
endforeach()
set(_twitter_keys "${_lw_generated}/Private/TwitterKeys.qml")
file(CONFIGURE OUTPUT "${_twitter_keys}" @ONLY CONTENT [[
pragma Singleton

import QtQml 2.15

// The keys of the social-network sharing service, from the build
// configuration (LOOMWRIGHT_TWITTER_CONSUMER_KEY and
// LOOMWRIGHT_TWITTER_CONSUMER_SECRET). Made while configuring: edit those,
// not this file.
QtObject {
    id: root

    readonly property string twitterConsumerKey: "@LOOMWRIGHT_TWITTER_CONSUMER_KEY@"
    readonly property string twitterSecretKey: "@LOOMWRIGHT_TWITTER_CONSUMER_SECRET@"
}
]])
list(APPEND _lw_generated_Private "TwitterKeys.qml|${_twitter_keys}")

# --- Resource collection files ---------------------------------------------

# _lw_write_qrc(<module>): writes <resource>.qrc into the build tree, touching
# it only when its content changes, and returns the QML and JavaScript files
# that it lists in _lw_qml_<module>.
function(_lw_write_qrc module)
    set(dir "${_lw_module_${module}_dir}")
    # A file added to or taken from the folder changes the folder's time, which
    # configures again; a checked glob would run at every build instead.
    file(GLOB components "${dir}/*.qml" "${dir}/*.js")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${dir}")
    list(SORT components)
    set(entries "qmldir|${dir}/qmldir")
    foreach(file IN LISTS components)
        get_filename_component(name "${file}" NAME)
        list(APPEND entries "${name}|${file}")
    endforeach()
    list(APPEND entries ${_lw_generated_${module}})

    set(content "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"${_lw_module_${module}_prefix}\">\n")
    set(qml)
    foreach(entry IN LISTS entries)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 name)
        list(GET parts 1 file)
        string(APPEND content "        <file alias=\"${name}\">${file}</file>\n")
        if(name MATCHES "\\.(qml|js|mjs)$")
            list(APPEND qml "${file}")
        endif()
    endforeach()
    string(APPEND content "    </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT "${_lw_qrc_dir}/${_lw_module_${module}_resource}.qrc" CONTENT "${content}" @ONLY)
    set(_lw_qml_${module} "${qml}" PARENT_SCOPE)
endfunction()

set(_lw_all_qrc)
foreach(_module IN LISTS _lw_modules)
    _lw_write_qrc(${_module})
    list(APPEND _lw_all_qrc "${_lw_qrc_dir}/${_lw_module_${_module}_resource}.qrc")
endforeach()

# --- Compiling the trees ----------------------------------------------------
#
# The trees go into an object library that the plugin links. The linker puts
# its objects after the plugin's own, the translation trees included, so the
# static initialisers register the six trees in their order: translations
# first, then Controls, Private, Internal and Feldrin.

# _lw_plain_resources(<subdir> <prefix of output variables>): the resource
# compiler on the collection files as they are, into qml-resources/<subdir>.
function(_lw_plain_resources subdir out)
    get_target_property(rcc Qt5::rcc IMPORTED_LOCATION)
    file(MAKE_DIRECTORY "${_lw_qrc_dir}/${subdir}")
    foreach(module IN LISTS _lw_modules)
        set(resource "${_lw_module_${module}_resource}")
        set(qrc "${_lw_qrc_dir}/${resource}.qrc")
        set(cpp "${_lw_qrc_dir}/${subdir}/qrc_${resource}.cpp")
        set(depends)
        foreach(entry IN LISTS _lw_generated_${module})
            string(REGEX REPLACE "^[^|]*\\|" "" file "${entry}")
            list(APPEND depends "${file}")
        endforeach()
        add_custom_command(
            OUTPUT "${cpp}"
            COMMAND "${rcc}" --format-version 3 --name ${resource} --output "${cpp}" "${qrc}"
            DEPENDS "${qrc}" "${_lw_module_${module}_dir}/qmldir" ${_lw_qml_${module}} ${depends}
            VERBATIM)
        set(${out}_${module} "${cpp}" PARENT_SCOPE)
    endforeach()
endfunction()

# _lw_aot_resources(<prefix of output variables>): Qt's Quick Compiler. It
# keeps the sources in the trees and adds the compiled units and a loader that
# hands them to the engine; the loader also provides qInitResources_<name>()
# under each tree's own name. It may be used once per directory.
function(_lw_aot_resources out)
    find_package(Qt5QuickCompiler REQUIRED)
    # The compiler writes its filtered collection files anew at every
    # configuration; an unchanged one gets its old time back, so that the
    # trees are not compiled again for nothing.
    set(kept "${_lw_qrc_dir}/aot-kept")
    foreach(module IN LISTS _lw_modules)
        set(filtered "${CMAKE_CURRENT_BINARY_DIR}/${_lw_module_${module}_resource}_qmlcache.qrc")
        if(EXISTS "${filtered}")
            file(COPY "${filtered}" DESTINATION "${kept}")
        endif()
    endforeach()
    qtquick_compiler_add_resources(outputs ${_lw_all_qrc} OPTIONS --format-version 3)
    foreach(module IN LISTS _lw_modules)
        set(name "${_lw_module_${module}_resource}_qmlcache.qrc")
        if(EXISTS "${kept}/${name}")
            file(READ "${kept}/${name}" before)
            file(READ "${CMAKE_CURRENT_BINARY_DIR}/${name}" after)
            if(before STREQUAL after)
                file(COPY "${kept}/${name}" DESTINATION "${CMAKE_CURRENT_BINARY_DIR}")
            endif()
        endif()
    endforeach()
    foreach(module IN LISTS _lw_modules)
        set(resource "${_lw_module_${module}_resource}")
        set(sources)
        foreach(output IN LISTS outputs)
            get_filename_component(name "${output}" NAME)
            if(name STREQUAL "qrc_${resource}_qmlcache.cpp")
                list(APPEND sources "${output}")
            endif()
        endforeach()
        # The compiled units of the module's files, named after their paths.
        foreach(file IN LISTS _lw_qml_${module})
            qtquick_compiler_determine_output_filename(unit "${file}")
            list(APPEND sources "${unit}")
        endforeach()
        set(${out}_${module} "${sources}")
    endforeach()
    # The loader goes with the tree registered last.
    list(FILTER outputs INCLUDE REGEX "/qmlcache_loader\\.cpp$")
    list(APPEND ${out}_Feldrin ${outputs})
    foreach(module IN LISTS _lw_modules)
        set(${out}_${module} "${${out}_${module}}" PARENT_SCOPE)
    endforeach()
endfunction()

# _lw_module_objects(<target> <aot|plain>): the four trees in one mode, in
# the order of registration.
function(_lw_module_objects target mode)
    if(mode STREQUAL "aot")
        _lw_aot_resources(trees)
    else()
        _lw_plain_resources(${mode} trees)
    endif()
    add_library(${target} OBJECT ${trees_Controls} ${trees_Private} ${trees_Internal} ${trees_Feldrin})
    target_link_libraries(${target} PRIVATE Qt5::Core Qt5::Qml)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        AUTOMOC OFF
        AUTORCC OFF
        AUTOUIC OFF)
endfunction()

if(LOOMWRIGHT_QML_AOT)
    set(LOOMWRIGHT_QML_MODE aot)
    set(LOOMWRIGHT_OTHER_QML_MODE plain)
else()
    set(LOOMWRIGHT_QML_MODE plain)
    set(LOOMWRIGHT_OTHER_QML_MODE aot)
endif()
# What the plugin links.
_lw_module_objects(loomwright_qml_modules ${LOOMWRIGHT_QML_MODE})

# Everything generated, for targets outside the top directory that embed it.
set(_lw_all_generated)
foreach(_module IN LISTS _lw_modules)
    foreach(_entry IN LISTS _lw_generated_${_module})
        string(REGEX REPLACE "^[^|]*\\|" "" _file "${_entry}")
        list(APPEND _lw_all_generated "${_file}")
    endforeach()
endforeach()
add_custom_target(loomwright_qml_assets DEPENDS ${_lw_all_generated})

# --- The plugin in the other mode, for the start-up benchmark -----------------

set(LOOMWRIGHT_OTHER_QML_DIR "${CMAKE_BINARY_DIR}/bench/qml-${LOOMWRIGHT_OTHER_QML_MODE}")

if(LOOMWRIGHT_BUILD_BENCHMARKS)
    _lw_module_objects(loomwright_qml_modules_${LOOMWRIGHT_OTHER_QML_MODE} ${LOOMWRIGHT_OTHER_QML_MODE})
    set_target_properties(loomwright_qml_modules_${LOOMWRIGHT_OTHER_QML_MODE} PROPERTIES EXCLUDE_FROM_ALL ON)

    # Made once the top directory is read, when the plugin target exists: a
    # copy of it that links the other mode's trees, all else the same.
    function(_lw_add_other_mode_plugin)
        set(target loomwrightplugin-${LOOMWRIGHT_OTHER_QML_MODE})
        get_target_property(sources loomwrightplugin SOURCES)
        add_library(${target} MODULE EXCLUDE_FROM_ALL ${sources})
        foreach(property LINK_LIBRARIES INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS
                         AUTOMOC_MOC_OPTIONS CXX_VISIBILITY_PRESET VISIBILITY_INLINES_HIDDEN)
            get_target_property(value loomwrightplugin ${property})
            if(value)
                if(property STREQUAL "LINK_LIBRARIES")
                    list(TRANSFORM value REPLACE "^loomwright_qml_modules$"
                                                 "loomwright_qml_modules_${LOOMWRIGHT_OTHER_QML_MODE}")
                endif()
                set_property(TARGET ${target} PROPERTY ${property} "${value}")
            endif()
        endforeach()
        set_target_properties(${target} PROPERTIES
            OUTPUT_NAME loomwrightplugin
            LIBRARY_OUTPUT_DIRECTORY "${LOOMWRIGHT_OTHER_QML_DIR}/Varnex/Loomwright")
        # Custom commands shared with the main plugin (the translation trees)
        # must not run twice at once.
        add_dependencies(${target} loomwrightplugin)
        configure_file("${CMAKE_SOURCE_DIR}/plugin/qmldir" "${LOOMWRIGHT_OTHER_QML_DIR}/Varnex/Loomwright/qmldir"
                       COPYONLY)
    endfunction()
    cmake_language(DEFER CALL _lw_add_other_mode_plugin)
endif()
