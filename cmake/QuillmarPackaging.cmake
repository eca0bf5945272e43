# The program's packages for the platform it is built for.
if(QUILLMAR_FRONT_END STREQUAL "qt")
    include(cmake/QuillmarDebPackage.cmake)
elseif(QUILLMAR_FRONT_END STREQUAL "win32")
    include(cmake/QuillmarWindowsPackage.cmake)
endif()
