# The Debian packages each command needs; sourced by the scripts beside it. This is their one list: debian/control's
# Build-Depends names the build's and the unit tests' packages but the toolchain (the test packaging.build_depends
# compares them), and the README points here.
# shellcheck disable=SC2034

# One `apt-get update` for the whole command, however many times it calls scripts/ensure-packages.sh: the mark
# is named by the outermost script's process, and the scripts it calls inherit it.
export TESTOLA_APT_UPDATE_MARK=${TESTOLA_APT_UPDATE_MARK:-${TMPDIR:-/tmp}/testola-apt-update.$$}
toolchain_packages=(ninja-build g++)
# The program loads Qt's own Russian translation (qtbase_ru.qm) from qt6-translations-l10n.
build_packages=("${toolchain_packages[@]}" cmake qt6-base-dev fonts-dejavu-core qt6-translations-l10n libgl-dev)
# Qt's window-system event queue, where keys typed ahead of a box are handed to it (runtime/qt/key_handover.h);
# Wayland's client library and XKB, found with pkg-config, for keys sent to a box already closed
# (runtime/qt/wayland_lost_keys.h).
build_packages+=(qt6-base-private-dev libwayland-dev libxkbcommon-dev pkgconf)
unit_test_packages=(libgtest-dev libgmock-dev locales)
test_packages=("${build_packages[@]}" "${unit_test_packages[@]}")
# The install tests: the desktop validators, a virtual X screen, man to render the manual pages and binutils'
# readelf for the hardening.
test_packages+=(desktop-file-utils appstream xvfb x11-utils man-db groff-base binutils)
# scripts/check.sh: clang-format, clang with libFuzzer, valgrind and Google Benchmark; for the Wayland run, a
# headless sway, Qt's Wayland plugin, a typist, a screenshot tool and OCR to read the screen back.
# libclang-rt-dev is the runtime of the release's default clang, whichever version that is.
check_packages=(clang-format clang libclang-rt-dev valgrind libbenchmark-dev)
check_packages+=(sway qt6-wayland wtype grim jq imagemagick tesseract-ocr)
# The same run on X11: XTest keys from xdotool, the screen read with ImageMagick's import; and the X11 desktop
# check: openbox to move the window, qt6ct for a dark palette, xdotool to drive it.
check_packages+=(xvfb xdotool openbox qt6ct)
# The GNOME key check (scripts/gnome-keys.py): GNOME's own compositor headless, with the PipeWire session it
# expects beside it (and GStreamer's PipeWire plugin for its screen cast), GLib's D-Bus for Python to type through
# its remote desktop, and the accessibility bus and registry, where it reads which box has the keyboard.
check_packages+=(mutter pipewire wireplumber gstreamer1.0-pipewire python3-gi at-spi2-core)
# scripts/windows.sh: the MinGW-w64 cross compilers, GoogleTest's sources to build for them, Wine on a virtual X
# screen with a window manager, xdotool to drive the program, and zip.
windows_packages=(cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest)
windows_packages+=(wine wine64 xvfb x11-utils openbox xdotool zip)
# The MSI: wixl and msitools' msibuild, msiinfo and msiextract, faketime to hold wixl's clock at the commit's
# time, and osslsigncode with openssl for signing and its check.
windows_packages+=(wixl msitools faketime osslsigncode openssl)
# Wine's 32-bit half, from the i386 architecture. scripts/windows.sh installs it on its own: when the archive cannot
# give it, only the runs of 32-bit programs are left out.
wine32_package=wine32:i386
# scripts/check-debian-package.sh: the package's build (dpkg-dev, debhelper, and build-essential, which
# dpkg-checkbuilddeps asks for; git for the clean clone), its judges (lintian, blhc), autopkgtest and its test's
# needs, reprotest with the tools of its variations and diffoscope to show a difference, and sbuild with debootstrap
# and schroot for the clean chroot.
debian_packages=(dpkg-dev debhelper build-essential git lintian blhc autopkgtest xvfb xauth xdotool reprotest
                 faketime disorderfs diffoscope-minimal sbuild debootstrap schroot)
# scripts/check-releases.sh: debootstrap for a minimal system of another release, git for the clean clone in it,
# and sbuild with schroot for its clean build chroot.
releases_packages=(debootstrap git sbuild schroot)
# scripts/cross.sh ARCH: dpkg-architecture for the target's GNU triplet, and qemu-user to run its tests; it adds
# crossbuild-essential-ARCH. Of the build's and the unit tests' packages above, the libraries (Multi-Arch: same)
# are installed for ARCH too, and so is the C++ runtime its programs load under qemu-user; the tools, fonts and
# translations are the build machine's.
cross_packages=(dpkg-dev qemu-user)
cross_runtime_packages=(libstdc++6)
