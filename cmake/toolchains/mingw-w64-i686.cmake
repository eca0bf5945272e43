# Cross build for 32-bit Windows with MinGW-w64; the tests run under Wine.
set(QUILLMAR_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(QUILLMAR_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
