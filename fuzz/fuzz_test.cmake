# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz tests: fuzz/run_fuzzer.sh builds the fuzz targets with clang in a folder of this build
# and runs one for a bounded time; they are skipped where no suitable clang is installed. Included
# from the tests' CMakeLists.
set(MURAX_FUZZ_SECONDS 60 CACHE STRING "How long the fuzz test runs the editor's fuzzer, in seconds")
set(MURAX_LISTER_FUZZ_SECONDS 30 CACHE STRING "How long the fuzz test runs murax-list's fuzzer, in seconds")
foreach(target tape_fuzzer lister_fuzzer)
  if(target STREQUAL "tape_fuzzer")
    set(seconds ${MURAX_FUZZ_SECONDS})
  else()
    set(seconds ${MURAX_LISTER_FUZZ_SECONDS})
  endif()
  add_test(NAME ${target}
           COMMAND bash ${PROJECT_SOURCE_DIR}/fuzz/run_fuzzer.sh ${CMAKE_BINARY_DIR}/fuzz-build
                   ${seconds} ${target})
  # The first run builds the tape and support layers once more with clang; the targets share
  # that build folder, so they run one at a time.
  set_tests_properties(${target} PROPERTIES LABELS "fuzz" SKIP_RETURN_CODE 77 TIMEOUT 1500
                       RESOURCE_LOCK murax_fuzz_build)
endforeach()
