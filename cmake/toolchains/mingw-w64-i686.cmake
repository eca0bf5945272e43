# Cross build for 32-bit Windows with MinGW-w64; the tests run under Wine.
set(QUILLMAR_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(QUILLMAR_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# A 32-bit program may use 4 GB of address space on 64-bit Windows, not 2 GB: more room for
# address space layout randomisation.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--large-address-aware")
