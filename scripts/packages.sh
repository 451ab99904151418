# The Debian packages each command needs; sourced by the scripts beside it.
# shellcheck disable=SC2034
build_packages=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core libgl-dev)
test_packages=("${build_packages[@]}" libgtest-dev libgmock-dev locales)
