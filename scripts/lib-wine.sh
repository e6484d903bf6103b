# Shared by the Win32 shell's scripts; needs scripts/lib.sh first.

# The cross compiler, Wine, a virtual display, the fonts the tests read and
# the zh_CN locale that makes Wine's ANSI code page 936.
need_wine_packages() {
    need_packages cmake ninja-build g++-mingw-w64-x86-64-posix libgtest-dev wine wine64 xvfb xauth locales \
        fonts-wqy-zenhei fonts-noto-cjk fonts-dejavu-core
    if ! locale -a 2>/dev/null | grep -qx 'zh_CN.utf8'; then
        local as_root=()
        [ "$(id -u)" -eq 0 ] || as_root=(sudo)
        if grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
            "${as_root[@]}" sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
        else
            echo 'zh_CN.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
        fi
        "${as_root[@]}" locale-gen
    fi
}

# A Wine prefix of the build's own, in the Chinese locale, quiet.
wine_environment() {
    export WINEPREFIX="$PWD/build/win32/wineprefix"
    export WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko installers, and a crash ends the process instead of
    # waiting in the debugger.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}
