# Cross build for 64-bit Windows with Debian's mingw-w64, tests run under Wine:
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DSUMAFAC_GUI=OFF
#     -DSUMAFAC_WINDOWS_PUGIXML=PREFIX -DSUMAFAC_WINDOWS_LIBZIP=PREFIX
# (tools/build-pugixml.sh and tools/build-libzip.sh print those prefixes) and with the window program, given Qt for
# Windows (tools/build-qt-mingw.sh prints its prefix):
#   cmake ... -DSUMAFAC_GUI=ON -DSUMAFAC_WINDOWS_QT=PREFIX
# The posix threading variant of the compiler is the one whose standard library has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SUMAFAC_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SUMAFAC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SUMAFAC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SUMAFAC_MINGW_PREFIX}-windres)

# Headers and libraries of the target only; programs (the emulator) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${SUMAFAC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pugixml, libzip and Qt for Windows, built here from Debian's sources, are further roots for headers, libraries and
# CMake packages; Qt's moc, rcc and uic are the build machine's own, from Debian's qt6-base-dev.
foreach(prefix IN ITEMS ${SUMAFAC_WINDOWS_PUGIXML} ${SUMAFAC_WINDOWS_LIBZIP} ${SUMAFAC_WINDOWS_QT})
    list(APPEND CMAKE_FIND_ROOT_PATH ${prefix})
endforeach()
set(QT_HOST_PATH /usr CACHE PATH "Qt of the build machine, whose moc, rcc and uic a cross build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the build machine's Qt")

# Self-contained executables: no libstdc++, libgcc or winpthread DLLs to ship beside them. A program that links
# Qt's DLLs, which link those runtime DLLs, links them too, so that one C++ runtime serves the whole process
# (cmake/windows-qt.cmake marks Qt so).
set(SUMAFAC_LINKS_QT "$<BOOL:$<TARGET_PROPERTY:SUMAFAC_SHARED_RUNTIME>>")
add_link_options("$<$<AND:$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>,$<NOT:${SUMAFAC_LINKS_QT}>>:-static>")

find_program(SUMAFAC_WINE NAMES wine wine64 wine-stable)
if(SUMAFAC_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${SUMAFAC_WINE})
endif()
