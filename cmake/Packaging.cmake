# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules (scripts/package).
include(GNUInstallDirs)
include(cmake/PackageVersion.cmake)
# Debian looks for a package's documents under its name, not the project's.
set(TESSARON_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/tessaron")
tessaron_package_version(TESSARON_PACKAGE_VERSION package_date)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VERSION "${TESSARON_PACKAGE_VERSION}")
set(CPACK_PACKAGE_CONTACT "Tessaron Dev <dev@tessaron.invalid>")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack
# escapes for XML (an apostrophe would reach the control file as &apos;).
file(READ "${PROJECT_SOURCE_DIR}/ui/resources/packaging/description.txt" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# CPack packs what the build has made instead of first building everything,
# tests and benchmarks included, as the install step otherwise would.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries come from the binary itself (dpkg-shlibdeps); the runtime's
# Japanese error texts need a font with their glyphs, Tahoma is built in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-vlgothic)

# Debian wants a changelog in its own format beside every package's documents;
# this one records the version and where it was built from.
set(changelog "${PROJECT_BINARY_DIR}/packaging/changelog")
file(WRITE "${changelog}" "tessaron (${TESSARON_PACKAGE_VERSION}) unstable; urgency=medium

  * Tessaron ${TESSARON_PACKAGE_VERSION}, packaged by CPack from the CMake build.

 -- ${CPACK_PACKAGE_CONTACT}  ${package_date}
")
execute_process(COMMAND gzip -9nc "${changelog}" OUTPUT_FILE "${changelog}.gz"
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES "${changelog}.gz" DESTINATION "${TESSARON_DOC_DIR}")

include(CPack)
