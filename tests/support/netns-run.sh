#!/usr/bin/env bash
# Runs a test program inside throw-away network namespaces: one for the console, one per
# simulated mount, joined by virtual LANs (a bridge per LAN in a switch namespace of its
# own, every host attached to it by a veth pair). Nothing is created outside these
# namespaces and everything is removed on exit, also when the test fails or is interrupted.
#
# Usage: netns-run.sh [options] -- PROGRAM [ARG...]
#   --sim PATH          the mount simulator (velmora-mount-sim); needed with --mount
#   --console IF        add a console interface (repeatable, in order: c0, c1, ...)
#   --no-loopback       leave the console's loopback interface down (no 127.0.0.1)
#   --mount IF[+IF...]  add a mount host (mount1, mount2, ...) with these interfaces
#                       (m0, m1, ...); the simulator answers on 0.0.0.0:11880 in it
#   --exec "CMD ARGS"   run this in the last --mount's namespace instead of the simulator;
#                       it must print a line starting with "udp " once it is ready
#   --timeout SEC       time limit of the program and of everything started for it (120)
#
# IF is LAN:ADDR/PREFIX[:OPTION...]; LAN names a virtual LAN (1-8 letters or digits).
# OPTIONs: nobrd (give the address no broadcast address), route=NET/PREFIX (add a route
# through this interface), src=ADDR (send to this interface's subnet from ADDR, so that a
# host answers from that address on this link too).
#
# The program runs in the console namespace with VELMORA_NETNS (that namespace's name) and
# VELMORA_NETNS_DIR (a work folder holding mountN.jsonl, the simulator's transcript, and
# mountN.log) in its environment. Exit status: the program's; 77 when this machine cannot
# make network namespaces (not root, no ip netns); 1 when setting up failed.
set -uo pipefail

skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "netns-run: $*" >&2; exit 1; }

