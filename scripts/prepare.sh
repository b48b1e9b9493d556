# Sourced by run.sh and test.sh: installs the Debian packages the game needs, once.
# Everything the project needs is listed here and nowhere else.
TOVAN_PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config
    # the game: window, input, drawing, sound, pictures
    libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev libjpeg-dev
    # the content builder: art, fonts, sounds, music, voices
    libcairo2-dev librsvg2-dev libvorbis-dev espeak-ng fonts-dejavu-core
    # tests, benchmarks and screenshots in a real window
    libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick xdotool
    # a window manager for full screen in a real window, its check, and OpenGL drawn by the CPU
    openbox x11-utils libgl1-mesa-dri
    # checks of what an install puts on the desktop, and the Debian package and its check
    desktop-file-utils appstream dpkg-dev lintian
    # fuzz targets of the file readers (libFuzzer)
    clang libclang-rt-dev
)

tovan_install_packages() {
    local missing=()
    local pkg
    for pkg in "${TOVAN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# tovan_configure <build folder> [cmake options...]
tovan_configure() {
    local dir=$1; shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
}
