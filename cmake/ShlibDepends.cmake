# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack once the package's files are staged and stripped: adds to the package's Depends
# the libraries that its ELF files link, as dpkg-shlibdeps names them.

set(staged ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB_RECURSE files LIST_DIRECTORIES false ${staged}/*)
set(binaries)
foreach(path IN LISTS files)
    if(NOT IS_SYMLINK ${path})
        file(READ ${path} magic LIMIT 4 HEX)
        if(magic STREQUAL "7f454c46")
            list(APPEND binaries ${path})
        endif()
    endif()
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "ShlibDepends: no ELF file in ${staged}")
endif()

# dpkg-shlibdeps reads debian/control in the folder it runs in and finds the package's root by
# its DEBIAN folder; neither may end up in the package.
file(MAKE_DIRECTORY ${staged}/debian ${staged}/DEBIAN)
file(WRITE ${staged}/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
    WORKING_DIRECTORY ${staged}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE result
    OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE ${staged}/debian ${staged}/DEBIAN)
if(NOT result EQUAL 0 OR NOT output MATCHES "^shlibs:Depends=(.+)$")
    message(FATAL_ERROR "ShlibDepends: dpkg-shlibdeps failed (${result}):\n${errors}")
endif()
if(errors)
    message(STATUS "ShlibDepends: ${errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
