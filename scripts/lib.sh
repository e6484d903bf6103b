# Shared by the project's scripts: installs what a fresh Debian 12 machine lacks.

# need_packages PACKAGE...: installs the packages that are not installed yet,
# with apt-get as root or through sudo.
need_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; return 1; }
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update -q || return 1
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The toolchain of the core, its tests, fuzzers and benchmarks.
need_core_packages() {
    need_packages cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
}

# configure_and_build PRESET: configures and builds one CMake preset.
configure_and_build() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$(nproc)"
}
