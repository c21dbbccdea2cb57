# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening Debian gives its own packages (dpkg-buildflags with hardening=+all), set here so
# that every build of the program carries it, the package's too. Not in the sanitizer and fuzzer
# builds: their instrumentation does the checking there, and fortification hides from the
# sanitizers the calls they would check.
include(CMakeDependentOption)
include(CheckPIESupported)

# These are flags for ELF and the GNU linker. A Windows executable gets address randomisation
# and a non-executable stack from MinGW's linker by default (--dynamicbase, --nxcompat); the
# browser keeps WebAssembly's memory apart from its code and stack itself.
cmake_dependent_option(KOZMAT_HARDEN "Build with Debian's hardening flags" ON
                       "NOT KOZMAT_SANITIZE;NOT KOZMAT_FUZZ;NOT WIN32;NOT EMSCRIPTEN" OFF)
if(NOT KOZMAT_HARDEN)
    return()
endif()

check_pie_supported(OUTPUT_VARIABLE _kozmat_pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "KOZMAT_HARDEN: the linker makes no position-independent executables:\n"
                        "${_kozmat_pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Fortification works through the optimiser; at -O0 glibc only warns that it is off.
add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
                    -fstack-protector-strong -fstack-clash-protection -fcf-protection
                    -Wformat -Werror=format-security)
# Relocations read-only and every symbol bound at start: no writable GOT to aim at.
add_link_options(LINKER:-z,relro LINKER:-z,now)
