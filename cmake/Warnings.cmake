# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the warning policy; every target links tessaron_warnings.
add_library(tessaron_warnings INTERFACE)
target_compile_options(tessaron_warnings INTERFACE
    -Wall -Wextra -Wconversion -Wdouble-promotion -Wshadow -Wpedantic)
if(TESSARON_WERROR)
    target_compile_options(tessaron_warnings INTERFACE -Werror)
endif()

# The core libraries must stay free of Qt: fail the configure step if one of
# them ever links a Qt target.
function(tessaron_forbid_qt target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(libs)
        foreach(lib IN LISTS libs)
            if(lib MATCHES "^Qt")
                message(FATAL_ERROR "${target} must not link ${lib}")
            endif()
        endforeach()
    endif()
endfunction()

# The exact path (the numeric component, the report and the sweep, the
# engine) never depends on the studies beside it, nor on the window: fail the
# configure step if one of its targets links them or one of its sources
# includes their headers.
function(tessaron_exact_core target)
    tessaron_forbid_qt(${target})
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "^(studies|tessaron_)" AND NOT lib STREQUAL "tessaron_warnings")
            message(FATAL_ERROR "${target} must not link ${lib}")
        endif()
    endforeach()
    get_target_property(sources ${target} SOURCES)
    get_target_property(dir ${target} SOURCE_DIR)
    file(GLOB headers "${dir}/*.h")
    foreach(source IN LISTS sources headers)
        if(NOT IS_ABSOLUTE "${source}")
            set(source "${dir}/${source}")
        endif()
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(studies|ui)/")
        if(includes)
            list(GET includes 0 first)
            message(FATAL_ERROR "${source} belongs to the exact path and must not ${first}")
        endif()
    endforeach()
endfunction()
