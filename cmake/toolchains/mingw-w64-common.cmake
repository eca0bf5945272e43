# What both MinGW-w64 toolchains share; the file that includes it sets QUILLMAR_MINGW_TRIPLE
# (x86_64-w64-mingw32 or i686-w64-mingw32), CMAKE_SYSTEM_PROCESSOR and QUILLMAR_WINE_LOADER
# (Wine's loader for programs of that width) first.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix flavour: its libstdc++ has std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${QUILLMAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMAR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLMAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked: an .exe or a DLL imports only the DLLs that Windows itself ships, never
# libstdc++, libgcc or libwinpthread, so it runs or loads copied alone onto any machine (a
# 32-bit DLL would otherwise import libgcc_s_dw2-1.dll). No link time in the header, so that
# the same sources make the same program. The program keeps its symbols in the build folder,
# where the tests look for its protections; its packages strip them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

# ctest and gtest_discover_tests run the programs through Wine, with its loader of the
# programs' own width: the launcher that picks one hands 64-bit programs on through start.exe,
# which costs time and now and then fails to start them.
find_program(QUILLMAR_WINE_LOADER_PATH NAMES ${QUILLMAR_WINE_LOADER} HINTS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLMAR_WINE_LOADER_PATH})
