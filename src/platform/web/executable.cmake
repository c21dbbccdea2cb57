# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The program for the browser: kozmat.js and kozmat.wasm, with its page, Qt's loader and the
# icon beside them in the build folder; that folder is what a web server serves.

# kozmat_web_executable(<target>)
function(kozmat_web_executable target)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME kozmat)
    # Qt's link options turn exception catching off; given after them, as a library, this
    # turns it on again for the run-time errors (see the compile options).
    target_link_libraries(${target} PRIVATE "-sDISABLE_EXCEPTION_CATCHING=0")
    # What Qt's own executables get (qt_add_executable): the string conversions its browser
    # platform calls from JavaScript, and room for the heap from the start.
    target_link_options(${target} PRIVATE "SHELL:-s EXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16"
                                          "SHELL:-s INITIAL_MEMORY=50MB")
    # Copied when configuring, and again whenever one of them changes.
    get_target_property(out ${target} BINARY_DIR)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/index.html ${out}/index.html COPYONLY)
    configure_file(${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js
                   ${out}/qtloader.js COPYONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/org.example.Kozmat.png ${out}/kozmat.png
                   COPYONLY)
endfunction()
