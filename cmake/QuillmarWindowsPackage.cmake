# The Windows packages of the program, made with `cpack` in a Windows build folder: a .zip to
# unpack and run from any folder, and a Windows Installer package built by wixl (msitools)
# through CPack's External generator, from the same stripped files CPack stages for the .zip.
# Names, maker and version come from the project's identity.

# The installer's upgrade code names the product across all its versions: Windows Installer
# finds the installed version by it and replaces it. Never change it.
set(QUILLMAR_MSI_UPGRADE_CODE "4087FAB8-9094-4314-83BF-3B242D705F9D")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLMAR_WINDOWS_ARCH x64)
    set(QUILLMAR_MSI_PROGRAM_FILES ProgramFiles64Folder)
    set(QUILLMAR_MSI_WIN64 yes)
else()
    set(QUILLMAR_WINDOWS_ARCH x86)
    set(QUILLMAR_MSI_PROGRAM_FILES ProgramFilesFolder)
    set(QUILLMAR_MSI_WIN64 no)
endif()

# The readme is for Notepad: Windows line ends.
set(QUILLMAR_WINDOWS_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging/windows)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in
               ${QUILLMAR_WINDOWS_PACKAGING_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${QUILLMAR_WINDOWS_PACKAGING_DIR}/README.txt DESTINATION .)

# wixl looks for files by relative name only, in its working folder (the staged install) and
# the WiX source's folder: the icon is copied next to the source.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillmar95.wxs.in
               ${QUILLMAR_WINDOWS_PACKAGING_DIR}/quillmar95.wxs @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/src/app/win32/quillmar95.ico
               ${QUILLMAR_WINDOWS_PACKAGING_DIR}/quillmar95.ico COPYONLY)
find_program(QUILLMAR_WIXL wixl)
find_program(QUILLMAR_MSIBUILD msibuild)
find_program(QUILLMAR_MSIINFO msiinfo)
find_program(QUILLMAR_FAKETIME faketime)

set(CPACK_GENERATOR ZIP External)
set(CPACK_PACKAGE_NAME quillmar95)
set(CPACK_PACKAGE_VENDOR "${QUILLMAR_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The .zip's name; the tests read it too.
set(QUILLMAR_WINDOWS_ZIP_NAME quillmar95-${PROJECT_VERSION}-windows-${QUILLMAR_WINDOWS_ARCH})
set(CPACK_PACKAGE_FILE_NAME ${QUILLMAR_WINDOWS_ZIP_NAME})
# Explorer's "Extract all" already makes a folder named after the archive.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/windows/make-msi.cmake)
set(CPACK_QUILLMAR_WIXL "${QUILLMAR_WIXL}")
set(CPACK_QUILLMAR_MSIBUILD "${QUILLMAR_MSIBUILD}")
set(CPACK_QUILLMAR_MSIINFO "${QUILLMAR_MSIINFO}")
set(CPACK_QUILLMAR_FAKETIME "${QUILLMAR_FAKETIME}")
set(CPACK_QUILLMAR_MSI_UPGRADE_CODE ${QUILLMAR_MSI_UPGRADE_CODE})
set(CPACK_QUILLMAR_WXS ${QUILLMAR_WINDOWS_PACKAGING_DIR}/quillmar95.wxs)
set(CPACK_QUILLMAR_MSI_ARCH ${QUILLMAR_WINDOWS_ARCH})
include(CPack)
