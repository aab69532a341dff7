# Installs the build into a scratch prefix and checks that a desktop finds the
# program, its menu entry and its icon where it looks for them.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()

foreach(path bin/tessaron
             share/applications/tessaron.desktop
             share/icons/hicolor/scalable/apps/tessaron.svg)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The entry must start the installed program by name and use the installed icon.
file(STRINGS "${PREFIX}/share/applications/tessaron.desktop" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Name=Tessaron" "Exec=tessaron"
             "Icon=tessaron" "Categories=Science;Electronics;Engineering;")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks '${line}'")
    endif()
endforeach()

file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/tessaron.svg" icon LIMIT 512)
if(NOT icon MATCHES "<svg")
    message(FATAL_ERROR "the icon is not an SVG picture")
endif()
