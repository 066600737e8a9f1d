# Cross build for 32-bit Windows: the plug-in that ships, run under 32-bit Wine
# (Debian's wine32:i386) by its tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOVREX_TRIPLE i686-w64-mingw32)
set(TOVREX_WINE /usr/lib/wine/wine)
# SSE2 arithmetic, not the x87 unit the i686 compiler defaults to: the range rules compare
# single-precision values with doubles and cut pixels toward zero, and x87's 80-bit
# intermediates can round those differently from the native and x86_64 builds the same
# tables are checked in. Every x86 processor since the Pentium 4 and Athlon 64 has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
