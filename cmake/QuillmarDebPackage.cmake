# A Debian package of the program, made with `cpack` in the build folder. Its name,
# version, maker and description come from the project's identity; the shared libraries the
# program links (Qt, the C++ runtime) become dependencies through dpkg-shlibdeps. lintian
# passes it without errors or warnings, and two builds of one commit are byte for byte the
# same (tests/app).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmar95)
set(CPACK_PACKAGE_VENDOR "${QUILLMAR_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "${QUILLMAR_LONG_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLMAR_COMPANY} <${QUILLMAR_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fonts stand in for Arial and MS Sans Serif; the program is not linked to them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# GNOME and KDE sessions are Wayland ones; without Qt's Wayland plugin the window goes
# through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# The release date as a Debian changelog writes it.
execute_process(COMMAND env LC_ALL=C date -u -R -d "@${QUILLMAR_RELEASE_EPOCH}"
                OUTPUT_VARIABLE QUILLMAR_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
string(SUBSTRING "${QUILLMAR_RELEASE_DATE}" 0 4 QUILLMAR_RELEASE_YEAR)

# What Debian wants of every package beside the program: the copyright in the
# machine-readable format, the changelog and the manual page, both compressed without a
# name or time in them (gzip -n) so that they come out the same at every build.
set(deb_docs ${PROJECT_BINARY_DIR}/packaging/debian)
string(REPLACE "\n\n" "\n.PP\n" QUILLMAR_MAN_DESCRIPTION "${QUILLMAR_LONG_DESCRIPTION}")
configure_file(packaging/debian/copyright.in ${deb_docs}/copyright @ONLY)
foreach(page IN ITEMS packaging/debian/changelog src/app/quillmar95.1)
    get_filename_component(name ${page} NAME)
    configure_file(${page}.in ${deb_docs}/${name} @ONLY)
    execute_process(COMMAND gzip -9n -c ${deb_docs}/${name}
                    OUTPUT_FILE ${deb_docs}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${deb_docs}/copyright ${deb_docs}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${deb_docs}/quillmar95.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
include(CPack)
