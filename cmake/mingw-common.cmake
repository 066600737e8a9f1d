# Shared part of the two MinGW toolchains. The -posix compilers are required:
# GoogleTest needs std::mutex, which the win32-thread variants lack.
set(CMAKE_C_COMPILER ${TOVREX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVREX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVREX_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOVREX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CTest runs the tree's programs under the Wine loader of their architecture (TOVREX_WINE,
# set by the toolchain file); the environment (WINEPREFIX, DISPLAY) comes from
# tools/wine-env.sh, sourced by scripts/test, scripts/demo and bench/run.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TOVREX_WINE})
