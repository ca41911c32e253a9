# A LAN of network namespaces for the Linux time programs (sourced; needs root). The caller sets
#   lan_tag        prefix of every namespace, unique per run (e.g. vd$$)
#   lan_subnet     the first three bytes of the /24, a private range (e.g. 10.213.0)
#   lan_address    associative array: host -> last byte of its address
#   lan_workgroup  associative array: host -> workgroup
# The switch is a namespace of its own holding only the bridge br0, joined to each host by a
# veth pair: nothing is added to the machine's own network, and the addresses exist only there.
# Each host's names come from /etc/netns/<namespace>/hosts; no name server answers.

# lan_up <host…>
lan_up() {
  local h other
  if ! ip netns add "${lan_tag}sw"; then
    echo "cannot make network namespaces: this needs root with CAP_SYS_ADMIN and CAP_NET_ADMIN" >&2
    return 1
  fi
  ip -n "${lan_tag}sw" link add br0 type bridge && ip -n "${lan_tag}sw" link set br0 up || return 1
  # A switch forwards frames and nothing more: no firewall pass for bridged frames, in this
  # namespace only (the setting is per namespace, where bridge netfilter is loaded at all).
  local nf
  for nf in /proc/sys/net/bridge/bridge-nf-call-{iptables,ip6tables,arptables}; do
    ip netns exec "${lan_tag}sw" sh -c "[ ! -e $nf ] || echo 0 >$nf" || return 1
  done
  for h in "$@"; do
    ip netns add "$lan_tag$h" &&
      ip link add eth0 netns "$lan_tag$h" type veth peer name "$h" netns "${lan_tag}sw" &&
      ip -n "${lan_tag}sw" link set "$h" master br0 up &&
      ip -n "$lan_tag$h" addr add "$lan_subnet.${lan_address[$h]}/24" brd + dev eth0 &&
      ip -n "$lan_tag$h" link set eth0 up && ip -n "$lan_tag$h" link set lo up || return 1
    mkdir -p "/etc/netns/$lan_tag$h"
    {
      echo "127.0.0.1 localhost"
      for other in "$@"; do echo "$lan_subnet.${lan_address[$other]} $other"; done
    } >"/etc/netns/$lan_tag$h/hosts"
    echo "nameserver 127.0.0.1" >"/etc/netns/$lan_tag$h/resolv.conf"
  done
}

# lan_down <host…>: the namespaces and their /etc/netns folders, whatever lan_up got to make.
lan_down() {
  local ns
  for ns in "$@" sw; do
    ip netns del "$lan_tag$ns" 2>/dev/null
    rm -rf "/etc/netns/$lan_tag$ns"
  done
  rmdir /etc/netns 2>/dev/null  # only when no other run has a host there
  return 0
}

# become <host> <command…>: becomes the command on that host, under its host name (a UTS
# namespace of its own) and workgroup, without the right to set the clock: gone from the bounding
# and the inheritable set, through which root would get it back at exec. Started with &, its pid
# is the command's.
become() {
  local h=$1
  shift
  export VERDANT_WORKGROUP=${lan_workgroup[$h]}
  exec ip netns exec "$lan_tag$h" setpriv --inh-caps -sys_time --bounding-set -sys_time -- \
    unshare --uts -- sh -c 'hostname "$0" && exec "$@"' "$h" "$@"
}

# on <host> <command…>: runs the command there and waits for it.
on() { (become "$@"); }
