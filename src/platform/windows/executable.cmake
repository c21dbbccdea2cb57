# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The program file for Windows: kozmat.exe (an ASCII name survives every zip tool and file
# system; Explorer and the Start menu show "كوزماط" from the version information and the
# shortcut), no console window, the icon and version information as resources.

find_program(KOZMAT_MAGICK convert REQUIRED DOC "ImageMagick, makes the icon file (imagemagick)")

# kozmat_windows_executable(<target>)
function(kozmat_windows_executable target)
    set(ico ${CMAKE_CURRENT_BINARY_DIR}/kozmat.ico)
    set(png ${PROJECT_SOURCE_DIR}/packaging/org.example.Kozmat.png)
    # The sizes Explorer, the taskbar and the Start menu ask for, from the desktop menu's icon.
    add_custom_command(OUTPUT ${ico}
        COMMAND ${KOZMAT_MAGICK} ${png} -define icon:auto-resize=128,64,48,32,24,16 ${ico}
        DEPENDS ${png} VERBATIM)
    set(KOZMAT_ICO ${ico})
    string(REPLACE "." "," KOZMAT_VERSION_COMMAS "${PROJECT_VERSION}.0")
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/kozmat.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/kozmat.rc @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/kozmat.rc PROPERTIES
                                OBJECT_DEPENDS ${ico})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kozmat.rc)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME kozmat WIN32_EXECUTABLE ON)
endfunction()
