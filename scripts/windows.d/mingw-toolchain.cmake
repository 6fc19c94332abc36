# Cross-compiling for 64-bit Windows with the posix-thread mingw-w64 compilers (std::thread
# and std::mutex need them). ZEL_WINDOWS_PREFIX, when set, is where the cross-built Qt and
# QScintilla live; libraries and packages are searched only there and in the mingw root.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_zel_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_zel_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_zel_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_zel_triple}-windres)
set(CMAKE_AR ${_zel_triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_zel_triple}-gcc-ranlib-posix CACHE FILEPATH "")
if(NOT ZEL_WINDOWS_PREFIX AND DEFINED ENV{ZEL_WINDOWS_PREFIX})
  set(ZEL_WINDOWS_PREFIX $ENV{ZEL_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${_zel_triple} ${ZEL_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
