#!/usr/bin/env bash
# Checks the real device path in a small virtual machine: Debian's own kernel (uhid, hid,
# hid-generic, evdev), systemd-udevd with the project's udev rule, and the build's programs
# talking to mousecfg-uhid's virtual mouse through hidraw. The guest (tests/vm/init, then
# tests/vm/checks.sh) prints one "VMCHECK PASS name" or "VMCHECK FAIL name: reason" line per
# check on its serial console; this script prints them and fails on any failure, on a missing
# or unexpected result, and when the machine does not finish in time.
# Usage: scripts/vm-test.sh [BUILD_DIR]     (default build/, where scripts/test.sh builds)
# Needs root (apt). Downloads nothing but Debian packages: the kernel and udev packages are
# unpacked into BUILD_DIR/vm (never installed on this machine) and kept there for the next run,
# as is the machine's image until the programs change. MOUSECFG_VM_TIMEOUT: the machine's time
# limit in seconds (290); MOUSECFG_VM_BOOT_TIMEOUT: how long the kernel may take to come up
# before the machine is started again under software emulation (60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/bin
vm=$build/vm
time_limit=${MOUSECFG_VM_TIMEOUT:-290}
started=$(date +%s)

# The checks the guest must report.
expected=(boot receiver-list receiver-status receiver-apply select-profile watch-notice pointer-events
          udev-uaccess receiver-blocks both-cable-first both-fallback-cli window-fallback window-warning
          fault-writefail fault-stale fault-silent fault-zeros uhid-real-path-test)

for program in mousecfg mousecfgctl mousecfg-uhid mousecfg-osd test_uhid_real_path; do
  if [ ! -x "$bin/$program" ]; then
    echo "vm-test: $bin/$program is missing; build first (scripts/test.sh)" >&2
    exit 1
  fi
done

