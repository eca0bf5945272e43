# CPack's External generator runs this script once the program is staged: it builds the
# Windows Installer package from the staged files with wixl and hands it back to CPack.
# The package takes CPack's version, so that `cpack -R <version>` makes a later one.
if(NOT CPACK_QUILLMAR_WIXL)
    message(FATAL_ERROR "wixl was not found when the build was configured: install the wixl "
                        "package (msitools) and configure again")
endif()
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_QUILLMAR_MSI_ARCH}.msi)
execute_process(
    COMMAND ${CPACK_QUILLMAR_WIXL} --arch ${CPACK_QUILLMAR_MSI_ARCH}
            --define Version=${CPACK_PACKAGE_VERSION} --output ${msi} ${CPACK_QUILLMAR_WXS}
    WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${msi})
    message(FATAL_ERROR "wixl could not build ${msi} (status ${status})")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
