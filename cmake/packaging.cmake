# A Debian package of the installed files; its library dependencies are read off the binary by
# dpkg-shlibdeps. Name, version, summary and homepage come from the project.
set(CPACK_GENERATOR DEB)
string(TOLOWER ${PROJECT_NAME} CPACK_PACKAGE_NAME)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TAVRO_ORGANIZATION})
set(CPACK_PACKAGE_CONTACT "${TAVRO_ORGANIZATION} <tavrotime@tavrostat.com>")
set(CPACK_PACKAGE_DESCRIPTION
    "Type how long a job has been running and what percentage of it is done; TavroTime shows \
the estimated total duration and the date and time of completion, and what percentage the job \
will have reached at a chosen time.")
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
include(CPack)
