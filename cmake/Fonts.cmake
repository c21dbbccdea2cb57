# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Finds the two fonts the program shows its texts in and writes a resource file that embeds
# them, so that Arabic shows on a machine without an Arabic font. No font file is committed.
# The fonts are the build machine's, also when building for another system.
set(_font_dirs /usr/share/fonts/truetype/noto /usr/share/fonts/opentype/noto /usr/share/fonts)
find_file(KOZMAT_ARABIC_FONT NotoSansArabicUI-Regular.ttf PATHS ${_font_dirs} NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED DOC "Noto Sans Arabic UI, regular (Debian: fonts-noto-ui-core)")
find_file(KOZMAT_LATIN_FONT NotoSans-Regular.ttf PATHS ${_font_dirs} NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED DOC "Noto Sans, regular (Debian: fonts-noto-core)")

# kozmat_fonts_qrc(<out-var>): path of the generated .qrc
function(kozmat_fonts_qrc out)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/fonts.qrc)
    set(KOZMAT_FONT_ARABIC_PATH ${KOZMAT_ARABIC_FONT})
    set(KOZMAT_FONT_LATIN_PATH ${KOZMAT_LATIN_FONT})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/fonts.qrc.in ${qrc} @ONLY)
    # Kept uncompressed: the fonts are then used in place, without a copy in memory.
    set_source_files_properties(${qrc} PROPERTIES AUTORCC_OPTIONS "--no-compress")
    set(${out} ${qrc} PARENT_SCOPE)
endfunction()
