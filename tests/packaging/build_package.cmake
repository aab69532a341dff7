# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build tree into a scratch folder.
#   cmake -DBUILD_DIR=... -DOUT_DIR=... -P build_package.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}\n${log}")
endif()
file(GLOB packages "${OUT_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${OUT_DIR}, found ${count}:\n${log}")
endif()
