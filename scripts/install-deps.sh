#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test TOLVIN, when missing,
# and any further packages named on the command line.
set -euo pipefail

packages=(
    cmake ninja-build g++                       # build
    qt6-base-dev qt6-qpa-plugins                # Qt 6 Core, Gui, Widgets, Test; xcb and offscreen platforms
    qt6-svg-dev                                 # the program's icon, drawn from its SVG picture
    fonts-ipafont-gothic                        # Japanese text
    qt6-translations-l10n                       # Qt's own texts (menus, dialogs) in the desktop's language
    libgtest-dev libgmock-dev libbenchmark-dev  # tests and benchmarks
    xvfb xauth libx11-dev                       # end-to-end test under a virtual X server
    openbox xdotool dbus-daemon                 # a window manager and a D-Bus session around the program
    at-spi2-core python3-gi gir1.2-atspi-2.0    # its windows walked over the accessibility bus
    qt6-wayland weston                          # Wayland: the platform plugin and a headless compositor
    libglib2.0-dev pkg-config                   # GIO: the desktop's text editor for list files
    libicu-dev                                  # ICU: the encodings of list files without a mark
    clang libclang-rt-14-dev                    # fuzz targets (libFuzzer, sanitizers)
    desktop-file-utils appstream                # checks of the desktop entry and the metainfo
    dpkg-dev                                    # the Debian package's library dependencies
    wget python3                                # tolvin-list's list fetched from a loopback test server
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "These packages are missing and there is no sudo to install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
