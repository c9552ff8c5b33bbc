# Cross build for 64-bit Windows with MinGW-w64 on Debian:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DKORVEX_HOST_TOOLS_DIR=<a native build folder> ...
# The "-posix" compilers use the POSIX thread model, which std::thread and
# std::mutex need. Everything is linked statically: otherwise the programs
# need MinGW's DLLs beside them and end at once under Wine (exit code 53).
# Tests run through Wine (CMAKE_CROSSCOMPILING_EMULATOR), so ctest works in
# the cross build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVEX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVEX_MINGW_PREFIX}-windres)
set(CMAKE_AR ${KORVEX_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${KORVEX_MINGW_PREFIX}-ranlib CACHE FILEPATH "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(KORVEX_WINE NAMES wine wine64)
if(KORVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVEX_WINE})
endif()

# Libraries and packages come from the MinGW sysroot and from the folders
# named in CMAKE_FIND_ROOT_PATH (the cross-built GoogleTest and SQLite);
# programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KORVEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
