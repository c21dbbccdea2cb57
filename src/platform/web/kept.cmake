# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DDIR=<the page's folder> -DIN=<sw.js.in> -DFILES=<the page's files> -P kept.cmake
# Writes DIR/sw.js, its set of kept files named after their contents: any change to the page,
# the program, the loader or the icons gives the service worker another name, and browsers
# fetch the new set. DIR/page-files lists what a web server serves: those files and sw.js.
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
list(JOIN FILES "\n" names)
file(WRITE ${DIR}/page-files "${names}\n")
