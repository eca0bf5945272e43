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

# The release date as seconds since 1970 (days from the civil date, proleptic Gregorian),
# and as a Debian changelog writes it.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date_ok "${QUILLMAR_RELEASE_DATE}")
if(NOT date_ok)
    message(FATAL_ERROR "QUILLMAR_RELEASE_DATE is not YYYY-MM-DD: ${QUILLMAR_RELEASE_DATE}")
endif()
math(EXPR year "${CMAKE_MATCH_1}")
math(EXPR month "${CMAKE_MATCH_2}")
math(EXPR day "${CMAKE_MATCH_3}")
set(QUILLMAR_RELEASE_YEAR ${year})
if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
else()
    math(EXPR month "${month} - 3")
endif()
math(EXPR era_year "${year} % 400")
math(EXPR days "(${year} / 400) * 146097 + ${era_year} * 365 + ${era_year} / 4 - ${era_year} / 100 + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468")
math(EXPR QUILLMAR_RELEASE_EPOCH "${days} * 86400")
set(outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${QUILLMAR_RELEASE_EPOCH})
string(TIMESTAMP QUILLMAR_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${outer_epoch}")

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

# The package's file times: the commit's date (SOURCE_DATE_EPOCH, which CPack honours),
# read when cpack runs so that it follows new commits; the release date outside git.
configure_file(packaging/debian/cpack-options.cmake.in
               ${deb_docs}/cpack-options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${deb_docs}/cpack-options.cmake)
include(CPack)
