# Helpers that give every target of the project the same compiler settings. Every build here
# uses GCC or Clang: Debian's, MinGW-w64's and Emscripten's.

# The protections careful distributors build every program with: a stack protector on each
# function with arrays or addresses taken, checked variants of the C library's copying and
# formatting functions where the size is known, format strings that cannot come from data, and
# on Linux stack clash probes and a symbol table that is resolved at start and then made
# read-only. Programs stay position-independent, as the compilers make them by default.
function(quillmar_harden target)
    if(EMSCRIPTEN)
        return()
    endif()
    target_compile_options(${target} PRIVATE
        -fstack-protector-strong -Wformat -Werror=format-security)
    # The checked functions need the optimiser, and AddressSanitizer checks more on its own.
    if(NOT QUILLMAR_SANITIZE)
        target_compile_definitions(${target} PRIVATE
            $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    endif()
    if(MINGW)
        # MinGW-w64 keeps the stack protector's and the checked functions' code in libssp,
        # linked statically like the rest; the compiler adds it when the flag is on the link
        # line too, but not for the checked functions alone.
        target_link_options(${target} PRIVATE -fstack-protector-strong)
        target_link_libraries(${target} PRIVATE ssp)
    else()
        target_compile_options(${target} PRIVATE -fstack-clash-protection)
        target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
    endif()
endfunction()

# Gives one target the project's warnings (per target, never per directory), its hardening,
# and the sanitizers when the build asks for them. A sanitizer report stops the program: no
# error is reported and then let pass.
function(quillmar_target_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QUILLMAR_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    quillmar_harden(${target})
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
    if(NOT QUILLMAR_RUN_TEST_PROGRAMS)
        return()
    endif()
    # Listing the cases under Wine starts a Windows process, which a loaded machine can keep
    # waiting longer than the default 5 s.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30)
endfunction()
