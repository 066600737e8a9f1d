# Cross build for 32-bit Windows: the shipped plug-in. No Wine here runs it, so its
# tests are checks of the export table and resources.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOVREX_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
