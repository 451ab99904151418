# Adding a foreign architecture to dpkg for a command, and taking it back; sourced by the scripts beside it.
# shellcheck shell=bash

# Root's commands, through sudo for anyone else.
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# add_architecture ARCH: adds ARCH to dpkg unless it is there; its status says whether this call added it.
add_architecture() {
    ! dpkg --print-foreign-architectures | grep -xF -- "$1" >/dev/null || return 1
    echo "Adding the $1 architecture" >&2
    as_root dpkg --add-architecture "$1"
    # A new architecture has package lists of its own to fetch, even where this command has updated already.
    rm -f "$TESTOLA_APT_UPDATE_MARK"
}

# remove_architecture_if_unused ARCH: removes ARCH again when nothing of it is installed. An architecture kept for
# nothing would make every later update fetch its index, which may be a broken one.
remove_architecture_if_unused() {
    # dpkg keeps an architecture while any package of it is known, installed or with its files left.
    dpkg-query -W -f='${db:Status-Status} ${Architecture}\n' 2>/dev/null |
        awk -v arch="$1" '$1 != "not-installed" && $2 == arch { known = 1 } END { exit known }' || return 0
    echo "Removing the $1 architecture again: nothing of it is installed" >&2
    as_root dpkg --remove-architecture "$1"
}
