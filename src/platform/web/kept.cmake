# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DDIR=<the page's folder> -DIN=<sw.js.in> -DFILES=<the page's files> [-DPAGE=<page>]
#       [-DBROTLI=<brotli>] -P kept.cmake
# Writes DIR/index.html (from PAGE, or the one there) with the program's size, which its loading
# line counts against: a server that sends the program compressed tells the size of what it
# sends. Writes DIR/sw.js, its set of kept files named after their contents: any change to the
# page, the program or the icons gives the service worker another name, and browsers fetch the
# new set. With BROTLI, beside each file of text or code its copies compressed with brotli
# (quality 11) and gzip (level 9), for a server to send in its stead to a browser that takes
# them. DIR/page-files lists what a web server serves: those files, sw.js and the copies.
if(NOT DEFINED PAGE)
    set(PAGE ${DIR}/index.html)
endif()
file(READ ${PAGE} page)
file(SIZE ${DIR}/kozmat.wasm bytes)
string(REGEX REPLACE "data-program-bytes=\"[0-9]*\"" "data-program-bytes=\"${bytes}\"" page
       "${page}")
if(EXISTS ${DIR}/index.html)
    file(READ ${DIR}/index.html was)
endif()
if(NOT page STREQUAL was)  # left as it is otherwise: its copies are made again when it changes
    file(WRITE ${DIR}/index.html "${page}")
endif()

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
    if(NOT BROTLI OR NOT file MATCHES "\\.(wasm|js|html|css)$")
        continue()
    endif()
    # Made again only when the file changed (the program's takes a minute), through a file of
    # their own: one cut short is never taken for done.
    foreach(copy IN ITEMS "br;${BROTLI};--quality=11" "gz;gzip;-9;--no-name")
        list(POP_FRONT copy suffix)
        if(NOT EXISTS ${DIR}/${file}.${suffix} OR ${DIR}/${file} IS_NEWER_THAN
           ${DIR}/${file}.${suffix})
            execute_process(COMMAND ${copy} --stdout ${DIR}/${file}
                            OUTPUT_FILE ${DIR}/${file}.${suffix}.part COMMAND_ERROR_IS_FATAL ANY)
            file(RENAME ${DIR}/${file}.${suffix}.part ${DIR}/${file}.${suffix})
        endif()
    endforeach()
    list(APPEND served ${file}.br ${file}.gz)
endforeach()
list(JOIN served "\n" names)
file(WRITE ${DIR}/page-files "${names}\n")
