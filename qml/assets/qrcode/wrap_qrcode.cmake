# Turns the system's QR code encoder (a browser/CommonJS script) into a QML
# library script: a ".pragma library" line, the encoder unchanged, then the
# canvas adapter that the QRCode component calls through get_qr().
#
#   cmake -DENCODER=<qrcode.js> -DADAPTER=<qrcode_adapter.js> -DOUTPUT=<QRCode.js> -P wrap_qrcode.cmake
#
# or include()d with those variables set.

foreach(_var ENCODER ADAPTER OUTPUT)
    if(NOT DEFINED ${_var})
        message(FATAL_ERROR "wrap_qrcode.cmake: ${_var} is not set")
    endif()
endforeach()

file(READ "${ENCODER}" _encoder)
file(READ "${ADAPTER}" _adapter)

# The adapter relies on these parts of the encoder's interface; an encoder
# release without them must stop the build, not produce a script that
# fails when a code is first drawn.
foreach(_needle
        "var qrcode = function"
        "_this.addData = function"
        "_this.make = function"
        "_this.isDark = function"
        "_this.getModuleCount = function"
        "qrcode.stringToBytesFuncs['UTF-8']")
    string(FIND "${_encoder}" "${_needle}" _at)
    if(_at EQUAL -1)
        message(FATAL_ERROR "wrap_qrcode.cmake: ${ENCODER} lacks \"${_needle}\"")
    endif()
endforeach()

file(WRITE "${OUTPUT}.tmp"
    ".pragma library\n"
    "\n"
    "// Generated at build time from the system's QR code encoder (MIT licence,\n"
    "// see qml/assets/LICENSES.md) and qml/assets/qrcode/qrcode_adapter.js.\n"
    "\n"
    "${_encoder}\n"
    "${_adapter}")
# An unchanged script keeps its time stamp, so that nothing that embeds it
# is built again.
execute_process(COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
unset(_encoder)
unset(_adapter)
