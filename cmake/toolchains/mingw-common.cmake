# Shared part of the mingw-w64 toolchains; the per-target files set ORVANE_MINGW_ARCH first.
# The libraries the build needs that Debian has no mingw package for (GoogleTest, TinyXML-2) and
# the Boost include folder come from the cache that scripts/setup-windows.sh fills.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ORVANE_MINGW_ARCH})
set(ORVANE_MINGW_TRIPLE ${ORVANE_MINGW_ARCH}-w64-mingw32)

# The posix thread model: std::thread and std::mutex of the C++ library work.
set(CMAKE_C_COMPILER ${ORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)

if(NOT ORVANE_WIN_CACHE)
  if(DEFINED ENV{ORVANE_WIN_CACHE})
    set(ORVANE_WIN_CACHE "$ENV{ORVANE_WIN_CACHE}")
  elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(ORVANE_WIN_CACHE "$ENV{XDG_CACHE_HOME}/orvane-win")
  else()
    set(ORVANE_WIN_CACHE "$ENV{HOME}/.cache/orvane-win")
  endif()
endif()
# try_compile projects read this file again: hand the folder on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANE_WIN_CACHE)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE} ${ORVANE_WIN_CACHE}/${ORVANE_MINGW_ARCH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config looks only at the cache's own .pc files, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} "${ORVANE_WIN_CACHE}/${ORVANE_MINGW_ARCH}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(Boost_INCLUDE_DIR "${ORVANE_WIN_CACHE}/boost-include" CACHE PATH "Boost headers (a folder holding only a link)")
set(ZLIB_USE_STATIC_LIBS ON)

# Everything linked statically: the DLLs and programs import only system libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under wine (add_test and gtest discovery go through it).
find_program(ORVANE_WINE wine)
if(ORVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_WINE})
endif()
