# Helpers that give every target of the project the same compiler settings.

# Gives one target the project's warnings (per target, never per directory), and the
# sanitizers when the build asks for them. A sanitizer report stops the program: no error is
# reported and then let pass.
function(quillmar_target_options target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
        if(QUILLMAR_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8)
        if(QUILLMAR_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    endif()
    if(QUILLMAR_SANITIZE)
        set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
        target_compile_options(${target} PRIVATE ${sanitizers} -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE ${sanitizers})
    endif()
    if(QUILLMAR_BUILD_FUZZERS)
        # Coverage for libFuzzer to steer by; only the fuzzer program links its runtime.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
endfunction()

# Adds a static library named quillmar_<folder> for the sources of one folder.
function(quillmar_add_library name)
    add_library(quillmar_${name} STATIC ${ARGN})
    add_library(quillmar::${name} ALIAS quillmar_${name})
    target_include_directories(quillmar_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    quillmar_target_options(quillmar_${name})
endfunction()

# Adds a GoogleTest executable whose cases ctest runs one by one.
#   quillmar_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
function(quillmar_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest)
    quillmar_target_options(${name})
    # Listing the cases under Wine starts a Windows process, which a loaded machine can keep
    # waiting longer than the default 5 s.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30)
endfunction()
