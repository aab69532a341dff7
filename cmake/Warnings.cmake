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
