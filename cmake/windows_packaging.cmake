# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows user gets, laid out beside TavroTime.exe: the Qt DLLs it loads, the platform and
# style plugins, Qt's own catalogues for the program's languages, qt.conf, and the compiler's
# runtime. The windows_package target stages it and makes the portable zip and the per-user
# installer (cmake/installer.nsi.in) of it.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    ${TAVRO_MINGW_RUNTIME} DESTINATION .)
# The plugins' targets: Debian's Qt 6.8 source leaves them out of find_package unless
# QT_SKIP_AUTO_PLUGIN_INCLUSION is off, as the windows preset sets it.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
# The native style: from Qt 6.7 on, one plugin holds the Windows 11 style beside the Vista one.
foreach(style QModernWindowsStylePlugin QWindowsVistaStylePlugin)
    if(TARGET Qt6::${style})
        install(FILES $<TARGET_FILE:Qt6::${style}> DESTINATION plugins/styles)
        break()
    endif()
endforeach()
# Qt looks for its plugins and catalogues under the program's folder, not its own build prefix.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/installed-qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/installed-qt.conf DESTINATION . RENAME qt.conf)

# Qt's catalogues translate the context menus of the fields and the picker: those of the languages
# the program speaks, from the Qt for Windows or else the build machine's Qt.
find_path(TAVRO_QT_CATALOGUES qtbase_de.qm
    PATHS ${QT6_INSTALL_PREFIX}/translations ${QT_HOST_PATH}/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
# Under Wine, Qt finds its plugins only beside the program or through qt.conf (else it stops on a
# message box): the build tree's programs take them from the Qt they were built with, and its
# catalogues from where the installed program's come from.
if(CMAKE_CROSSCOMPILING)
    file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
        "[Paths]\nPrefix=Z:${QT6_INSTALL_PREFIX}\nTranslations=Z:${TAVRO_QT_CATALOGUES}\n")
endif()
foreach(language IN LISTS TAVRO_LANGUAGES)
    # Qt names its Chinese catalogues by country, where the program names its own by script.
    string(REPLACE zh_Hans zh_CN language ${language})
    install(FILES ${TAVRO_QT_CATALOGUES}/qtbase_${language}.qm DESTINATION translations)
endforeach()

# A stripped install strips the DLLs too: most of their size is symbols.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")

# TavroTime's own licence, first in its folder: the copyright and the notice, then the licence's
# text, with Windows line ends. The installer shows it too.
set(licence ${CMAKE_CURRENT_BINARY_DIR}/licence/${PROJECT_NAME}.txt)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
string(CONFIGURE "@PROJECT_NAME@ @PROJECT_VERSION@, @PROJECT_HOMEPAGE_URL@
Copyright (C) @TAVRO_COPYRIGHT@

@TAVRO_LICENSE_NOTICE@

The text of the licence (@TAVRO_LICENSE@) follows.


@licence_text@" licence_text @ONLY)
string(REPLACE "\n" "\r\n" licence_text "${licence_text}")
file(WRITE ${licence} "${licence_text}")
install(FILES ${licence} DESTINATION licenses)

# The licences of what ships beside the program: Qt (with the libraries it bundles) and the
# compiler's runtime, as the Debian packages of a cross build state them, and the licence texts
# those statements refer to.
if(CMAKE_CROSSCOMPILING)
    foreach(notice "Qt|qt6-base-dev" "MinGW-runtime|gcc-mingw-w64-base"
            "MinGW-w64|mingw-w64-common")
        string(REPLACE "|" ";" notice ${notice})
        list(GET notice 0 name)
        list(GET notice 1 package)
        install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${name}.txt)
    endforeach()
    foreach(licence GPL-2 GPL-3 LGPL-2.1 LGPL-3)
        install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses
            RENAME ${licence}.txt)
    endforeach()
endif()

set(stage ${CMAKE_BINARY_DIR}/package/${PROJECT_NAME})
set(package_name ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in installer.nsi @ONLY)
find_program(TAVRO_MAKENSIS makensis)
add_custom_target(windows_package
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_COMMAND} -E tar cf ${package_name}.zip --format=zip ${PROJECT_NAME}
    COMMAND ${TAVRO_MAKENSIS} -V2 -DSTAGE=${stage}
            -DOUTFILE=${CMAKE_BINARY_DIR}/package/${package_name}-setup.exe
            ${CMAKE_BINARY_DIR}/installer.nsi
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
    DEPENDS TavroTime
    COMMENT "Making package/${package_name}.zip and ${package_name}-setup.exe"
    VERBATIM)
