# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz test: fuzz/run_fuzzer.sh builds the fuzz target with clang in a folder of this build and
# runs it for a bounded time; it is skipped where no suitable clang is installed. Included from
# the tests' CMakeLists.
set(MURAX_FUZZ_SECONDS 60 CACHE STRING "How long the fuzz test runs the fuzzer, in seconds")
add_test(NAME tape_fuzzer
         COMMAND bash ${PROJECT_SOURCE_DIR}/fuzz/run_fuzzer.sh ${CMAKE_BINARY_DIR}/fuzz-build
                 ${MURAX_FUZZ_SECONDS})
# The first run builds the tape and support layers once more with clang.
set_tests_properties(tape_fuzzer PROPERTIES LABELS "fuzz" SKIP_RETURN_CODE 77 TIMEOUT 1500)
