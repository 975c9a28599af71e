# The Debian package (cpack -G DEB in a build folder): the program in
# /usr/bin, its browser module in /usr/lib/quillnote, the menu entry, icons,
# metadata, manual page, copyright and changelog; library dependencies are computed from
# the binaries by dpkg-shlibdeps.
set(quillnote_docdir ${CMAKE_INSTALL_DATADIR}/doc/quillnote)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${quillnote_docdir})
# A package of the program's own making (a native one) names its changelog changelog.gz.
set(quillnote_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${quillnote_changelog}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${quillnote_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog VERBATIM)
add_custom_target(quillnote_changelog ALL DEPENDS ${quillnote_changelog})
install(FILES ${quillnote_changelog} DESTINATION ${quillnote_docdir})
set(quillnote_manpage ${PROJECT_BINARY_DIR}/quillnote.1.gz)
add_custom_command(OUTPUT ${quillnote_manpage}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/quillnote.1 > ${quillnote_manpage}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/quillnote.1 VERBATIM)
add_custom_target(quillnote_manpage ALL DEPENDS ${quillnote_manpage})
install(FILES ${quillnote_manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillnote)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The quillnote developers <quillnote@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pin picture notes to the desktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Drop an image file on quillnote's small main window and a note appears:\na frameless window with the picture, a short memo under it and an\noptional web pane along its bottom edge. Notes are moved, resized and\nrestyled with the mouse, written to their files as they change and\nreopened at every start. The interface is in Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quillnote/quillnote)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by dpkg-shlibdeps: the X platform plugin and the Japanese font
# the interface and new notes are written in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, fcitx5-frontend-qt6")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
