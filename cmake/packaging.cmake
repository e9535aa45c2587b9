# A Debian package of the installed files; its dependencies are read off the binary by
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrotime)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR TavroStat)
set(CPACK_PACKAGE_CONTACT "TavroStat <tavrotime@tavrostat.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Estimate when a long-running job will finish")
set(CPACK_PACKAGE_DESCRIPTION
    "Type how long a job has been running and what percentage of it is done; TavroTime shows \
the estimated total duration and the date and time of completion, and what percentage the job \
will have reached at a chosen time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
