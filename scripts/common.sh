# Shared by scripts/run and scripts/test: installs the Debian packages the build and the tests
# need, then configures and builds in build/. Sourced, not run.

ORVANTA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVANTA_BUILD="$ORVANTA_ROOT/build"

ORVANTA_PACKAGES=(
    g++ cmake ninja-build pkg-config               # compiler and build
    qt6-base-dev qt6-base-dev-tools libgl-dev      # Qt 6 Widgets, Qt Test, moc
    qt6-qpa-plugins                                # offscreen and xcb platforms
    qt6-svg-dev                                    # drawings exported as SVG, and read back by the tests
    qt6-translations-l10n                          # the toolkit's own dialogs in Italian
    libgtest-dev libgmock-dev                      # unit tests
    libbenchmark-dev                               # benchmarks
    libeigen3-dev                                  # dense symmetric algebra (factorisations, modes)
    qpdf poppler-utils                             # PDF checks in the tests (qpdf, pdftotext, pdfimages)
    python3-ezdxf                                  # DXF plans read back by a real reader in the tests
    xvfb xauth                                     # windows under a virtual display
    fonts-dejavu-core fontconfig                   # text in windows drawn offscreen
)

orvanta_install_packages() {
    local missing=()
    local package
    for package in "${ORVANTA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Mancano questi pacchetti: ${missing[*]}" >&2
        echo "Eseguire come root, oppure: sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
    echo "Installazione di: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

orvanta_build() {
    if [ ! -f "$ORVANTA_BUILD/build.ninja" ]; then
        cmake -S "$ORVANTA_ROOT" -B "$ORVANTA_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$ORVANTA_BUILD"
}

# The core libraries, the batch tool and their tests alone, with the GUI switched off: proves
# that nothing below the windows needs Qt.
ORVANTA_BUILD_CORE="$ORVANTA_ROOT/build-core"
orvanta_build_core() {
    if [ ! -f "$ORVANTA_BUILD_CORE/build.ninja" ]; then
        cmake -S "$ORVANTA_ROOT" -B "$ORVANTA_BUILD_CORE" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_BUILD_GUI=OFF -DORVANTA_BUILD_BENCH=OFF
    fi
    cmake --build "$ORVANTA_BUILD_CORE"
}
