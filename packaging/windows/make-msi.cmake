# CPack's External generator runs this script once the program is staged: it builds the
# Windows Installer package from the staged files with wixl and hands it back to CPack.
# The package takes CPack's version, so that `cpack -R <version>` makes a later one.
#
# Two builds of one commit make the same bytes. wixl would give each package a random product
# code and package code, and stamp it with the time it ran. The codes are derived here from the
# upgrade code, the version and the architecture instead: a new version still gets a new
# product code, as a major upgrade needs. wixl takes the product code from the source but
# always draws the package code, so msibuild writes it into the summary afterwards, with the
# summary's other texts as wixl wrote them. Both run under faketime at the packages' time,
# SOURCE_DATE_EPOCH, which also dates the staged files that go into the cabinet.
if(NOT CPACK_QUILLMAR_WIXL OR NOT CPACK_QUILLMAR_MSIBUILD OR NOT CPACK_QUILLMAR_FAKETIME)
    message(FATAL_ERROR "wixl, msibuild or faketime was not found when the build was "
                        "configured: install the wixl, msitools and faketime packages and "
                        "configure again")
endif()
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_QUILLMAR_MSI_ARCH}.msi)
set(build "${CPACK_PACKAGE_VERSION} ${CPACK_QUILLMAR_MSI_ARCH}")
string(UUID product_code NAMESPACE ${CPACK_QUILLMAR_MSI_UPGRADE_CODE} NAME "product ${build}"
       TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${CPACK_QUILLMAR_MSI_UPGRADE_CODE} NAME "package ${build}"
       TYPE SHA1 UPPER)

set(time $ENV{SOURCE_DATE_EPOCH})
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*)
execute_process(COMMAND touch -h -d @${time} ${staged} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -d @${time} "+%Y-%m-%d %H:%M:%S"
                OUTPUT_VARIABLE fixed_time OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(at_fixed_time ${CMAKE_COMMAND} -E env TZ=UTC ${CPACK_QUILLMAR_FAKETIME} ${fixed_time})
execute_process(
    COMMAND ${at_fixed_time} ${CPACK_QUILLMAR_WIXL} --arch ${CPACK_QUILLMAR_MSI_ARCH}
            --define Version=${CPACK_PACKAGE_VERSION} --define ProductCode=${product_code}
            --output ${msi} ${CPACK_QUILLMAR_WXS}
    WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${msi})
    message(FATAL_ERROR "wixl could not build ${msi} (status ${status})")
endif()

execute_process(COMMAND ${CPACK_QUILLMAR_MSIINFO} suminfo ${msi}
                OUTPUT_VARIABLE summary COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
    string(REGEX MATCH "\n${field}: ([^\n]*)" line "\n${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${at_fixed_time} ${CPACK_QUILLMAR_MSIBUILD} ${msi}
                        -s "${Subject}" "${Author}" "${Template}" {${package_code}}
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
