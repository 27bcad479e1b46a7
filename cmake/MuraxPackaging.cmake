# What `cmake --install` puts beside the two programs so that Murax is a desktop program like any
# other (menu entry, icon, file type, man pages, the sample tape), and the Debian package built
# from the same install with `cpack -G DEB`.

include(${CMAKE_CURRENT_LIST_DIR}/MuraxTapMimeType.cmake)

set(MURAX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

configure_file(${MURAX_PACKAGING_DIR}/murax.desktop.in ${PROJECT_BINARY_DIR}/murax.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/murax.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

if(MURAX_INSTALL_OWN_MIME_TYPE)
  install(FILES ${MURAX_PACKAGING_DIR}/murax-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME murax.xml)
endif()

foreach(size 16 32 48 64 128 256)
  install(FILES ${MURAX_PACKAGING_DIR}/icons/${size}x${size}/murax.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(FILES ${MURAX_PACKAGING_DIR}/murax.1 ${MURAX_PACKAGING_DIR}/murax-list.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/resources/sample/murax-demo.tap
        DESTINATION ${CMAKE_INSTALL_DATADIR}/murax)

# --- the Debian package ---------------------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "murax")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Murax developers")
set(CPACK_PACKAGE_CONTACT "Murax developers <murax@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for ZX Spectrum tape images (TAP)")
# The first line of the package's description is the summary above; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Murax shows a TAP file as a list of its entries (a header with the block it
describes, or a lone data block) and lets you delete, move, add and insert
entries, rename a header with its checksum recomputed, hand an entry to an
external hex editor, and run the tape in the emulator the desktop associates
with TAP files. Files are saved back byte for byte.

Includes murax-list, which prints the same listing on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "otherosfs")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from dpkg-shlibdeps; what it cannot see is added here: Qt's platform plugins
# (loaded at run time) and the fonts the window is laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fuse-emulator-gtk | fuse-emulator-sdl, hexedit, xterm")
# Desktop integration needs no maintainer scripts: the triggers of shared-mime-info,
# desktop-file-utils and the icon theme refresh their caches when the files arrive.
include(CPack)
