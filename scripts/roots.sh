# Mounts and chroots for the scripts that work in Debian roots (debian13-root, fresh-root): run
# as root in a mount namespace of their own, so that no mount outlives them. Sourced.

mounts=()
# Unmounts, last first, everything mount_at mounted, each busy one lazily; goes on past a
# failure, which it reports by its status.
unmount_all() {
    local index status=0
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount -R "${mounts[index]}" || umount -lR "${mounts[index]}" || status=1
    done
    mounts=()
    return "$status"
}

# Prints the mount points at or under a folder, as this mount namespace sees them.
mounts_under() {
    local folder="$1" targets target
    targets=$(findmnt -rn -o TARGET) || return 1
    while read -r target; do
        # The raw listing writes blanks and the like as \x escapes.
        target=$(printf '%b' "$target")
        case "$target" in
            "$folder" | "$folder"/*) echo "$target" ;;
        esac
    done <<<"$targets"
}

# Removes a folder that a run made, only once nothing is mounted under it, and even then never
# across into another file system: a mount left there (one that would not come off, or one made
# by hand) shows something else, /dev or the checkout maybe, which must not go with it. Refuses,
# saying what is mounted, otherwise. The folder is named as the mount table names it (realpath).
remove_made() {
    local folder="$1" left
    left=$(mounts_under "$folder") || return 1
    if [ -n "$left" ]; then
        echo "REFUSED to remove $folder, where something is still mounted:" >&2
        sed 's/^/    /' <<<"$left" >&2
        return 1
    fi
    rm -rf --one-file-system "$folder"
}

# mount_at <mount arguments...> <target>: mounts, creating the target, and remembers it.
mount_at() {
    local target="${*: -1}"
    mkdir -p "$target"
    mount "$@"
    mounts+=("$target")
}

# What a chroot needs to run apt, compilers, X servers and Wine: the kernel's file systems, a
# /tmp and a /dev/shm of its own (the X servers and buses make their sockets in /tmp, Wine and
# Qt their shared memory in /dev/shm), and this machine's name servers. A root that is a plain
# folder is first mounted on itself, so that its / is a mount point as a machine's is: without
# it, a mount namespace made in the root cannot make its mounts private ("unshare: cannot change
# root filesystem propagation"), and scripts/test-debian13 cannot run there. An overlay is a
# mount point already; a second mount on it would come off with the overlay's own unmount.
prepare_chroot() {
    local root="$1"
    mountpoint -q "$root" || mount_at --bind "$root" "$root"
    mount_at -t proc proc "$root/proc"
    mount_at --bind /dev "$root/dev"
    mount_at --bind /dev/pts "$root/dev/pts"
    mount_at -t tmpfs tmpfs "$root/dev/shm"
    mount_at -t tmpfs tmpfs "$root/tmp"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
}

root_environment=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
    DEBIAN_FRONTEND=noninteractive)
# in_root <root> <command...>: runs a command in the root with a clean environment.
in_root() {
    local root="$1"
    shift
    chroot "$root" "${root_environment[@]}" "$@"
}

# Runs a long step with its output in a log; shows the log's end when it fails. The subshell
# keeps the redirection off this shell, whose exit handler must still write to the terminal
# when an interruption ends the step.
logged() {
    local log="$1"
    shift
    if ! ("$@") >>"$log" 2>&1; then
        tail -n 40 "$log" >&2
        return 1
    fi
}

# make_minbase <suite> <mirror> <root> <log>: a minimal Debian root made with debootstrap. dpkg
# need not sync every file it writes there (a root is made whole or thrown away), nor apt fetch
# translated descriptions.
make_minbase() {
    local suite="$1" mirror="$2" root="$3" log="$4"
    logged "$log" debootstrap --variant=minbase "$suite" "$root" "$mirror"
    echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
    echo 'Acquire::Languages "none";' >"$root/etc/apt/apt.conf.d/no-translations"
}
