# Shared part of the two MinGW toolchains. The -posix compilers are required:
# GoogleTest needs std::mutex, which the win32-thread variants lack.
set(CMAKE_C_COMPILER ${TOVREX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVREX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVREX_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOVREX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
