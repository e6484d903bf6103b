# Shared by the Qt shell's scripts; needs scripts/lib.sh first.

# The Qt shell's build, its tests' fonts and the platform plugins.
need_qt_packages() {
    need_packages cmake ninja-build g++ pkgconf qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6 \
        libgl-dev libfontconfig-dev fontconfig fonts-wqy-zenhei fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra "$@"
}

# A private runtime directory keeps Qt from warning that none is set.
ensure_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        chmod 700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
}
