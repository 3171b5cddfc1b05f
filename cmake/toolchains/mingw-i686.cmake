# Cross build for i686 Windows with Debian's mingw-w64 (posix threads).
set(ORVANE_MINGW_ARCH i686)
# Floating-point arithmetic in SSE registers: a float product is rounded as a float, as the game's
# figures expect (the x87 unit would keep it in extended precision).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
