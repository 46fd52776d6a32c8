# shellcheck shell=bash
# Shared by scripts/run and scripts/test (sourced, not run): installs the Debian packages the build
# needs when some are missing, then configures and builds Quintaro into build/ at the repository root.

QUINTARO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUINTARO_BUILD="$QUINTARO_ROOT/build"

# Debian 12 packages: Qt 6 (Widgets, PrintSupport, Test, Italian translations), the toolchain,
# a font (without one every glyph is an empty box), a virtual X server, pdftotext for the print tests,
# Google Benchmark for bench/ and zlib, which inflates the zip and gzip draws files that the import
# reads. Qt Charts draws the chart window; its CMake package needs Qt OpenGL's, which Debian's
# qt6-charts-dev does not bring, and Qt SVG writes the charts as SVG images. For the checks of scripts/test: clang with its runtime libraries (libclang-rt-14-dev holds
# libFuzzer and clang's sanitizers; apt only recommends it, so it is named here) and clang-tidy. For the
# Debian package (scripts/package and the package step of scripts/test): dpkg-dev, whose dpkg-shlibdeps
# gives CPack the package's dependencies; lintian, which checks the package; desktop-file-utils and
# appstream, whose desktop-file-validate and appstreamcli check the menu entry and the metainfo file.
QUINTARO_PACKAGES=(
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    cmake ninja-build g++
    fonts-dejavu-core xvfb xauth poppler-utils libbenchmark-dev zlib1g-dev
    qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
    clang libclang-rt-14-dev clang-tidy clang-format
    dpkg-dev lintian desktop-file-utils appstream
)

quintaro_install_packages() {
    local missing=() package
    for package in "${QUINTARO_PACKAGES[@]}"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)" != installed ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi

    local sudo=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "Run this script as root, or install sudo, to have them installed." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing missing Debian packages: ${missing[*]}"
    ${sudo[@]+"${sudo[@]}"} env DEBIAN_FRONTEND=noninteractive apt-get update
    ${sudo[@]+"${sudo[@]}"} env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures build/ (with any further cmake arguments given) and builds everything, or only the
# targets named in QUINTARO_TARGETS.
quintaro_build() {
    cmake -S "$QUINTARO_ROOT" -B "$QUINTARO_BUILD" -G Ninja "$@"
    local targets=()
    [[ -n "${QUINTARO_TARGETS:-}" ]] && read -ra targets <<<"$QUINTARO_TARGETS"
    cmake --build "$QUINTARO_BUILD" ${targets[@]+--target "${targets[@]}"}
}

# Everything scripts/run does before starting the program: the packages, then the program and the
# command line only (the tests and benchmarks are scripts/test's).
quintaro_prepare() {
    quintaro_install_packages
    QUINTARO_TARGETS="quintaro quintaro-cli" quintaro_build
}
