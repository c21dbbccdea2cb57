# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DDIR=<the page's folder> -DIN=<sw.js.in> -DFILES=<the page's files> -DBROTLI=<brotli>
#       -P kept.cmake
# Writes DIR/index.html with the program's size, which its loading line counts against (a
# server that sends the program compressed tells the size of what it sends). Writes DIR/sw.js,
# its set of kept files named after their contents: any change to the page, the program, the
# loader or the icons gives the service worker another name, and browsers fetch the new set.
# Beside each file of text or code, its copies compressed with brotli (quality 11) and gzip
# (level 9), for a server to send in its stead to a browser that takes them. DIR/page-files
# lists what a web server serves: those files, sw.js and the copies.
get_filename_component(page ${IN} DIRECTORY)
file(SIZE ${DIR}/kozmat.wasm KOZMAT_PROGRAM_BYTES)
configure_file(${page}/index.html ${DIR}/index.html @ONLY)

set(sums "")
set(KOZMAT_WEB_FILE_LIST "")
foreach(file IN LISTS FILES)
    string(APPEND KOZMAT_WEB_FILE_LIST ", \"${file}\"")
    file(SHA256 ${DIR}/${file} sum)
    string(APPEND sums "${sum}\n")
endforeach()
string(SHA256 all "${sums}")
string(SUBSTRING "${all}" 0 16 KOZMAT_WEB_FILES)
configure_file(${IN} ${DIR}/sw.js @ONLY)
list(APPEND FILES sw.js)

set(served ${FILES})
foreach(file IN LISTS FILES)
    if(NOT file MATCHES "\\.(wasm|js|html|css)$")
        continue()
    endif()
    # Made again only when the file changed: the program's takes a minute.
    if(NOT EXISTS ${DIR}/${file}.br OR ${DIR}/${file} IS_NEWER_THAN ${DIR}/${file}.br)
        execute_process(COMMAND ${BROTLI} --quality=11 --stdout ${DIR}/${file}
                        OUTPUT_FILE ${DIR}/${file}.br COMMAND_ERROR_IS_FATAL ANY)
    endif()
    if(NOT EXISTS ${DIR}/${file}.gz OR ${DIR}/${file} IS_NEWER_THAN ${DIR}/${file}.gz)
        execute_process(COMMAND gzip -9 --no-name --stdout ${DIR}/${file}
                        OUTPUT_FILE ${DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND served ${file}.br ${file}.gz)
endforeach()
list(JOIN served "\n" names)
file(WRITE ${DIR}/page-files "${names}\n")
