# The checks run inside the virtual machine (sourced by /init, busybox sh). Each prints one
# "VMCHECK PASS name" or "VMCHECK FAIL name: reason" line; scripts/vm-test.sh expects exactly
# these names. The mouse is mousecfg-uhid's virtual receiver and/or cable: real kernel HID
# devices, reached through hidapi's hidraw backend, with systemd-udevd running. Each result on
# the real path is compared with what the same program gives on the simulated mouse.

MC=/mc/bin
CTL=$MC/mousecfgctl
UHID=$MC/mousecfg-uhid
FIFO=/tmp/uhid.control
export HOME=/root XDG_RUNTIME_DIR=/run/user/0 GSETTINGS_BACKEND=memory QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

pass() { echo "VMCHECK PASS $1"; }
fail() { echo "VMCHECK FAIL $1: $(echo "$2" | tr '\n' '|')"; }
info() { echo "VMCHECK INFO $*"; }
now_ms() { awk '{ printf "%.0f", $1 * 1000 }' /proc/uptime; }

# A fresh application folder with the model description.
fresh_data() {
    local dir
    dir=$(mktemp -d)
    cp "$MC/DefaultProfile.bin" "$dir/"
    echo "$dir"
}

# wait_for FILE TEXT SECONDS: until FILE holds the fixed text.
wait_for() {
    local tries=$(($3 * 10))
    while ! grep -qF -- "$2" "$1" 2>/dev/null; do
        tries=$((tries - 1))
        [ "$tries" -le 0 ] && return 1
        sleep 0.1
    done
}

# ---- the virtual mouse
UHID_PID=""
UHID_LOG=""
uhid_start() { # LIST DUMP
    rm -f "$FIFO"
    UHID_LOG=/tmp/uhid.$(now_ms).log
    "$UHID" --mouse "$1" --control "$FIFO" --dump "$2" >"$UHID_LOG" 2>&1 &
    UHID_PID=$!
    wait_for "$UHID_LOG" "mousecfg-uhid: ready" 20 || return 1
    udevadm settle --timeout=30
}
uhid_stop() {
    [ -n "$UHID_PID" ] || return 1
    kill "$UHID_PID"
    wait "$UHID_PID"
    local status=$?
    UHID_PID=""
    udevadm settle --timeout=30
    return $status
}
# Sends one command and waits for its answer; false when the tool refused it. One command at a
# time: the newest answer is this command's.
answers() { grep -E '^mousecfg-uhid: (ok|error) ' "$UHID_LOG"; }
control() {
    local before tries=100
    before=$(answers | wc -l)
    echo "$*" >"$FIFO"
    while [ "$(answers | wc -l)" -le "$before" ]; do
        tries=$((tries - 1))
        [ "$tries" -le 0 ] && return 1
        sleep 0.1
    done
    [ "$(answers | tail -n 1)" = "mousecfg-uhid: ok $*" ]
}
# The command reports each link has taken so far: "RECEIVER CABLE".
counts() {
    control counts || return 1
    grep 'mousecfg-uhid: counts ' "$UHID_LOG" | tail -n 1 | awk '{ print $4, $6 }'
}
# Waits until the count of one link (1 receiver, 2 cable) is above a value.
wait_count_above() { # FIELD VALUE SECONDS
    local tries=$(($3 * 2)) now
    while :; do
        now=$(counts | cut -d' ' -f"$1")
        [ -n "$now" ] && [ "$now" -gt "$2" ] && return 0
        tries=$((tries - 1))
        [ "$tries" -le 0 ] && return 1
        sleep 0.5
    done
}

# The hidraw node (/dev/hidrawN) of the virtual device with this product id, e.g. FA02.
hidraw_of() {
    local node
    for node in /sys/class/hidraw/hidraw*; do
        grep -q "^HID_ID=0003:0000248A:0000$1\$" "$node/device/uevent" 2>/dev/null && echo "/dev/${node##*/}" && return 0
    done
    return 1
}

# runs NAME COMMAND...: the command's standard output and error in /tmp/NAME.out, its status
# in /tmp/NAME.status. A command still running after a minute is ended (status 143).
runs() {
    local name=$1
    shift
    timeout 60 "$@" >"/tmp/$name.out" 2>&1
    echo $? >"/tmp/$name.status"
}
st() { cat "/tmp/$1.status"; }
# The milliseconds a command takes (its output dropped).
timed() {
    local start
    start=$(now_ms)
    "$@" >/dev/null 2>&1
    echo $(($(now_ms) - start))
}
median3() { printf '%s\n' "$@" | sort -n | sed -n 2p; }

