#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package found in the folder given on this machine, starts the
# installed program under Xvfb until its window is on the screen, then takes
# the package and whatever apt pulled in for it off again.
#
# It changes the machine, so it runs only as root under CI=true, and only when
# nothing of the package is there yet: an installed tessaron or a file in its
# way is someone's, and is left alone. Any other case exits 77, which ctest
# reports as skipped.
set -euo pipefail
skip=77
packages=("$1"/*.deb)
if [ "${#packages[@]}" -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "no single package in $1" >&2
    exit 1
fi
deb="${packages[0]}"

if [ "${CI:-}" != true ] || [ "$(id -u)" -ne 0 ]; then
    echo "not root under CI=true: the package is not installed here"
    exit $skip
fi
state="$(dpkg-query -W -f='${db:Status-Status}' tessaron 2>/dev/null || true)"
if [ -n "$state" ] && [ "$state" != not-installed ]; then
    echo "a tessaron package is on this machine already ($state): left alone"
    exit $skip
fi
while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
        echo "$path exists already and would be overwritten: left alone"
        exit $skip
    fi
done < <(dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ { sub(/^\./, "", $NF); print $NF }')

# Names and versions, so that an upgrade apt made on the way counts as a change.
installed_packages() {
    dpkg-query -W -f='${db:Status-Status} ${binary:Package} ${Version}\n' |
        awk '$1 != "not-installed" { print $2, $3 }' | sort
}
before="$(installed_packages)"
export DEBIAN_FRONTEND=noninteractive
log="$(mktemp)"

restore() {
    dpkg --purge tessaron >> "$log" 2>&1 || true
    mapfile -t pulled_in < <(comm -13 <(echo "$before") <(installed_packages) | cut -d' ' -f1)
    if [ "${#pulled_in[@]}" -gt 0 ]; then
        apt-get purge -y "${pulled_in[@]}" >> "$log" 2>&1 || true
    fi
    if [ "$(installed_packages)" != "$before" ]; then
        echo "the machine's packages differ from before the check:" >&2
        diff <(echo "$before") <(installed_packages) >&2 || true
        cat "$log" >&2
        exit 1
    fi
    rm -f "$log"
}
trap restore EXIT
trap 'exit 1' INT TERM

if ! dpkg -i "$deb" >> "$log" 2>&1; then
    apt-get -f install -y --no-install-recommends >> "$log" 2>&1
fi
if [ "$(dpkg-query -W -f='${db:Status-Status}' tessaron)" != installed ]; then
    echo "the package did not install:" >&2
    cat "$log" >&2
    exit 1
fi

# The installed program by its full path, on the X server Xvfb provides: its
# window must be mapped while the program still runs.
export QT_QPA_PLATFORM=xcb
# shellcheck disable=SC2016  # the inner shell expands these
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    /usr/bin/tessaron & program=$!
    for attempt in $(seq 100); do
        if ! kill -0 $program 2> /dev/null; then
            echo "/usr/bin/tessaron ended before showing its window" >&2
            exit 1
        fi
        if window="$(xwininfo -name Tessaron 2> /dev/null)" &&
           grep -q "Map State: IsViewable" <<< "$window"; then
            grep -E "Window id|Width|Height" <<< "$window"
            kill $program
            wait $program || true
            exit 0
        fi
        sleep 0.2
    done
    echo "no window named Tessaron after 20 seconds" >&2
    kill $program
    exit 1
'