sim=""
consoles=()
mounts=()
mount_exec=()
loopback=1
limit=120
while [ $# -gt 0 ]; do
  case "$1" in
    --sim) sim="$2"; shift 2 ;;
    --console) consoles+=("$2"); shift 2 ;;
    --no-loopback) loopback=0; shift ;;
    --mount) mounts+=("$2"); mount_exec+=(""); shift 2 ;;
    --exec)
      [ ${#mounts[@]} -gt 0 ] || fail "--exec before any --mount"
      mount_exec[$((${#mounts[@]} - 1))]="$2"; shift 2 ;;
    --timeout) limit="$2"; shift 2 ;;
    --) shift; break ;;
    *) fail "unknown option '$1' (see the head of $0)" ;;
  esac
done
[ $# -gt 0 ] || fail "no program given after --"
[ ${#consoles[@]} -gt 0 ] || fail "no --console interface given"

[ "$EUID" -eq 0 ] || skip "network-namespace tests need root (run as root or with sudo)"
command -v ip >/dev/null 2>&1 || skip "the ip command (iproute2) is not installed"
ip netns list >/dev/null 2>&1 || skip "'ip netns' is not available here"
for m in "${!mounts[@]}"; do
  [ -n "${mount_exec[$m]}" ] || [ -x "$sim" ] || fail "--mount needs the simulator: --sim PATH ('$sim')"
done

# Names carry this script's process id, so that parallel runs never collide and a later run
# can tell the namespaces of a run that was killed before it could clean up.
prefix="vlm-$$-$RANDOM"
sw="$prefix-sw"
con="$prefix-con"
created=()
pids=()
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-netns.XXXXXX") || fail "cannot make a work folder"

cleanup() {
  local status=$?
  trap - EXIT INT TERM HUP
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  for ns in "${created[@]}"; do ip netns del "$ns" 2>/dev/null; done
  rm -rf "$work"
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

for stale in $(ip netns list 2>/dev/null | awk '{print $1}' | grep -E '^vlm-[0-9]+-[0-9]+-' || true); do
  owner=${stale#vlm-}
  owner=${owner%%-*}
  kill -0 "$owner" 2>/dev/null || ip netns del "$stale" 2>/dev/null
done

run() {
  "$@" >>"$work/setup.log" 2>&1 || {
    cat "$work/setup.log" >&2
    fail "setting up failed at: $*"
  }
}

new_ns() {
  ip netns add "$1" 2>>"$work/setup.log" || {
    cat "$work/setup.log" >&2
    skip "cannot create a network namespace ('ip netns add' failed)"
  }
  created+=("$1")
  # No IPv6 chatter; no reverse-path filter, since a host that answers from one address on
  # several links is the point of some topologies.
  run ip netns exec "$1" sysctl -qw net.ipv6.conf.all.disable_ipv6=1 \
    net.ipv6.conf.default.disable_ipv6=1 net.ipv4.conf.all.rp_filter=0 \
    net.ipv4.conf.default.rp_filter=0
}

declare -A lans=()
lan_bridge() {
  local lan=$1
  [[ "$lan" =~ ^[a-z0-9]{1,8}$ ]] || fail "bad LAN name '$lan'"
  if [ -z "${lans[$lan]:-}" ]; then
    run ip -n "$sw" link add "br-$lan" type bridge stp_state 0
    run ip -n "$sw" link set "br-$lan" up
    lans[$lan]=1
  fi
}

# add_interface NAMESPACE IFNAME SWITCH-SIDE-NAME IF
add_interface() {
  local ns=$1 name=$2 peer=$3 desc=$4
  local parts
  IFS=':' read -r -a parts <<<"$desc"
  [ ${#parts[@]} -ge 2 ] || fail "bad interface '$desc' (LAN:ADDR/PREFIX[:OPTION...])"
  local lan=${parts[0]} address=${parts[1]}
  [[ "$address" =~ ^[0-9.]+/[0-9]+$ ]] || fail "bad address in '$desc'"
  lan_bridge "$lan"
  run ip -n "$ns" link add "$name" type veth peer name "$peer" netns "$sw"
  run ip -n "$sw" link set "$peer" master "br-$lan" up
  local brd=(broadcast +) routes=() src=""
  for option in "${parts[@]:2}"; do
    case "$option" in
      nobrd) brd=() ;;
      route=*) routes+=("${option#route=}") ;;
      src=*) src="${option#src=}" ;;
      *) fail "unknown interface option '$option' in '$desc'" ;;
    esac
  done
  run ip -n "$ns" addr add "$address" "${brd[@]}" dev "$name"
  run ip -n "$ns" link set "$name" up
  for net in "${routes[@]}"; do
    run ip -n "$ns" route add "$net" dev "$name"
  done
  if [ -n "$src" ]; then
    local net
    net=$(ip -n "$ns" -o route show dev "$name" proto kernel scope link | awk '{print $1; exit}')
    [ -n "$net" ] || fail "no subnet route on $name for src=$src"
    run ip -n "$ns" route replace "$net" dev "$name" proto kernel scope link src "$src"
  fi
}

# wait_for FILE PATTERN WHAT PID: waits (bounded) until a line of FILE matches PATTERN.
wait_for() {
  local file=$1 pattern=$2 what=$3 pid=$4
  for _ in $(seq 1 200); do
    grep -q -- "$pattern" "$file" 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  cat "$file" >&2 2>/dev/null
  fail "$what did not become ready"
}

new_ns "$sw"
new_ns "$con"
[ $loopback -eq 1 ] && run ip -n "$con" link set lo up

for i in "${!consoles[@]}"; do
  add_interface "$con" "c$i" "con-c$i" "${consoles[$i]}"
done

for m in "${!mounts[@]}"; do
  k=$((m + 1))
  ns="$prefix-m$k"
  new_ns "$ns"
  run ip -n "$ns" link set lo up
  IFS='+' read -r -a descs <<<"${mounts[$m]}"
  for j in "${!descs[@]}"; do
    add_interface "$ns" "m$j" "m$k-$j" "${descs[$j]}"
  done
  log="$work/mount$k.log"
  if [ -n "${mount_exec[$m]}" ]; then
    read -r -a command <<<"${mount_exec[$m]}"
  else
    command=("$sim" --udp 0.0.0.0:11880 --transcript "$work/mount$k.jsonl")
  fi
  # The time limit ends the mount even when this script is killed before its clean-up.
  ip netns exec "$ns" timeout --kill-after=2 "$((limit + 30))" "${command[@]}" >"$log" 2>&1 &
  pids+=($!)
  wait_for "$log" "^udp " "mount $k (${command[*]})" "$!"
done

# In the background so that a signal to this script is handled at once (bash runs traps
# only between commands, and a wait is interrupted by them).
ip netns exec "$con" env VELMORA_NETNS="$con" VELMORA_NETNS_DIR="$work" \
  timeout --kill-after=5 "$limit" "$@" &
program=$!
pids+=("$program")
wait "$program"
status=$?
if [ $status -ne 0 ] && [ $status -ne 77 ]; then
  for m in "${!mounts[@]}"; do
    echo "--- mount $((m + 1)) output:" >&2
    tail -n 20 "$work/mount$((m + 1)).log" >&2 2>/dev/null
  done
fi
exit $status
