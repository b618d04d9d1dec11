# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `make package`, or `cpack -G DEB` in the build folder. It holds what
# `cmake --install` installs below /usr, plus the two files Debian asks of every package
# in /usr/share/doc/torvane-fac: the copyright and the changelog, and the reasons for the two
# lintian tags it overrides.

set(TORVANE_PACKAGE_NAME torvane-fac)
set(TORVANE_MAINTAINER "Torvane FAC developers <dev@torvane.example.org>")
set(TORVANE_HOMEPAGE "https://torvane.example.org")
# The day of this version's release, as the metainfo gives it.
set(TORVANE_RELEASE_DATE "Tue, 08 Dec 2026 12:00:00 +0000")

set(TORVANE_PACKAGE_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/package-doc)
file(MAKE_DIRECTORY ${TORVANE_PACKAGE_DOC_DIR})

# The copyright file in Debian's machine-readable format. The GPL and CC0 texts are in every
# Debian system's /usr/share/common-licenses; the CC-BY-SA text is not, so it is written out,
# each line indented by one space and blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt cc_by_sa_text)
string(STRIP "${cc_by_sa_text}" cc_by_sa_text)
string(REGEX REPLACE "\n" "\n " cc_by_sa_text "${cc_by_sa_text}")
string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" cc_by_sa_text "${cc_by_sa_text}")
# A second pass: the first cannot match a blank line whose newline it has just consumed.
string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" cc_by_sa_text "${cc_by_sa_text}")
set(TORVANE_CC_BY_SA_TEXT " ${cc_by_sa_text}")
configure_file(${PROJECT_SOURCE_DIR}/data/debian/copyright.in ${TORVANE_PACKAGE_DOC_DIR}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt)

# A native package's changelog, compressed without a timestamp so that the package is the
# same from one build to the next.
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${TORVANE_PACKAGE_DOC_DIR}/changelog @ONLY)
execute_process(COMMAND ${TORVANE_GZIP} -9nf ${TORVANE_PACKAGE_DOC_DIR}/changelog RESULT_VARIABLE gzip_result)
if(NOT gzip_result EQUAL 0)
    message(FATAL_ERROR "gzip failed on the package's changelog")
endif()

# Only the package gets these; `cmake --install` leaves them out.
install(FILES ${TORVANE_PACKAGE_DOC_DIR}/copyright ${TORVANE_PACKAGE_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${TORVANE_PACKAGE_NAME}
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${TORVANE_PACKAGE_NAME}
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TORVANE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Torvane FAC developers")
set(CPACK_PACKAGE_CONTACT "${TORVANE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything the default install gives, then the Debian files above.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_CURRENT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_CURRENT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action cards and score sheet for a tabletop ice-hockey game")
# Wrapped by hand: CPack keeps the line ends and indents each line as Debian asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Torvane FAC stands in for the deck of 200 action cards of a tabletop"
    "ice-hockey board game and for the scorer's sheet. Each flip shows the"
    "upper half of one card beside the lower half of another."
    ""
    "It runs the game clock, twenty seconds of play per timed flip, calls for"
    "a line change at every even minute, sounds a horn when a period ends,"
    "counts shots and goals by period for both teams, and saves and loads a"
    "game.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TORVANE_HOMEPAGE}")
# The window's fonts, Qt's own translations, and the database driver, a plugin that Qt loads by name, are named here;
# the libraries the binaries link are added by ShlibDepends.cmake once the files are staged.
# CPack's own dpkg-shlibdeps run would also give the package maintainer scripts that call
# ldconfig for any shared object below /usr/lib, which the program's private audio module
# does not need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite, qt6-translations-l10n")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ShlibDepends.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
