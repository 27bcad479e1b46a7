# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages of the cross build: an installer made by NSIS's makensis and a plain zip,
# both with murax.exe, murax-list.exe and the licence. `cmake --build B --target murax_windows_package`
# makes them in the build folder.

find_program(MURAX_MAKENSIS makensis)

set(MURAX_PACKAGE_NAME Murax-${PROJECT_VERSION}-windows-x64)
set(MURAX_INSTALLER ${PROJECT_BINARY_DIR}/Murax-${PROJECT_VERSION}-setup.exe)
set(MURAX_ZIP ${PROJECT_BINARY_DIR}/${MURAX_PACKAGE_NAME}.zip)
set(MURAX_NSIS_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/windows/murax.nsi)
set(MURAX_PACKAGE_ICON ${PROJECT_BINARY_DIR}/win32/images/ICONA.ico)

# Both packages take the programs from one staging folder, stripped of their debugging
# information (a fifth of the size). The zip holds that folder, so that unpacking it never scatters
# files into the folder it lands in.
set(MURAX_STAGE ${PROJECT_BINARY_DIR}/package/${MURAX_PACKAGE_NAME})
set(MURAX_STAGED ${MURAX_STAGE}/murax.exe ${MURAX_STAGE}/murax-list.exe ${MURAX_STAGE}/LICENSE.txt)
add_custom_command(OUTPUT ${MURAX_STAGED}
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${MURAX_STAGE}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${MURAX_STAGE}
                   COMMAND ${CMAKE_STRIP} -o ${MURAX_STAGE}/murax.exe $<TARGET_FILE:murax>
                   COMMAND ${CMAKE_STRIP} -o ${MURAX_STAGE}/murax-list.exe $<TARGET_FILE:murax-list>
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${MURAX_STAGE}/LICENSE.txt
                   DEPENDS murax murax-list ${PROJECT_SOURCE_DIR}/LICENSE
                   COMMENT "Staging the Windows programs for packing" VERBATIM)
add_custom_command(OUTPUT ${MURAX_ZIP}
                   COMMAND ${CMAKE_COMMAND} -E rm -f ${MURAX_ZIP}
                   COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/package
                           ${CMAKE_COMMAND} -E tar cf ${MURAX_ZIP} --format=zip ${MURAX_PACKAGE_NAME}
                   DEPENDS ${MURAX_STAGED}
                   COMMENT "Packing ${MURAX_PACKAGE_NAME}.zip" VERBATIM)
set(MURAX_PACKAGES ${MURAX_ZIP})

if(MURAX_MAKENSIS)
  add_custom_command(OUTPUT ${MURAX_INSTALLER}
                     COMMAND ${MURAX_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
                             -DSTAGE=${MURAX_STAGE}
                             -DICON_FILE=${MURAX_PACKAGE_ICON} -DOUT_FILE=${MURAX_INSTALLER}
                             ${MURAX_NSIS_SCRIPT}
                     DEPENDS ${MURAX_STAGED} murax_images ${MURAX_PACKAGE_ICON} ${MURAX_NSIS_SCRIPT}
                     COMMENT "Making the installer with NSIS" VERBATIM)
  list(APPEND MURAX_PACKAGES ${MURAX_INSTALLER})
else()
  message(STATUS "makensis not found (Debian package nsis): murax_windows_package makes the zip only")
endif()

add_custom_target(murax_windows_package DEPENDS ${MURAX_PACKAGES})