# ==== boot
if [ -n "$boot_problem" ]; then
    fail boot "$boot_problem"
elif [ ! -c /dev/uhid ]; then
    fail boot "/dev/uhid was not created"
elif ! pidof systemd-udevd >/dev/null; then
    fail boot "systemd-udevd is not running"
else
    pass boot
fi
info "checks start after $(cut -d' ' -f1 /proc/uptime) s"
checks_started=$(now_ms)

# ==== the receiver: list, status, apply, select-profile; then the blocks it holds
DATA=$(fresh_data)
SIMDATA=$(fresh_data)
uhid_start receiver /tmp/receiver.dump || fail receiver-list "mousecfg-uhid did not start: $(cat "$UHID_LOG")"
NODE=$(hidraw_of FA02)
runs list "$CTL" --data-dir "$DATA" list
runs sim-list "$CTL" --data-dir "$SIMDATA" --simulate list
if [ -z "$NODE" ]; then
    fail receiver-list "no hidraw node for 248A:FA02"
elif [ "$(st list)" != 0 ]; then
    fail receiver-list "list ended with $(st list): $(cat /tmp/list.out)"
elif ! grep -q "receiver 248A:FA02: complete" /tmp/list.out ||
    ! grep -qF "pointer  usage 0001:0002  present  $NODE&col01" /tmp/list.out ||
    ! grep -qF "command  usage 0001:0000  present  $NODE&col04" /tmp/list.out ||
    ! grep -q "Commands go to: receiver command collection" /tmp/list.out; then
    fail receiver-list "$(tr '\n' '|' </tmp/list.out)"
elif ! sed "s|$NODE&|sim/receiver\&|" /tmp/list.out | cmp -s - /tmp/sim-list.out; then
    fail receiver-list "with the node's name for the simulated one's, differs from the simulated mouse: $(tr '\n' '|' </tmp/list.out)"
else
    pass receiver-list
fi

runs status "$CTL" --data-dir "$DATA" status
runs sim-status "$CTL" --data-dir "$SIMDATA" --simulate status
if [ "$(st status)" != 0 ] || ! grep -q "^Battery: [0-9]* %" /tmp/status.out; then
    fail receiver-status "status ended with $(st status): $(cat /tmp/status.out)"
elif ! cmp -s /tmp/status.out /tmp/sim-status.out; then
    fail receiver-status "differs from the simulated mouse: $(tr '\n' '|' </tmp/status.out) vs $(tr '\n' '|' </tmp/sim-status.out)"
else
    pass receiver-status
fi

"$CTL" --data-dir "$DATA" encode >/tmp/encoded.txt
runs apply "$CTL" --data-dir "$DATA" --trace /tmp/real.trace apply
runs sim-apply "$CTL" --data-dir "$SIMDATA" --simulate --trace /tmp/sim.trace apply
grep '^W ' /tmp/real.trace | cut -c3- >/tmp/real.written
grep '^W ' /tmp/sim.trace | cut -c3- >/tmp/sim.written
# The wall time of an apply, the median of three, against its floor: each write is followed by
# the 10 ms pause the transfer (and, for the battery query, the poller's query) must keep.
# encode's time stands for the program's own start and work, without a device.
writes=$(wc -l </tmp/real.written)
real_ms="" sim_ms="" encode_ms=""
for i in 1 2 3; do
    real_ms="$real_ms $(timed "$CTL" --data-dir "$DATA" apply)"
    sim_ms="$sim_ms $(timed "$CTL" --data-dir "$SIMDATA" --simulate apply)"
    encode_ms="$encode_ms $(timed "$CTL" --data-dir "$DATA" encode)"
done
info "apply on the real path: $(median3 $real_ms) ms for $writes writes (floor of mandated pauses $((writes * 10)) ms); on the simulated mouse $(median3 $sim_ms) ms; encode alone $(median3 $encode_ms) ms (medians of 3: real$real_ms, simulated$sim_ms, encode$encode_ms)"
if [ "$(st apply)" != 0 ]; then
    fail receiver-apply "apply ended with $(st apply): $(cat /tmp/apply.out)"
elif ! sed 1d /tmp/real.written | cmp -s - /tmp/encoded.txt; then
    fail receiver-apply "the reports written after the battery query are not encode's $(wc -l </tmp/encoded.txt)"
elif ! cmp -s /tmp/real.written /tmp/sim.written; then
    fail receiver-apply "the reports written differ from the simulated run's"
else
    pass receiver-apply
fi

