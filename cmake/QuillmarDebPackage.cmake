# A Debian package of the program, made with `cpack` in the build folder. Its name,
# version, maker and summary come from the project's identity; the shared libraries the
# program links (Qt, the C++ runtime) become dependencies through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmar95)
set(CPACK_PACKAGE_VENDOR "${QUILLMAR_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a plug from the list, type an amount and press Calculate: the window shows the amount times that plug's factor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLMAR_COMPANY}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fonts stand in for Arial and MS Sans Serif; the program is not linked to them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
