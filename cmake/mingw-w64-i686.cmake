set(BRIXEL_MINGW_TRIPLE i686-w64-mingw32)
set(BRIXEL_WINE_BITS 32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# SSE2 arithmetic, as on x64: the x87 unit's extra precision would round
# colour steps differently from every other build. Windows calls back with a
# 4-byte aligned stack, so functions realign it where they need more.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
