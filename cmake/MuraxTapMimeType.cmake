# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Decides the MIME type that names TAP files on the desktop. When the system's shared-mime-info
# already defines a type for "*.tap", Murax reuses it and installs no definition of its own, so the
# file manager does not see two competing types; otherwise it installs application/x-spectrum-tap.
#
# Sets MURAX_TAP_MIME_TYPE and MURAX_INSTALL_OWN_MIME_TYPE.

set(MURAX_SYSTEM_MIME_PACKAGES "/usr/share/mime/packages"
    CACHE PATH "Folder of the system's shared-mime-info definitions, searched for a *.tap type")
set(MURAX_OWN_TAP_MIME_TYPE "application/x-spectrum-tap")

function(murax_find_system_tap_mime_type result)
  set(found "")
  file(GLOB definitions "${MURAX_SYSTEM_MIME_PACKAGES}/*.xml")
  foreach(definition IN LISTS definitions)
    get_filename_component(name "${definition}" NAME)
    if(name STREQUAL "murax.xml")
      continue()  # our own, from an earlier install
    endif()
    file(READ "${definition}" text)
    string(FIND "${text}" "pattern=\"*.tap\"" glob_at)
    if(glob_at LESS 0)
      continue()
    endif()
    # The type is the one whose <mime-type> element opens last before the glob.
    string(SUBSTRING "${text}" 0 ${glob_at} before)
    string(FIND "${before}" "<mime-type type=\"" type_at REVERSE)
    if(type_at LESS 0)
      continue()
    endif()
    math(EXPR type_at "${type_at} + 17")
    string(SUBSTRING "${before}" ${type_at} 200 tail)
    string(REGEX MATCH "^[^\"]+" found "${tail}")
    if(found)
      break()
    endif()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

murax_find_system_tap_mime_type(MURAX_SYSTEM_TAP_MIME_TYPE)
if(MURAX_SYSTEM_TAP_MIME_TYPE)
  set(MURAX_TAP_MIME_TYPE "${MURAX_SYSTEM_TAP_MIME_TYPE}")
  set(MURAX_INSTALL_OWN_MIME_TYPE OFF)
  message(STATUS "TAP files: the system's MIME type ${MURAX_TAP_MIME_TYPE}")
else()
  set(MURAX_TAP_MIME_TYPE "${MURAX_OWN_TAP_MIME_TYPE}")
  set(MURAX_INSTALL_OWN_MIME_TYPE ON)
  message(STATUS "TAP files: Murax's own MIME type ${MURAX_TAP_MIME_TYPE}")
endif()
