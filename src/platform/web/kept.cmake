# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DDIR=<the page's folder> -DIN=<sw.js.in> -P kept.cmake
# Writes DIR/sw.js, its set of kept files named after their contents: any change to the page,
# the program, the loader or the icons gives the service worker another name, and browsers
# fetch the new set.
set(files index.html kozmat.js kozmat.wasm qtloader.js kozmat.png kozmat-192.png kozmat-512.png
          manifest.webmanifest)
set(sums "")
foreach(file IN LISTS files)
    file(SHA256 ${DIR}/${file} sum)
    string(APPEND sums "${sum}\n")
endforeach()
string(SHA256 all "${sums}")
string(SUBSTRING "${all}" 0 16 KOZMAT_WEB_FILES)
configure_file(${IN} ${DIR}/sw.js @ONLY)
