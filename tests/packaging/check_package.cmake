# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the package that build_package.cmake made the way apt and dpkg see it:
# its control fields, its files and lintian's verdict.
#   cmake -DOUT_DIR=... -DSOURCE_DIR=... -DBUILD_DIR=... -DPROJECT_VERSION=...
#         -DPROJECT_DESCRIPTION=... -P check_package.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake")
file(GLOB package "${OUT_DIR}/*.deb")

function(run out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result
                    OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed: ${result}\n${output}${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(field name out)
    run(value dpkg-deb -f "${package}" ${name})
    string(STRIP "${value}" value)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Fields that must read exactly, or match a form.
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
foreach(check "Package|^tessaron$"
              "Version|^${version_pattern}([~+][0-9a-z.]+)?$"
              "Architecture|^amd64$"
              "Section|^electronics$"
              "Maintainer|^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$"
              "Homepage|^https?://[^ ]+$")
    string(REPLACE "|" ";" check "${check}")
    list(GET check 0 name)
    list(GET check 1 pattern)
    field(${name} value)
    if(NOT value MATCHES "${pattern}")
        message(FATAL_ERROR "${name}: '${value}' does not match ${pattern}")
    endif()
endforeach()

# The libraries come from dpkg-shlibdeps, so their presence shows it ran; the
# font is the one added by hand.
field(Depends depends)
foreach(dependency libc6 libstdc++6 libqt6widgets6 libqt6svg6 libqcustomplot2.1-qt6
                   fonts-vlgothic)
    string(REPLACE "+" "\\+" dependency_pattern "${dependency}")
    if(NOT depends MATCHES "(^|, )${dependency_pattern}( \\(|,|$)")
        message(FATAL_ERROR "Depends lacks ${dependency}: ${depends}")
    endif()
endforeach()

# The synopsis is the project's summary and the long description the text of
# description.txt, paragraph breaks as " ." lines, nothing escaped.
field(Description description)
string(REPLACE "\n" ";" lines "${description}")
list(POP_FRONT lines synopsis)
if(NOT synopsis STREQUAL PROJECT_DESCRIPTION)
    message(FATAL_ERROR "synopsis '${synopsis}' is not '${PROJECT_DESCRIPTION}'")
endif()
list(TRANSFORM lines REPLACE "^ \\.$" "")
list(TRANSFORM lines REPLACE "^ " "")
list(JOIN lines "\n" long_description)
file(READ "${SOURCE_DIR}/ui/resources/packaging/description.txt" expected)
string(STRIP "${expected}" expected)
if(NOT long_description STREQUAL expected)
    message(FATAL_ERROR "long description differs from description.txt:\n${long_description}")
endif()

# Exactly the installed files, under /usr and owned by root; directories only
# on the way to them.
run(listing dpkg-deb -c "${package}")
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" listing "${listing}")
set(files)
foreach(line IN LISTS listing)
    if(NOT line MATCHES "^[-d]rw[-x]r-[-x]r-[-x] root/root .* \\./usr/(.*)$")
        message(FATAL_ERROR "not a root-owned plain file or folder below /usr: ${line}")
    endif()
    set(path "${CMAKE_MATCH_1}")
    if(NOT path MATCHES "/$|^$")
        list(APPEND files "${path}")
    endif()
endforeach()
list(SORT files)
set(expected_files ${tessaron_installed_files})
list(SORT expected_files)
if(NOT files STREQUAL expected_files)
    list(JOIN files "\n  " held)
    list(JOIN expected_files "\n  " expected)
    message(FATAL_ERROR "package holds\n  ${held}\ninstead of\n  ${expected}")
endif()

# Nothing may point back into the tree the package was built from: no run
# path, no configured file with a build-time path.
set(unpacked "${OUT_DIR}/unpacked")
file(REMOVE_RECURSE "${unpacked}")
run(ignored dpkg-deb -x "${package}" "${unpacked}")
foreach(tree "${SOURCE_DIR}" "${BUILD_DIR}")
    string(REGEX REPLACE "([][.+*?^$()|\\])" "\\\\\\1" tree_pattern "${tree}")
    foreach(file IN LISTS files)
        file(STRINGS "${unpacked}/usr/${file}" hits REGEX "${tree_pattern}")
        if(hits)
            message(FATAL_ERROR "usr/${file} names ${tree}: ${hits}")
        endif()
    endforeach()
endforeach()

# lintian's errors and warnings fail the check; its notes are shown.
execute_process(COMMAND lintian --fail-on error,warning --display-info "${package}"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_QUIET)
message("lintian:\n${report}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings")
endif()
