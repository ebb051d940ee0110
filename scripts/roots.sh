# Mounts and chroots for the scripts that work in Debian roots (debian13-root, fresh-root): run
# as root in a mount namespace of their own, so that no mount outlives them. Sourced.

mounts=()
# Unmounts, last first, everything mount_at mounted.
unmount_all() {
    local index
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount -R "${mounts[index]}" || umount -lR "${mounts[index]}"
    done
    mounts=()
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
# Qt their shared memory in /dev/shm), and this machine's name servers.
prepare_chroot() {
    local root="$1"
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
