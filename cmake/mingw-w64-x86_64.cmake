# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the posix thread
# model, which std::thread and std::mutex need). Both the Qt for Windows that
# tools/windows builds and the program itself use this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries, headers and CMake packages come from the Windows side only (the
# mingw sysroot and the prefixes named in CMAKE_PREFIX_PATH, such as Qt), never
# from this Linux machine; programs run during the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
