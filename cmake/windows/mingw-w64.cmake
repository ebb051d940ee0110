# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads), for the program
# and for the libraries it is built against. mingw-w64's long double is the x87 80-bit type the
# number conversions need; MSVC's is a plain double, so the program cannot be built with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries, headers and packages only from the Windows side: the mingw runtime and the prefixes
# the libraries were installed into (given as CMAKE_FIND_ROOT_PATH). Programs, the Qt host
# tools among them, from this machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: the C and C++ runtimes and winpthread linked in, so that they
# import nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# moc, uic and rcc are the host's, from Debian's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake packages")
