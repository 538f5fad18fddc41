# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package
# mingw-w64). The executable is linked statically: it needs no DLL beside it,
# only those that come with Windows.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
# The posix flavour carries the whole C++ thread library; the win32 one
# serves too where it is the only one installed.
find_program(CMAKE_CXX_COMPILER NAMES ${mingw_triple}-g++-posix ${mingw_triple}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
