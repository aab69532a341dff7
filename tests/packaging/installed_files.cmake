# SPDX-License-Identifier: GPL-3.0-or-later
# Every file an install puts down, relative to its prefix: the one list that
# both the install tree and the Debian package are checked against.
set(tessaron_installed_files
    bin/tessaron
    share/applications/tessaron.desktop
    share/icons/hicolor/scalable/apps/tessaron.svg
    share/metainfo/invalid.tessaron.tessaron.metainfo.xml
    share/man/man1/tessaron.1.gz
    share/doc/tessaron/README.md
    share/doc/tessaron/changelog.gz
    share/doc/tessaron/copyright
    share/doc/tessaron/docs/build-window.png
    share/doc/tessaron/docs/opamp-real.png
    share/doc/tessaron/docs/requirements-window.png
    share/doc/tessaron/docs/response-window.png
    share/doc/tessaron/docs/schematic-mfb.png
    share/doc/tessaron/docs/schematic-passive.png
    share/doc/tessaron/docs/schematic-sallen-key.png
    share/doc/tessaron/docs/screenshot.png)