runs select "$CTL" --data-dir "$DATA" select-profile 3
runs sim-select "$CTL" --data-dir "$SIMDATA" --simulate select-profile 3
uhid_stop || fail receiver-blocks "mousecfg-uhid did not end cleanly: $(cat "$UHID_LOG")"
"$UHID" --replay /tmp/encoded.txt --dump /tmp/replayed.dump
if [ "$(st select)" != 0 ] || [ "$(st select)" != "$(st sim-select)" ]; then
    fail select-profile "select-profile 3 ended with $(st select), on the simulated mouse $(st sim-select): $(cat /tmp/select.out)"
elif ! grep -qx "PROFILE 2" /tmp/receiver.dump; then
    fail select-profile "the mouse's active profile is not the third: $(grep PROFILE /tmp/receiver.dump)"
else
    pass select-profile
fi
grep '^BLOCK ' /tmp/receiver.dump >/tmp/receiver.blocks 2>/dev/null
grep '^BLOCK ' /tmp/replayed.dump >/tmp/replayed.blocks 2>/dev/null
if [ "$(wc -l </tmp/receiver.blocks)" != 5 ]; then
    fail receiver-blocks "the virtual mouse's dump has no five blocks"
elif ! cmp -s /tmp/receiver.blocks /tmp/replayed.blocks; then
    fail receiver-blocks "the blocks the virtual mouse decoded differ from encode's reports fed to the model"
else
    pass receiver-blocks
fi

# ==== a notice through hidraw while the kernel's own mouse driver keeps the pointer
DATA=$(fresh_data)
uhid_start receiver /tmp/watch.dump || fail watch-notice "mousecfg-uhid did not start: $(cat "$UHID_LOG")"
NODE=$(hidraw_of FA02)
"$CTL" --data-dir "$DATA" watch --count 1 >/tmp/watch.out 2>&1 &
WATCH_PID=$!
# watch holds the hidraw node once its poller runs.
tries=100
while ! ls -l "/proc/$WATCH_PID/fd" 2>/dev/null | grep -q " $NODE\$" && [ "$tries" -gt 0 ]; do
    tries=$((tries - 1))
    sleep 0.1
done

