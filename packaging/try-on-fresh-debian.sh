#!/usr/bin/env bash
# Installs a package made by scripts/package into a fresh Debian 12 (a minimal debootstrap
# root, without build tools), starts the installed program offscreen for a person with an
# empty home, then removes the package and shows that the person's data stayed. Needs root
# and the network; the root is made once and kept for later tries.
#   packaging/try-on-fresh-debian.sh build-package/mirtal_VERSION_amd64.deb [ROOT]
set -euo pipefail
deb=$(realpath "${1:?package}")
root=${2:-/tmp/mirtal-fresh-debian}
if [ ! -x "$root/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -q debootstrap >/dev/null
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
trap 'umount "$root/dev/pts" "$root/dev" "$root/proc"' EXIT
cp "$deb" "$root/tmp/"
inroot() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive "$@"
}
inroot apt-get update -q >/dev/null
before=$(inroot dpkg -l | grep -cE '^ii')
inroot apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >/dev/null
echo "packages installed: $before before, $(inroot dpkg -l | grep -cE '^ii') after"
for tool in gcc g++ cmake; do
  if inroot sh -c "command -v $tool" >/dev/null; then echo "build tool present: $tool"; fi
done
inroot rm -rf /tmp/home
inroot mkdir -m 700 /tmp/home
inroot env HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home QT_QPA_PLATFORM=offscreen \
  mirtal --quit-when-shown
echo "started; the person's data: $(inroot find /tmp/home -name Mirtal.mdb)"
inroot apt-get remove -y -q mirtal >/dev/null
echo "removed; left of the package: $(inroot sh -c 'ls -d /usr/bin/mirtal /usr/share/mirtal 2>/dev/null' || true)"
echo "the person's data after removal: $(inroot find /tmp/home -name Mirtal.mdb)"
