# GoogleTest: the system's for a native build; for a cross build, compiled from the sources
# that Debian's libgtest-dev ships, with the same cross compiler as the program.
if(CMAKE_CROSSCOMPILING)
    set(QUILLMAR_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's source tree")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # Its CMake defines the GTest::gtest and GTest::gtest_main names too.
    add_subdirectory(${QUILLMAR_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest 1.10 REQUIRED)
endif()
include(GoogleTest)