# ---- host packages: the emulator, busybox and cpio (installed when missing)
missing=()
for p in qemu-system-x86 busybox-static cpio; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "vm-test: installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$vm"
# Downloads one Debian package into a scratch folder and unpacks it into $2.
unpack_package() {
  local package=$1 into=$2 scratch
  scratch=$(mktemp -d "$vm/download.XXXXXX")
  (cd "$scratch" && apt-get download -q "$package" 2>&1 | grep -v '^W: Download is performed unsandboxed' >&2 || true)
  local deb
  deb=$(ls "$scratch"/*.deb 2>/dev/null | head -1)
  if [ -z "$deb" ]; then
    rm -rf "$scratch"
    echo "vm-test: cannot download $package" >&2
    return 1
  fi
  dpkg-deb -x "$deb" "$into"
  rm -rf "$scratch"
}

# ---- the kernel: the package linux-image-amd64 depends on; only its image and the modules the
# guest loads are kept.
kernel_package() { apt-cache depends linux-image-amd64 2>/dev/null | sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*\)$/\1/p' | head -1; }
kpkg=$(kernel_package)
if [ -z "$kpkg" ]; then
  apt-get update -qq
  kpkg=$(kernel_package)
fi
[ -n "$kpkg" ] || { echo "vm-test: no kernel package behind linux-image-amd64" >&2; exit 1; }
kver=${kpkg#linux-image-}
kcache=$vm/$kpkg
guest_modules=(uhid hid-generic evdev)
if [ ! -f "$kcache/ready" ]; then
  echo "vm-test: fetching $kpkg"
  rm -rf "$kcache" "$vm/kernel-unpacked"
  unpack_package "$kpkg" "$vm/kernel-unpacked"
  moddir=$vm/kernel-unpacked/lib/modules/$kver
  mkdir -p "$kcache/modules"
  cp "$vm/kernel-unpacked/boot/vmlinuz-$kver" "$kcache/vmlinuz"
  # Each module after the ones it depends on (from its own .modinfo "depends=" field).
  order=()
  add_module() {
    local name=$1 file dep
    for done_name in "${order[@]:-}"; do [ "$done_name" = "$name" ] && return 0; done
    file=$(find "$moddir/kernel" -name "$name.ko*" -o -name "${name//_/-}.ko*" | head -1)
    [ -n "$file" ] || { echo "vm-test: module $name not in $kpkg" >&2; return 1; }
    case $file in
      *.xz) xz -dc "$file" > "$kcache/modules/$name.ko" ;;
      *.zst) zstd -qdc "$file" > "$kcache/modules/$name.ko" ;;
      *.gz) gzip -dc "$file" > "$kcache/modules/$name.ko" ;;
      *) cp "$file" "$kcache/modules/$name.ko" ;;
    esac
    for dep in $(grep -ao 'depends=[A-Za-z0-9_,-]*' "$kcache/modules/$name.ko" | head -1 | cut -d= -f2 | tr ',' ' '); do
      add_module "$dep"
    done
    order+=("$name")
  }
  for m in "${guest_modules[@]}"; do add_module "$m"; done
  printf '%s.ko\n' "${order[@]}" > "$kcache/modules/order"
  rm -rf "$vm/kernel-unpacked"
  touch "$kcache/ready"
fi

# ---- systemd-udevd: the udev package of the version the host's libudev has (its libraries then
# come from this machine); only udevadm and the stock rules are kept.
udev_version=$(dpkg-query -W -f='${Version}' libudev1)
ucache=$vm/udev-$udev_version
if [ ! -f "$ucache/ready" ]; then
  echo "vm-test: fetching udev $udev_version"
  rm -rf "$ucache" "$vm/udev-unpacked"
  unpack_package "udev=$udev_version" "$vm/udev-unpacked"
  mkdir -p "$ucache"
  cp "$vm/udev-unpacked/bin/udevadm" "$ucache/udevadm"
  cp -r "$vm/udev-unpacked/lib/udev/rules.d" "$ucache/rules.d"
  rm -rf "$vm/udev-unpacked"
  touch "$ucache/ready"
fi

# Caches of other kernel or udev versions are dropped.
for old in "$vm"/linux-image-* "$vm"/udev-*; do
  if [ -e "$old" ] && [ "$old" != "$kcache" ] && [ "$old" != "$ucache" ]; then rm -rf "$old"; fi
done

# ---- the image: the programs, their libraries, busybox, udev and the modules in one cpio archive
build_image() {
  image=$vm/root
  rm -rf "$image"
  mkdir -p "$image"/{bin,sbin,dev,proc,sys,run,tmp,root,etc/udev/rules.d,usr/bin,usr/sbin,usr/lib/systemd,usr/lib64,mc/bin}
  ln -s usr/lib "$image/lib"
  ln -s usr/lib64 "$image/lib64"
  cp /bin/busybox "$image/bin/busybox"
  install -m 755 "$root/tests/vm/init" "$image/init"
  install -m 644 "$root/tests/vm/checks.sh" "$image/checks.sh"

  # The programs (stripped copies) and what they read beside them, in /mc/bin. The test program
  # has the build folder's path built in: the guest links that path to /mc/bin once its own /tmp
  # and /run are mounted (a build folder may lie under either).
  for program in mousecfg mousecfgctl mousecfg-uhid mousecfg-osd test_uhid_real_path; do
    strip -o "$image/mc/bin/$program" "$bin/$program"
  done
  cp -r "$bin/skin" "$bin/lang" "$bin/DefaultProfile.bin" "$image/mc/bin/"
  if [ -d "$bin/templates" ]; then cp -r "$bin/templates" "$image/mc/bin/"; fi
  printf '%s\n' "$bin" > "$image/mc/build-path"

  # udev with its stock rules, the seat rules from this machine's systemd, and the project's rule.
  cp "$ucache/udevadm" "$image/usr/bin/udevadm"
  ln -s ../../bin/udevadm "$image/usr/lib/systemd/systemd-udevd"
  mkdir -p "$image/usr/lib/udev"
  cp -r "$ucache/rules.d" "$image/usr/lib/udev/rules.d"
  for rule in 70-uaccess.rules 71-seat.rules 73-seat-late.rules; do
    cp "/usr/lib/udev/rules.d/$rule" "$image/usr/lib/udev/rules.d/"
  done
  cp "$root/data/60-mousecfg.rules" "$image/usr/lib/udev/rules.d/"
  cat > "$image/etc/passwd" <<'EOF'
root:x:0:0:root:/root:/bin/sh
EOF
  cat > "$image/etc/group" <<'EOF'
root:x:0:
tty:x:5:
disk:x:6:
dialout:x:20:
kmem:x:15:
cdrom:x:24:
audio:x:29:
video:x:44:
plugdev:x:46:
input:x:101:
kvm:x:102:
render:x:103:
sgx:x:104:
EOF

  # Qt's offscreen platform and GIF plugins, and one font family through fontconfig.
  qtplugins=$(dirname "$(dirname "$(find /usr/lib -path '*qt5/plugins/platforms/libqoffscreen.so' | head -1)")")
  mkdir -p "$image/$qtplugins/platforms" "$image/$qtplugins/imageformats"
  cp "$qtplugins/platforms/libqoffscreen.so" "$image/$qtplugins/platforms/"
  cp "$qtplugins/imageformats/libqgif.so" "$image/$qtplugins/imageformats/"
  mkdir -p "$image/usr/share/fonts/truetype/dejavu" "$image/etc/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
     "$image/usr/share/fonts/truetype/dejavu/"
  cat > "$image/etc/fonts/fonts.conf" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>/tmp/fontconfig</cachedir>
</fontconfig>
EOF

  # Every shared library the binaries need, the dynamic loader included, at the same path.
  binaries=("$image"/mc/bin/mousecfg "$image"/mc/bin/mousecfgctl "$image"/mc/bin/mousecfg-uhid
            "$image"/mc/bin/mousecfg-osd "$image"/mc/bin/test_uhid_real_path "$image"/usr/bin/udevadm
            "$image/$qtplugins/platforms/libqoffscreen.so" "$image/$qtplugins/imageformats/libqgif.so")
  libs=$(ldd "${binaries[@]}" | awk '/=> \// {print $3} /^\t\/[^ ]* \(0x/ {print $1}' | sort -u)
  if ldd "${binaries[@]}" | grep -q 'not found'; then
    echo "vm-test: libraries missing on this machine:" >&2
    ldd "${binaries[@]}" | grep 'not found' | sort -u >&2
    exit 1
  fi
  for lib in $libs; do
    mkdir -p "$image$(dirname "$lib")"
    cp -L "$lib" "$image$lib"
  done
  echo /usr/lib/x86_64-linux-gnu > "$image/etc/ld.so.conf"
  ldconfig -r "$image"

  mkdir -p "$image/usr/lib/modules"
  cp "$kcache/modules/"* "$image/usr/lib/modules/"

  (cd "$image" && find . | cpio -o -H newc --quiet) > "$initrd.new"
  mv "$initrd.new" "$initrd"
  rm -rf "$image"
}

# Built again when the programs, the guest's scripts, the rule, this script or the cached
# packages changed.
initrd=$vm/initramfs.cpio
inputs=("$bin"/{mousecfg,mousecfgctl,mousecfg-uhid,mousecfg-osd,test_uhid_real_path,DefaultProfile.bin,skin,lang}
        "$root/tests/vm" "$root/data/60-mousecfg.rules" "$root/scripts/vm-test.sh" "$kcache/ready" "$ucache/ready")
if [ -f "$initrd" ] && [ -z "$(find "${inputs[@]}" -newer "$initrd" | head -1)" ]; then
  echo "vm-test: image unchanged ($(du -m "$initrd" | cut -f1) MB)"
else
  build_image
  echo "vm-test: image $(du -m "$initrd" | cut -f1) MB, built in $(( $(date +%s) - started )) s"
fi

# ---- boot and read the results
# Hardware virtualisation is tried first where /dev/kvm is there, but a machine may offer the
# device without working support (a nested guest): when the kernel has not come up within
# boot_limit seconds the machine is started again under software emulation, which brings the
# kernel up in a few seconds.
boot_limit=${MOUSECFG_VM_BOOT_TIMEOUT:-60}
accels=(tcg)
if [ -w /dev/kvm ]; then accels=(kvm tcg); fi
console=$vm/console.log
status=0
for accel in "${accels[@]}"; do
  rm -f "$console" "$vm/first-result"
  boot_started=$(date +%s%N)
  # The time to the first result, seen from here.
  ( while ! grep -Eq '^VMCHECK (PASS|FAIL) boot' "$console" 2>/dev/null; do sleep 0.2; done
    echo $(( ($(date +%s%N) - boot_started) / 1000000 )) > "$vm/first-result" ) &
  watcher=$!
  timeout --foreground -k 5 "$time_limit" qemu-system-x86_64 -accel "$accel" -m 1024 -smp 2 -nographic -no-reboot \
    -kernel "$kcache/vmlinuz" -initrd "$initrd" -append "console=ttyS0 quiet loglevel=1 panic=-1" \
    -nic none </dev/null >"$console" 2>&1 &
  machine=$!
  came_up=0
  while kill -0 "$machine" 2>/dev/null; do
    if grep -aq '^VMCHECK INFO kernel up' "$console" 2>/dev/null; then came_up=1; break; fi
    if [ $(( ($(date +%s%N) - boot_started) / 1000000000 )) -ge "$boot_limit" ]; then break; fi
    sleep 0.2
  done
  if [ "$came_up" -eq 0 ] && kill -0 "$machine" 2>/dev/null && [ "$accel" != "${accels[-1]}" ]; then
    echo "vm-test: the kernel did not come up within $boot_limit s with $accel; starting again with ${accels[-1]}"
    kill "$machine" 2>/dev/null || true
    wait "$machine" 2>/dev/null || true
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    continue
  fi
  status=0
  wait "$machine" || status=$?
  break
done
elapsed_ms=$(( ($(date +%s%N) - boot_started) / 1000000 ))
sleep 0.5
kill "$watcher" 2>/dev/null || true
wait "$watcher" 2>/dev/null || true
tr -d '\r' < "$console" > "$console.txt"

grep -o 'VMCHECK .*' "$console.txt" | sed 's/^VMCHECK //' || true
failed=0
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "vm-test: the machine did not finish within $time_limit s" >&2
  failed=1
elif [ "$status" -ne 0 ]; then
  echo "vm-test: the emulator ended with status $status" >&2
  failed=1
fi
for name in "${expected[@]}"; do
  if ! grep -Eq "^VMCHECK (PASS|FAIL) $name(:|\$)" "$console.txt"; then
    echo "vm-test: no result for $name" >&2
    failed=1
  fi
done
while read -r name; do
  case " ${expected[*]} " in
    *" $name "*) ;;
    *) echo "vm-test: unexpected result $name" >&2; failed=1 ;;
  esac
done < <(sed -n 's/^VMCHECK \(PASS\|FAIL\) \([^:]*\).*$/\2/p' "$console.txt")
if grep -q '^VMCHECK FAIL ' "$console.txt"; then failed=1; fi
if ! grep -q '^VMCHECK END' "$console.txt"; then
  echo "vm-test: the guest did not reach its end" >&2
  failed=1
fi
first=$(cat "$vm/first-result" 2>/dev/null || echo none)
echo "vm-test: first result after ${first} ms, machine ran ${elapsed_ms} ms ($accel), whole run $(( $(date +%s) - started )) s; console in $console.txt"
if [ "$failed" -ne 0 ]; then
  echo "vm-test: the console's last lines:" >&2
  tail -n 40 "$console.txt" >&2
  echo "vm-test: FAILED" >&2
  exit 1
fi
echo "vm-test: all ${#expected[@]} checks passed"
