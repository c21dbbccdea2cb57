# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Finds Qt's own Arabic translations (context menus, standard buttons) and writes a resource
# file that embeds them, so that nothing is read from the disk at run time. They are the build
# machine's, also when building for another system.
find_file(KOZMAT_QTBASE_AR qtbase_ar.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED DOC "Qt's Arabic translations (Debian: qt6-translations-l10n)")

# kozmat_translations_qrc(<out-var>): path of the generated .qrc
function(kozmat_translations_qrc out)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc)
    set(KOZMAT_QTBASE_AR_PATH ${KOZMAT_QTBASE_AR})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/translations.qrc.in ${qrc} @ONLY)
    set(${out} ${qrc} PARENT_SCOPE)
endfunction()
