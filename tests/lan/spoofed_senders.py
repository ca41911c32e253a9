#!/usr/bin/env python3
"""Time requests whose sender is no single machine elsewhere: the subnet's broadcast or network
address, 0.0.0.0 (to 255.255.255.255), a multicast address, loopback. Each names its sender as
SOURCE_IP, so a server that answers it would broadcast, or send to its own loopback. Sent as
whole IP packets through a packet socket (the kernel would put a real source into them), then
one request from the sender's own address, which must be answered.
    spoofed_senders.py send <interface> <own ip> <subnet broadcast> <server ip> <server>
        <workgroup> <own name> <port>: prints the number of answers other than the control one
    spoofed_senders.py listen <ip> <port> <seconds>: prints the number of datagrams received"""
import socket
import struct
import sys
import time

from hostile_datagrams import answers, datagram, time_request


def checksum(header):
    total = sum(struct.unpack(f">{len(header) // 2}H", header))
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return ~total & 0xFFFF


def ip_packet(source, destination, port, payload):
    udp = struct.pack(">HHHH", port, 138, 8 + len(payload), 0) + payload  # no UDP checksum
    header = struct.pack(">BBHHHBBH4s4s", 0x45, 0, 20 + len(udp), 0, 0x4000, 64, 17, 0,
                         socket.inet_aton(source), socket.inet_aton(destination))
    return header[:10] + struct.pack(">H", checksum(header)) + header[12:] + udp


def send(interface, own_ip, broadcast, server_ip, server, workgroup, me, port):
    port = int(port)
    network = broadcast.rsplit(".", 1)[0] + ".0"
    cases = [  # (IP source, IP destination, message type, destination name)
        (broadcast, server_ip, 0x10, server), (broadcast, broadcast, 0x11, workgroup),
        ("0.0.0.0", "255.255.255.255", 0x10, server), (network, server_ip, 0x10, server),
        ("224.0.0.1", server_ip, 0x10, server), ("127.0.0.1", server_ip, 0x10, server)]
    out = socket.socket(socket.AF_PACKET, socket.SOCK_DGRAM, socket.htons(0x0800))
    back = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    back.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
    back.bind(("", port))
    frame_to = (interface, 0x0800, 0, 0, b"\xff" * 6)
    for source, destination, kind, name in cases:
        payload = datagram((source, port), me, name, b"\\MAILSLOT\\NTSERVER", time_request(me),
                           kind)
        out.sendto(ip_packet(source, destination, port, payload), frame_to)
    spoofed = answers(back, 1.0)
    control = datagram((own_ip, port), me, server, b"\\MAILSLOT\\NTSERVER", time_request(me))
    out.sendto(ip_packet(own_ip, server_ip, port, control), frame_to)
    if answers(back, 1.0) != 1:
        print("the request from the sender's own address was not answered once")
        sys.exit(1)
    print(spoofed)


def listen(ip, port, seconds):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind((ip, int(port)))
    print("listening", flush=True)
    time.sleep(float(seconds))  # the datagrams wait in the socket's queue
    print(answers(sock, 0.01), flush=True)


if __name__ == "__main__":
    {"send": send, "listen": listen}[sys.argv[1]](*sys.argv[2:])
