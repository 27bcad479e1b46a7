# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks how the build picks the MIME type for TAP files from a system's definitions: a type that
# the system already gives "*.tap" is reused (not the first type of the file, not our own), and
# without one Murax installs its own. Run with cmake -DSCRATCH=<empty folder> -P this-file.

function(expect name actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    message(FATAL_ERROR "${name}: got '${actual}', expected '${wanted}'")
  endif()
endfunction()

set(module ${CMAKE_CURRENT_LIST_DIR}/../../cmake/MuraxTapMimeType.cmake)
file(REMOVE_RECURSE ${SCRATCH})

# No definition of *.tap: our own type.
file(WRITE ${SCRATCH}/none/other.xml
     "<mime-info><mime-type type=\"text/x-other\"><glob pattern=\"*.other\"/></mime-type></mime-info>")
# Our own definition from an earlier install does not count as the system's.
file(WRITE ${SCRATCH}/none/murax.xml
     "<mime-info><mime-type type=\"application/x-old-murax\"><glob pattern=\"*.tap\"/></mime-type></mime-info>")
set(MURAX_SYSTEM_MIME_PACKAGES ${SCRATCH}/none)
include(${module})
expect("no system type" "${MURAX_TAP_MIME_TYPE}" "application/x-spectrum-tap")
expect("own definition installed" "${MURAX_INSTALL_OWN_MIME_TYPE}" "ON")

# An emulator's definitions hold many types; the one whose glob is *.tap is taken.
file(WRITE ${SCRATCH}/emulator/emulator.xml "<?xml version=\"1.0\"?>
<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">
  <mime-type type=\"application/x-emu-snapshot\">
    <comment>snapshot</comment>
    <glob pattern=\"*.sna\"/>
  </mime-type>
  <mime-type type=\"application/x-emu-tape\">
    <comment>tape</comment>
    <icon name=\"application-x-emu\"/>
    <glob pattern=\"*.tap\"/>
  </mime-type>
  <mime-type type=\"application/x-emu-disk\">
    <glob pattern=\"*.dsk\"/>
  </mime-type>
</mime-info>")
set(MURAX_SYSTEM_MIME_PACKAGES ${SCRATCH}/emulator)
include(${module})
expect("system type" "${MURAX_TAP_MIME_TYPE}" "application/x-emu-tape")
expect("no own definition" "${MURAX_INSTALL_OWN_MIME_TYPE}" "OFF")

file(REMOVE_RECURSE ${SCRATCH})
