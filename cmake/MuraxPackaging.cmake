# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts beside the two programs so that Murax is a desktop program like any
# other (menu entry, icon, file type, man pages, the sample tape), and the Debian package built
# from the same install with `cpack -G DEB`.

include(${CMAKE_CURRENT_LIST_DIR}/MuraxTapMimeType.cmake)

set(MURAX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

configure_file(${MURAX_PACKAGING_DIR}/murax.desktop.in ${PROJECT_BINARY_DIR}/murax.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/murax.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Software centres read the AppStream metadata; its screenshot must be a web address, under the
# project's home page.
set(MURAX_HOMEPAGE "https://murax.example.org"
    CACHE STRING "Home page of the project; docs/screenshot.png is published there as screenshot.png")
set(MURAX_RELEASE_DATE "2026-12-08")  # of the release in PROJECT_VERSION
configure_file(${MURAX_PACKAGING_DIR}/murax.metainfo.xml.in ${PROJECT_BINARY_DIR}/murax.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/murax.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

if(MURAX_INSTALL_OWN_MIME_TYPE)
  install(FILES ${MURAX_PACKAGING_DIR}/murax-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME murax.xml)
endif()

foreach(size 16 32 48 64 128 256)
  install(FILES ${MURAX_PACKAGING_DIR}/icons/${size}x${size}/murax.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Man pages and the changelog are installed gzip-compressed, as Debian's policy asks; -n leaves the
# name and time out so that the same sources give the same bytes.
find_program(MURAX_GZIP gzip REQUIRED)
set(MURAX_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/compressed)
set(MURAX_COMPRESSED_FILES "")
foreach(source murax.1 murax-list.1 changelog)
  set(compressed ${MURAX_COMPRESSED_DIR}/${source}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E copy ${MURAX_PACKAGING_DIR}/${source}
                             ${MURAX_COMPRESSED_DIR}/${source}
                     COMMAND ${MURAX_GZIP} -9 -n -f ${MURAX_COMPRESSED_DIR}/${source}
                     DEPENDS ${MURAX_PACKAGING_DIR}/${source}
                     COMMENT "Compressing ${source}" VERBATIM)
  list(APPEND MURAX_COMPRESSED_FILES ${compressed})
endforeach()
add_custom_target(murax_compressed_docs ALL DEPENDS ${MURAX_COMPRESSED_FILES})
# Building the editor is enough to install it.
add_dependencies(murax murax_compressed_docs)

install(FILES ${MURAX_COMPRESSED_DIR}/murax.1.gz ${MURAX_COMPRESSED_DIR}/murax-list.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's documentation folder is named after the package, not after the CMake project.
set(MURAX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/murax)
install(FILES ${MURAX_PACKAGING_DIR}/copyright ${MURAX_COMPRESSED_DIR}/changelog.gz
        DESTINATION ${MURAX_DOC_DIR})

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
# Without a desktop environment xdg-open guesses a type with `file`, which calls a TAP file
# application/octet-stream; libfile-mimeinfo-perl makes it read the shared MIME database instead,
# so that Run reaches the emulator.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libfile-mimeinfo-perl")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fuse-emulator-gtk | fuse-emulator-sdl, hexedit, xterm")
# Desktop integration needs no maintainer scripts: the triggers of shared-mime-info,
# desktop-file-utils and the icon theme refresh their caches when the files arrive.
include(CPack)
