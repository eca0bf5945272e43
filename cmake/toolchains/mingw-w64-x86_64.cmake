# Cross build for 64-bit Windows with MinGW-w64; the tests run under Wine.
set(QUILLMAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUILLMAR_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
