# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Debian packages Chromadeck needs to build, test and run, and a function
# that installs whichever of them are missing. Sourced by scripts/run and
# scripts/test so both agree on one list.

CHROMADECK_PACKAGES=(
    # toolchain
    g++ cmake ninja-build pkg-config
    # the format check in scripts/test
    clang-format
    # the fuzz targets (scripts/fuzz): clang with libFuzzer and its sanitizer runtimes
    clang libclang-rt-14-dev
    # Qt and the headers its CMake packages look for
    qt6-base-dev qt6-image-formats-plugins libgl-dev
    # Wayland sessions: Qt's native platform, and a private session bus (dbus-daemon) for
    # the screen grab's desktop-portal tests (Qt D-Bus itself comes with qt6-base-dev)
    qt6-wayland dbus dbus-daemon
    # GIF pictures
    libgif-dev
    # the benchmarks under bench/ (Google Benchmark)
    libbenchmark-dev
    # fonts the text stamps are laid out with (Latin and CJK)
    fonts-liberation2 fonts-arphic-uming
    # the real-window smoke test: a private X server and a mouse to click with
    xvfb xauth xdotool
    # another program reading and taking over the clipboard in the smoke test
    xclip
    # the install test's validators and manual reader
    desktop-file-utils appstream man-db
    # the monkey test's driver: Xlib and XTest
    libx11-dev libxtst-dev
    # the English translation (lupdate, lrelease) and Qt's own dialogs in Chinese
    qt6-l10n-tools qt6-translations-l10n
)

# Prints the packages from the list that dpkg does not report as installed.
missing_packages() {
    local pkg
    for pkg in "${CHROMADECK_PACKAGES[@]}"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]]; then
            echo "$pkg"
        fi
    done
}

# Installs what is missing; touches apt only when something is.
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages)
    if ((${#missing[@]} == 0)); then
        echo "All ${#CHROMADECK_PACKAGES[@]} required packages are installed."
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local as_root=()
    if ((EUID != 0)); then as_root=(sudo); fi
    # Wait for another apt run (e.g. an unattended upgrade) instead of failing on its lock.
    local apt=(apt-get -o DPkg::Lock::Timeout=600)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y \
        --no-install-recommends "${missing[@]}"
    mapfile -t missing < <(missing_packages)
    if ((${#missing[@]} != 0)); then
        echo "Still missing after apt-get install: ${missing[*]}" >&2
        return 1
    fi
}
