# GoogleTest: the system's for a native build; for a cross build, compiled from the sources
# that Debian's libgtest-dev ships, with the same cross compiler as the program.
if(CMAKE_CROSSCOMPILING)
    set(QUILLMAR_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's source tree")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QUILLMAR_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
else()
    find_package(GTest 1.10 REQUIRED)
endif()
include(GoogleTest)
