# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The program for the browser: kozmat.js and kozmat.wasm, with its page (which loads them), its
# service worker and manifest and the icons beside them in the build folder; that folder is what
# a web server serves.

# kozmat_web_link(<target>): a program for the browser, linked as Qt's own are, with what the
# program needs beyond that.
function(kozmat_web_link target)
    # Given after Qt's link options, as libraries, these win over them: exception catching on
    # again for the run-time errors (see the compile options); no asyncify, which makes the
    # program a third larger and slower for loops inside loops it does not run in a browser
    # (platform::boxesWait); no function built from a string (embind's callers otherwise are),
    # which a school's strict Content-Security-Policy refuses.
    target_link_libraries(${target} PRIVATE "-sDISABLE_EXCEPTION_CATCHING=0" "-sASYNCIFY=0"
                                            "-sDYNAMIC_EXECUTION=0")
    # What Qt's own executables get (qt_add_executable): the string conversions its browser
    # platform calls from JavaScript, and room for the heap from the start.
    target_link_options(${target} PRIVATE "SHELL:-s EXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16"
                                          "SHELL:-s INITIAL_MEMORY=50MB")
    set_target_properties(${target} PROPERTIES OUTPUT_NAME kozmat)
endfunction()

# kozmat_web_executable(<target>): the program, and its page beside it.
function(kozmat_web_executable target)
    kozmat_web_link(${target})
    # Copied when configuring, and again whenever one of them changes; the page, which says its
    # version as the program does (desktop.cpp), beside them with the program's size after each
    # link (kept.cmake).
    get_target_property(out ${target} BINARY_DIR)
    set(page ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(own index.html page.js page.css manifest.webmanifest kozmat-192.png kozmat-512.png)
    foreach(file IN LISTS own)
        if(file STREQUAL "index.html")
            configure_file(${page}/${file} ${out}/index.html.in @ONLY)
        else()
            configure_file(${page}/${file} ${out}/${file} COPYONLY)
        endif()
    endforeach()
    configure_file(${PROJECT_SOURCE_DIR}/packaging/org.example.Kozmat.png ${out}/kozmat.png
                   COPYONLY)
    # The page, the service worker, named after what it keeps, the compressed copies and the
    # list of the page's files (page-files, which scripts/package-web ships): written after
    # every link and page change.
    find_program(KOZMAT_BROTLI brotli NO_CMAKE_FIND_ROOT_PATH REQUIRED
                 DOC "compresses the page's files for servers that send them so (brotli)")
    list(TRANSFORM own PREPEND ${page}/ OUTPUT_VARIABLE sources)
    set(files ${own} kozmat.js kozmat.wasm kozmat.png)
    add_custom_command(OUTPUT ${out}/sw.js ${out}/page-files ${out}/index.html
        COMMAND ${CMAKE_COMMAND} -DDIR=${out} -DIN=${page}/sw.js.in "-DFILES=${files}"
                -DPAGE=${out}/index.html.in -DBROTLI=${KOZMAT_BROTLI} -P ${page}/kept.cmake
        DEPENDS ${target} ${page}/sw.js.in ${page}/kept.cmake ${sources} ${out}/index.html.in
        VERBATIM)
    add_custom_target(${target}-page ALL DEPENDS ${out}/sw.js)
endfunction()
