# The release date as seconds since 1970; date(1) rejects a date that is not one.
execute_process(COMMAND date -u -d "${QUILLMAR_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE QUILLMAR_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
# The packages' file times: the commit's date (SOURCE_DATE_EPOCH, which CPack honours and the
# installer's script reads), read when cpack runs so that it follows new commits; the release
# date outside git.
configure_file(packaging/cpack-options.cmake.in
               ${PROJECT_BINARY_DIR}/packaging/cpack-options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/packaging/cpack-options.cmake)

# The program's packages for the platform it is built for.
if(QUILLMAR_FRONT_END STREQUAL "qt")
    include(cmake/QuillmarDebPackage.cmake)
elseif(QUILLMAR_FRONT_END STREQUAL "win32")
    include(cmake/QuillmarWindowsPackage.cmake)
endif()
