# SPDX-License-Identifier: GPL-3.0-or-later
# The package's version: the project's own, marked with the commit it was
# built from unless that commit is the release tag v<version> itself. Builds
# before that tag sort below the release (1.0~git20.g3989dd6), builds after it
# above (1.0+3.gabc1234), so apt always upgrades forward; ".dirty" marks a
# tree with uncommitted changes. The date is the commit's, so that the same
# commit gives the same changelog. Without git the project's version and the
# time of the build stand.
macro(tessaron_run_git var)
    execute_process(COMMAND "${GIT_EXECUTABLE}" ${ARGN}
                    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE ${var} RESULT_VARIABLE git_failed
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endmacro()

function(tessaron_package_version version_var date_var)
    set(version "${PROJECT_VERSION}")
    string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
    find_package(Git QUIET)
    if(GIT_FOUND)
        tessaron_run_git(commit_date log -1 --format=%cD)
    endif()
    if(NOT GIT_FOUND OR git_failed)
        set(${version_var} "${version}" PARENT_SCOPE)
        set(${date_var} "${date}" PARENT_SCOPE)
        return()
    endif()
    set(${date_var} "${commit_date}" PARENT_SCOPE)

    tessaron_run_git(described describe --tags --long --dirty --abbrev=7
                     --match "v${PROJECT_VERSION}")
    if(NOT git_failed AND described MATCHES "-([0-9]+)-(g[0-9a-f]+)(-dirty)?$")
        if(NOT CMAKE_MATCH_1 EQUAL 0 OR CMAKE_MATCH_3)
            string(APPEND version "+${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
            if(CMAKE_MATCH_3)
                string(APPEND version ".dirty")
            endif()
        endif()
    else()
        tessaron_run_git(commit describe --always --dirty --abbrev=7)
        tessaron_run_git(count rev-list --count HEAD)
        string(REPLACE "-dirty" ".dirty" commit "${commit}")
        string(APPEND version "~git${count}.g${commit}")
    endif()
    set(${version_var} "${version}" PARENT_SCOPE)
endfunction()
