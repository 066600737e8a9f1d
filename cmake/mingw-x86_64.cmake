# Cross build for 64-bit Windows: the plug-in for 64-bit hosts, run under 64-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOVREX_TRIPLE x86_64-w64-mingw32)
set(TOVREX_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
