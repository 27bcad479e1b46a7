# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers of the program: each folder of the core is one static library that links only the
# layers below it. murax_layer() makes one and records which folders its sources may include
# from: its own and those of every layer it links, directly or through another. The test
# layers_include_only_downwards (cmake/CheckLayers.cmake) holds every source to that, so that an
# include that runs upwards fails even where the link happens to find the code.

# murax_layer(<target> [SOURCES <file>...] [DEPENDS <layer target>...])
# Without SOURCES, the .cpp files of the current folder; of a *_posix.cpp / *_windows.cpp pair,
# the side of the platform the build is for.
function(murax_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;DEPENDS")
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(WIN32)
      list(FILTER ARG_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
    else()
      list(FILTER ARG_SOURCES EXCLUDE REGEX "_windows\\.cpp$")
    endif()
  endif()
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})

  set(reachable ${folder})
  foreach(dependency IN LISTS ARG_DEPENDS)
    get_property(below GLOBAL PROPERTY MURAX_LAYER_REACH_${dependency})
    if(NOT below)
      message(FATAL_ERROR "${target}: ${dependency} is not a layer made before it")
    endif()
    list(APPEND reachable ${below})
  endforeach()
  list(REMOVE_DUPLICATES reachable)
  set_property(GLOBAL PROPERTY MURAX_LAYER_REACH_${target} ${reachable})
  # One line per layer for the check: the folder, then the folders it may include from.
  list(JOIN reachable " " reachableText)
  set_property(GLOBAL APPEND PROPERTY MURAX_LAYER_LINES "${folder}: ${reachableText}")
endfunction()

# Writes the layers recorded so far to `file`, for the check.
function(murax_write_layers file)
  get_property(lines GLOBAL PROPERTY MURAX_LAYER_LINES)
  list(JOIN lines "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()
