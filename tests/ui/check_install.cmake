# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that a desktop finds the
# program, its menu entry and its icon where it looks for them, and that the
# menu entry and the software centre's description pass their validators.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()

include("${CMAKE_CURRENT_LIST_DIR}/../packaging/installed_files.cmake")
foreach(path IN LISTS tessaron_installed_files)
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

# The validators' own verdicts: desktop-file-validate prints hints without
# failing, so any output at all counts against the entry.
execute_process(COMMAND desktop-file-validate "${PREFIX}/share/applications/tessaron.desktop"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report)
    message(FATAL_ERROR "desktop-file-validate: ${result}\n${report}")
endif()
file(GLOB metainfo "${PREFIX}/share/metainfo/*.metainfo.xml")
execute_process(COMMAND appstreamcli validate --no-net ${metainfo}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${result}\n${report}")
endif()