# The pointer: the input device hid-generic made for the mouse collection, the one with REL_X and
# REL_Y (the keyboard's has the consumer control's wheels).
EVENT=""
for dev in /sys/class/input/event*; do
    rel=$(cat "$dev/device/capabilities/rel" 2>/dev/null)
    case "$(cat "$dev/device/name" 2>/dev/null)" in
        "mousecfg virtual receiver"*) [ $((0x${rel##* } & 3)) = 3 ] && EVENT=/dev/input/${dev##*/} ;;
    esac
done
driver=$(basename "$(readlink /sys/bus/hid/devices/0003:248A:FA02.*/driver)")
if [ -z "$EVENT" ]; then
    fail pointer-events "no input device with relative axes for the virtual receiver (driver: $driver)"
else
    cat "$EVENT" >/tmp/events.bin &
    CAT_PID=$!
    sleep 0.5
    control move receiver 5 -3
    sleep 1
    kill "$CAT_PID"
    wait "$CAT_PID" 2>/dev/null
    # struct input_event on x86-64: 16 bytes of time, type, code (16 bits each), value (32 bits).
    hexdump -v -e '24/1 "%02x " "\n"' /tmp/events.bin | cut -c49- >/tmp/events.txt
    if [ "$driver" != hid-generic ]; then
        fail pointer-events "the device is bound to '$driver', not hid-generic"
    elif ! ls -l "/proc/$WATCH_PID/fd" 2>/dev/null | grep -q " $NODE\$"; then
        fail pointer-events "watch did not hold $NODE open while the pointer moved"
    elif ! grep -q "^02 00 00 00 05 00 00 00" /tmp/events.txt || ! grep -q "^02 00 01 00 fd ff ff ff" /tmp/events.txt; then
        fail pointer-events "no REL_X 5 and REL_Y -3 on $EVENT: $(tr '\n' '|' </tmp/events.txt)"
    else
        pass pointer-events
    fi
fi

control notice 2:1:3:0
tries=200
while kill -0 "$WATCH_PID" 2>/dev/null && [ "$tries" -gt 0 ]; do
    tries=$((tries - 1))
    sleep 0.1
done
kill "$WATCH_PID" 2>/dev/null
wait "$WATCH_PID"
watch_status=$?
runs sim-watch "$CTL" --data-dir "$(fresh_data)" --simulate=notice=2:1:3:0 watch --count 1
if [ "$watch_status" != 0 ]; then
    fail watch-notice "watch ended with $watch_status: $(cat /tmp/watch.out)"
elif ! cmp -s /tmp/watch.out /tmp/sim-watch.out; then
    fail watch-notice "'$(cat /tmp/watch.out)' where the simulated mouse gives '$(cat /tmp/sim-watch.out)'"
else
    pass watch-notice
fi

# The project's rule tags the hidraw node for the seat's user (an ACL needs a login seat); the
# mouse's input node is left alone.
udevadm info -q property -n "$NODE" >/tmp/hidraw.udev 2>&1
if ! grep -q '^TAGS=.*:uaccess:' /tmp/hidraw.udev; then
    fail udev-uaccess "$NODE has no uaccess tag: $(grep TAGS /tmp/hidraw.udev)"
elif [ -n "$EVENT" ] && udevadm info -q property -n "$EVENT" | grep -q '^TAGS=.*:uaccess:'; then
    fail udev-uaccess "$EVENT is tagged as well"
else
    pass udev-uaccess
fi
uhid_stop

# ==== receiver and cable: commands go to the cable; without it, to the receiver
DATA=$(fresh_data)
uhid_start both /tmp/both.dump || fail both-cable-first "mousecfg-uhid did not start: $(cat "$UHID_LOG")"
CABLE=$(hidraw_of FB01)
NODE=$(hidraw_of FA02)
runs list "$CTL" --data-dir "$DATA" list
runs sim-list "$CTL" --data-dir "$(fresh_data)" --simulate=both list
before=$(counts)
runs status "$CTL" --data-dir "$DATA" status
after=$(counts)
if ! grep -q "cable 248A:FB01: complete" /tmp/list.out || ! grep -q "receiver 248A:FA02: complete" /tmp/list.out ||
    ! grep -qF "command  usage 0001:0000  present  $CABLE&col04" /tmp/list.out ||
    ! grep -q "Commands go to: cable command collection" /tmp/list.out; then
    fail both-cable-first "$(tr '\n' '|' </tmp/list.out)"
elif ! sed -e "s|$NODE&|sim/receiver\&|" -e "s|$CABLE&|sim/cable\&|" /tmp/list.out | cmp -s - /tmp/sim-list.out; then
    fail both-cable-first "with the nodes' names for the simulated ones', differs from the simulated mouse: $(tr '\n' '|' </tmp/list.out)"
elif [ "$(st status)" != 0 ] || [ "${before%% *}" != "${after%% *}" ] || [ "${before##* }" -ge "${after##* }" ]; then
    fail both-cable-first "status ended with $(st status); reports taken (receiver cable) before '$before', after '$after'"
else
    pass both-cable-first
fi

problem=""
control unplug cable || problem="the cable could not be unplugged; "
udevadm settle --timeout=30
runs list "$CTL" --data-dir "$DATA" list
grep -q "cable 248A:FB01: absent" /tmp/list.out && grep -q "Commands go to: receiver command collection" /tmp/list.out ||
    problem="$problem without the cable: $(tr '\n' '|' </tmp/list.out); "
before=$(counts)
runs status "$CTL" --data-dir "$DATA" status
after=$(counts)
[ "$(st status)" = 0 ] && [ "${before%% *}" -lt "${after%% *}" ] ||
    problem="$problem status without the cable ended with $(st status), reports before '$before' after '$after'; "
control plug cable || problem="$problem the cable could not be plugged again; "
udevadm settle --timeout=30
runs list "$CTL" --data-dir "$DATA" list
grep -q "Commands go to: cable command collection" /tmp/list.out || problem="$problem cable back: $(tr '\n' '|' </tmp/list.out)"
if [ -n "$problem" ]; then
    fail both-fallback-cli "$problem"
else
    pass both-fallback-cli
fi

# ==== the window (no --simulate): it follows the cable's removal and return, then warns when the
# mouse is gone and closes the warning when it is back. What reaches the mouse tells which link
# it uses; its debug log tells whether the "Dongle Disconnect!" box is open.
DATA=$(fresh_data)
WINDOW_LOG=/tmp/window.log
start=$(now_ms)
before=$(counts)
"$MC/mousecfg" --data-dir "$DATA" --verbose >"$WINDOW_LOG" 2>&1 &
WINDOW_PID=$!
problem=""
if ! wait_count_above 2 "${before##* }" 90; then
    problem="the window sent nothing to the cable within 90 s (reports before '$before', now '$(counts)'); "
else
    info "the window's first report reached the cable $(($(now_ms) - start)) ms after its start"
    sleep 1
    at_start=$before
    before=$(counts)
    [ "${before%% *}" = "${at_start%% *}" ] || problem="$problem the receiver took reports while the cable was there ($at_start, then $before); "
    control unplug cable || problem="$problem the cable could not be unplugged; "
    wait_count_above 1 "${before%% *}" 30 || problem="$problem nothing reached the receiver after the cable went ($(counts)); "
    # The removal came through the udev monitor (the device link logs each hot-plug removal).
    grep -q DBT_DEVICEREMOVECOMPLETE "$WINDOW_LOG" || problem="$problem the window logged no hot-plug removal; "
    before=$(counts)
    control plug cable || problem="$problem the cable could not be plugged again; "
    wait_count_above 2 "${before##* }" 30 || problem="$problem nothing reached the cable after its return ($(counts)); "
    grep -q 'Dongle Disconnect!' "$WINDOW_LOG" && problem="$problem the window warned although a link was always there; "
fi
if ! kill -0 "$WINDOW_PID" 2>/dev/null; then
    fail window-fallback "the window ended: $(tail -n 5 "$WINDOW_LOG" | tr '\n' '|')"
elif [ -n "$problem" ]; then
    fail window-fallback "$problem"
else
    pass window-fallback
fi

problem=""
control unplug cable && control unplug receiver || problem="the mouse could not be unplugged; "
wait_for "$WINDOW_LOG" 'the "Dongle Disconnect!" box is open' 30 || problem="$problem no warning after the unplug; "
control plug receiver || problem="$problem the receiver could not be plugged again; "
wait_for "$WINDOW_LOG" 'the "Dongle Disconnect!" box closed' 30 || problem="$problem the warning stayed after the mouse came back; "
if ! kill -0 "$WINDOW_PID" 2>/dev/null; then
    fail window-warning "the window ended: $(tail -n 5 "$WINDOW_LOG" | tr '\n' '|')"
elif [ -n "$problem" ]; then
    fail window-warning "$problem"
else
    pass window-warning
fi
kill "$WINDOW_PID" 2>/dev/null
wait "$WINDOW_PID" 2>/dev/null
uhid_stop

# ==== faults on the device: the same result and message as on the simulated mouse. uhid cannot
# refuse a write (the kernel takes it before the device sees it): writefail loses the report
# instead, so apply's first battery query goes unanswered, as on a silent simulated mouse.
for case in "writefail=3 apply" "stale=5 apply" "silent apply" "zeros=3 select-profile 2"; do
    fault=${case%% *}
    command=${case#* }
    name=fault-${fault%%=*}
    DATA=$(fresh_data)
    if ! uhid_start "$fault" /tmp/fault.dump; then
        fail "$name" "mousecfg-uhid did not start: $(cat "$UHID_LOG")"
        continue
    fi
    start=$(now_ms)
    runs fault "$CTL" --data-dir "$DATA" $command
    real_ms=$(($(now_ms) - start))
    # The simulated mouse on virtual time: the same waits, without waiting.
    sim_fault=$fault
    case $fault in writefail=*) sim_fault=silent ;; esac
    runs sim-fault "$CTL" --data-dir "$(fresh_data)" --simulate="$sim_fault" --virtual-time $command
    uhid_stop
    info "$fault $command: ended with $(st fault) after $real_ms ms; on the simulated mouse with $(st sim-fault)"
    if [ "$(st fault)" != "$(st sim-fault)" ] || ! cmp -s /tmp/fault.out /tmp/sim-fault.out; then
        fail "$name" "$command ended with $(st fault) ($(cat /tmp/fault.out)) where the simulated mouse gives $(st sim-fault) ($(cat /tmp/sim-fault.out))"
    else
        pass "$name"
    fi
done

# ==== the host's real-path test, which skips itself where /dev/uhid is missing, run where it is not
runs real-path-test "$MC/test_uhid_real_path" -silent
if [ "$(st real-path-test)" != 0 ]; then
    fail uhid-real-path-test "ended with $(st real-path-test): $(tr '\n' '|' </tmp/real-path-test.out)"
elif ! grep -q '^Totals: [1-9][0-9]* passed, 0 failed, 0 skipped' /tmp/real-path-test.out; then
    fail uhid-real-path-test "not every test ran: $(tr '\n' '|' </tmp/real-path-test.out)"
else
    info "test_uhid_real_path: $(grep '^Totals' /tmp/real-path-test.out)"
    pass uhid-real-path-test
fi

info "checks took $(($(now_ms) - checks_started)) ms"
