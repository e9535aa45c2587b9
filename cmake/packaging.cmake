# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed files; its library dependencies are read off the binary by
# dpkg-shlibdeps. Name, version, summary and homepage come from the project.
set(CPACK_GENERATOR DEB)
string(TOLOWER ${PROJECT_NAME} CPACK_PACKAGE_NAME)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TAVRO_ORGANIZATION})
set(CPACK_PACKAGE_CONTACT "${TAVRO_ORGANIZATION} <tavrotime@tavrostat.com>")
# Debian wants the lines of the long description shorter than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Type how long a job has been running and what percentage of it is done:
TavroTime shows the estimated total duration and the date and time of
completion, and what percentage the job will have reached at a chosen time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin comes with the Qt GUI library on Debian 12 and 13: the linked libraries
# are all the program needs to start, also installed without recommended packages.
# Qt's own catalogues translate the context menus of the fields and the picker; the Wayland
# platform serves a Wayland session without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

# The package's documentation as Debian policy has it: the copyright in the machine-readable format,
# the changelog of a native package, the README and the manual page, their facts from the project.
set(doc ${CMAKE_CURRENT_BINARY_DIR}/doc)
# The notice as a field's continuation lines: indented by one space, a blank line written " .".
string(REPLACE "\n\n" "\n.\n" notice "${TAVRO_LICENSE_NOTICE}")
string(REPLACE "\n" "\n " notice " ${notice}")
file(CONFIGURE OUTPUT ${doc}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@
Upstream-Contact: @CPACK_PACKAGE_CONTACT@
Source: @PROJECT_HOMEPAGE_URL@

Files: *
Copyright: @TAVRO_COPYRIGHT@
License: @TAVRO_LICENSE@
@notice@
 .
 On Debian systems, the complete text of the GNU General Public License version 3 can be found
 in /usr/share/common-licenses/GPL-3.
")
execute_process(COMMAND date -u -R -d ${TAVRO_RELEASE_DATE}
    OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(CONFIGURE OUTPUT ${doc}/changelog @ONLY CONTENT
"@CPACK_PACKAGE_NAME@ (@PROJECT_VERSION@) unstable; urgency=medium

  * First release.

 -- @CPACK_PACKAGE_CONTACT@  @release_time@
")
configure_file(${PROJECT_SOURCE_DIR}/data/TavroTime.1.in ${doc}/${PROJECT_NAME}.1 @ONLY)
# The changelog and the manual page compressed as Debian has them, without a name or a time stamp,
# so that the package is the same on every build.
foreach(file changelog ${PROJECT_NAME}.1)
    execute_process(COMMAND gzip -9nc ${doc}/${file} OUTPUT_FILE ${doc}/${file}.gz
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${doc}/copyright ${doc}/changelog.gz ${PROJECT_SOURCE_DIR}/README.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${doc}/${PROJECT_NAME}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
include(CPack)
