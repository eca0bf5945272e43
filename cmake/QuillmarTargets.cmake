# Helpers that give every target of the project the same compiler settings.

# Turns on the project's warnings for one target (per target, never per directory).
function(quillmar_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QUILLMAR_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Adds a static library named quillmar_<folder> for the sources of one folder.
function(quillmar_add_library name)
    add_library(quillmar_${name} STATIC ${ARGN})
    add_library(quillmar::${name} ALIAS quillmar_${name})
    target_include_directories(quillmar_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    quillmar_target_warnings(quillmar_${name})
endfunction()

# Adds a GoogleTest executable whose cases ctest runs one by one.
#   quillmar_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
function(quillmar_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest)
    quillmar_target_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
