# SPDX-License-Identifier: MIT
# The project's Windows build (preset "windows"): Debian's mingw-w64 compilers, the Qt
# for Windows that build-qt.sh installs, and wine to run what the build makes (ctest:
# the test suites and the golden scenarios).
#   QUORVANE_WINDOWS_QT   Qt's install prefix; by default the one build-qt.sh makes.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

if(NOT QUORVANE_WINDOWS_QT)
    # The one build-qt.sh would use now: its folder names the options it is built with.
    execute_process(COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/build-qt.sh" --prefix
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS "${found}/.complete")
        set(QUORVANE_WINDOWS_QT "${found}" CACHE PATH "Qt for Windows (packaging/windows/build-qt.sh)")
    endif()
endif()
# The compiler checks read this file again, in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVANE_WINDOWS_QT)
if(NOT EXISTS "${QUORVANE_WINDOWS_QT}/lib/cmake/Qt6")
    message(FATAL_ERROR "No Qt for Windows at '${QUORVANE_WINDOWS_QT}': run packaging/windows/build-qt.sh")
endif()

# The target's Qt libraries, with the host's moc, uic and rcc (the same version).
# Debian 13's Qt source makes a Qt that names its plugins only when asked
# (QT_SKIP_AUTO_PLUGIN_INCLUSION): a static program would link no platform and no
# style and stop at its start ("could not find the Qt platform plugin").
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
list(PREPEND CMAKE_FIND_ROOT_PATH "${QUORVANE_WINDOWS_QT}")
list(PREPEND CMAKE_PREFIX_PATH "${QUORVANE_WINDOWS_QT}")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
