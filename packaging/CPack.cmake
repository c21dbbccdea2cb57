# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (scripts/package): cpack -G DEB in a release build folder. Included from
# the top-level CMakeLists.txt, so that CPack's configuration is written for the whole project.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Kozmat team")
set(CPACK_PACKAGE_CONTACT "Kozmat team <kozmat@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plane geometry lessons in Arabic")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kozmat teaches plane geometry in Arabic. Each shape has a window of its own\n"
    "with its definition, a lettered picture, its formulas and small calculators\n"
    "for its perimeter and area: the square, the rectangle, the rhombus, the\n"
    "parallelogram and the circle. A reference page shows the parts and the kinds\n"
    "of triangle, and the start window carries a four-function calculator.\n"
    "\n"
    "يعلم كوزماط الهندسة المستوية باللغة العربية.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kozmat.example.org")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its windowing plugins at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(KOZMAT_FILE_RAW ${CMAKE_BINARY_DIR}/file-raw)
file(WRITE ${KOZMAT_FILE_RAW}.tmp "#!/bin/sh\nexec file -r \"$@\"\n")
file(COPY_FILE ${KOZMAT_FILE_RAW}.tmp ${KOZMAT_FILE_RAW} ONLY_IF_DIFFERENT)
file(CHMOD ${KOZMAT_FILE_RAW} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackProject.cmake.in ${CMAKE_BINARY_DIR}/CPackProject.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProject.cmake)
include(CPack)
