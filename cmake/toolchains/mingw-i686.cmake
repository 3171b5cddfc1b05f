# Cross build for i686 Windows with Debian's mingw-w64 (posix threads).
set(ORVANE_MINGW_ARCH i686)
# Floating-point arithmetic in SSE registers: a float product is rounded as a float, as the game's
# figures expect (the x87 unit would keep it in extended precision).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# One unwinder for every module: i686 unwinds through DWARF tables that each module registers with
# libgcc, so an exception crosses from one DLL into another (the renderer's into OrvaneDemo's) only
# when all of them share one libgcc: its DLL, libgcc_s_dw2-1.dll (with the libwinpthread-1.dll it
# loads), installed beside the libraries. Everything else stays linked statically. (x86_64 unwinds
# through the system's tables and stays static throughout.)
set(ORVANE_SHARED_RUNTIME_DLLS libgcc_s_dw2-1.dll libwinpthread-1.dll)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-shared-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-shared-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-shared-libgcc -static-libstdc++")
