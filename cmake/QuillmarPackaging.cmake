# The program's packages for the platform it is built for.
if(QUILLMAR_FRONT_END STREQUAL "qt")
    include(cmake/QuillmarDebPackage.cmake)
endif()
