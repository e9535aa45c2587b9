# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: the files laid out side by side, the tests that cannot run there, and, when
# cross-built, the tests run under Wine.
if(WIN32)
    # TavroTime.exe at the top of the installed folder, beside its DLLs.
    set(CMAKE_INSTALL_BINDIR .)
    # The compiler's runtime DLLs, which the program and Qt need beside them.
    set(TAVRO_MINGW_RUNTIME)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        file(REAL_PATH "${path}" path)
        list(APPEND TAVRO_MINGW_RUNTIME "${path}")
    endforeach()
endif()

# Tests that cannot run on Windows, each with its reason; tavro_leave_out_on_windows() disables
# those of the calling directory and runs alone those in a locale other than en_US.
set(TAVRO_TESTS_NOT_ON_WINDOWS
    # Moves the process through every zone with TZ=Area/City, which only a POSIX C library reads;
    # Windows takes its zone from its settings.
    time_zone_sweep_test
    # Set LANGUAGE, which neither Windows nor Wine reads: Windows takes the language list from
    # the user's settings.
    start_up_test_English_words_German_formats
    start_up_test_German_then_French
    start_up_test_Simplified_Chinese_outside_China
    # Chooses between X11 and Wayland, which only Linux desktops have.
    start_up_test_wayland
    # Checks the catalogues against the sources with the host's lupdate: no part of the Windows
    # build.
    catalogues_test
    # Drive the program through X11, weston and the Linux screen reader; wine_smoke_test drives
    # the Windows one.
    smoke_test
    wayland_smoke_test
    orca_test)
function(tavro_leave_out_on_windows)
    if(NOT WIN32)
        return()
    endif()
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        if(test IN_LIST TAVRO_TESTS_NOT_ON_WINDOWS)
            set_tests_properties(${test} PROPERTIES DISABLED TRUE)
            continue()
        endif()
        # Wine keeps the locale in the registry that all the programs running at once share: a
        # test in a locale other than en_US runs alone.
        get_test_property(${test} ENVIRONMENT environment)
        if(environment MATCHES "LC_ALL=" AND NOT environment MATCHES "LC_ALL=en_US")
            set_tests_properties(${test} PROPERTIES RUN_SERIAL TRUE)
        endif()
    endforeach()
endfunction()

if(WIN32 AND CMAKE_CROSSCOMPILING AND BUILD_TESTING)
    # Every test program runs under Wine (scripts/wine-run.sh), finding Qt's and the compiler's
    # DLLs in their own folders. Qt's toolchain file is <Qt>/lib/cmake/Qt6/qt.toolchain.cmake.
    cmake_path(GET CMAKE_TOOLCHAIN_FILE PARENT_PATH qt_prefix)
    cmake_path(GET qt_prefix PARENT_PATH qt_prefix)
    cmake_path(GET qt_prefix PARENT_PATH qt_prefix)
    cmake_path(GET qt_prefix PARENT_PATH qt_prefix)
    set(dll_folders ${qt_prefix}/bin)
    foreach(dll IN LISTS TAVRO_MINGW_RUNTIME)
        cmake_path(GET dll PARENT_PATH folder)
        list(APPEND dll_folders ${folder})
    endforeach()
    list(REMOVE_DUPLICATES dll_folders)
    list(JOIN dll_folders : dll_folders)
    set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh
        ${CMAKE_BINARY_DIR}/wine ${dll_folders})
endif()
