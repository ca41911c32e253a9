#!/usr/bin/env python3
"""Sends a time server datagrams it must drop (truncated, lengths past the end, wrong mailslot,
destination or name suffix, names with path characters, 10,000 random ones), from a socket whose
address each datagram names, and checks that none is answered; then mutated requests (answers
allowed) and one valid request, which must be answered. Its own encoder, written from the wire
layout.
    hostile_datagrams.py <server ip> <own ip> <own port> <server name> <own name>"""
import random
import socket
import struct
import sys
import time


def netbios_name(name, suffix=0):
    raw = name.encode().ljust(15)[:15] + bytes([suffix])
    return bytes([32]) + bytes(b for c in raw for b in (0x41 + (c >> 4), 0x41 + (c & 15))) + b"\0"


def smb_write(mailslot, data):
    name = mailslot + b"\0"
    words = struct.pack("<BHHHHBBHIHHHHHBBHHHH", 17, 0, len(data), 0, 0, 0, 0, 0, 0, 0, 0, 0,
                        len(data), 69 + len(name), 3, 0, 1, 1, 2, len(name) + len(data))
    return b"\xffSMB\x25" + bytes(27) + words + name + data


def datagram(own, source, destination, mailslot, data, msg_type=0x10, suffix=0):
    user_data = (netbios_name(source) + netbios_name(destination, suffix) +
                 smb_write(mailslot, data))
    ip = struct.unpack(">I", socket.inet_aton(own[0]))[0]
    return struct.pack(">BBHIHHH", msg_type, 2, random.randrange(65536), ip, own[1],
                       len(user_data), 0) + user_data


def time_request(name, length=22, msg_type=1, field=18):
    return struct.pack("<HHH", length, msg_type, field) + name.encode().ljust(16, b"\0")[:16]


def answers(sock, wait):
    count, deadline = 0, time.monotonic() + wait
    while (left := deadline - time.monotonic()) > 0:
        sock.settimeout(left)
        try:
            sock.recv(65536)
            count += 1
        except socket.timeout:
            break
    return count


def hostile_cases(own, server, me):
    ok = lambda **kw: datagram(own, kw.get("src", me), kw.get("dst", server),
                               kw.get("slot", b"\\MAILSLOT\\NTSERVER"),
                               kw.get("data", time_request(me)), kw.get("type", 0x10),
                               kw.get("suffix", 0))
    valid = ok()
    cases = [valid[:n] for n in (0, 1, 10, 13, 14, 47, 48, 81, 82, 100, 113, len(valid) - 1)]
    longer = bytearray(valid)
    struct.pack_into(">H", longer, 10, len(valid) - 14 + 10)  # DGM_LENGTH past the end
    cases.append(bytes(longer))
    for offset, value in ((82 + 35, 200), (82 + 55, 200), (82 + 57, 300), (82 + 67, 400)):
        broken = bytearray(valid)  # total and data counts, data offset, byte count
        struct.pack_into("<H", broken, offset, value)
        cases.append(bytes(broken))
    cases += [
        ok(slot=b"\\MAILSLOT\\NTSERVERX"), ok(slot=b"\\MAILSLOT\\NTCLIENT"),
        ok(slot=b"\\PIPE\\NTSERVER"), ok(slot=b"\\MAILSLOT\\NTSERV"),
        ok(dst="NOSUCHHOST"), ok(dst="OTHER", type=0x11), ok(type=0x13), ok(type=0x14),
        ok(suffix=0x20), ok(suffix=0x03), ok(dst="LAB", type=0x11, suffix=0x1E),
        ok(data=time_request(me, length=21)), ok(data=time_request(me, msg_type=2)),
        ok(data=time_request(me, field=17)), ok(data=time_request(me)[:21]),
        ok(data=time_request(me, length=101) + bytes(79)),
    ]
    for bad in ("A\\B", "..\\X", "C:", "A/B", "*", "X|Y", "\x01X"):
        cases.append(ok(data=time_request(bad)))
        cases.append(ok(src=bad.replace("\x01", "X"), data=time_request(bad)))
    return valid, cases


def main():
    server_ip, own_ip, own_port, server, me = sys.argv[1:6]
    own = (own_ip, int(own_port))
    random.seed(1138)
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(own)
    to = (server_ip, 138)
    valid, cases = hostile_cases(own, server, me)
    failed = False
    for case in cases:
        sock.sendto(case, to)
    if (n := answers(sock, 1.0)) != 0:
        print(f"FAIL: {n} answers to {len(cases)} datagrams that must be dropped")
        failed = True
    for _ in range(10000):
        sock.sendto(random.randbytes(random.randrange(0, 300)), to)
        time.sleep(0.00005)  # the server's receive queue is not what is being tested
    if (n := answers(sock, 1.0)) != 0:
        print(f"FAIL: {n} answers to 10,000 random datagrams")
        failed = True
    for _ in range(2000):
        mutated = bytearray(valid)
        for _ in range(random.randrange(1, 4)):
            mutated[random.randrange(len(mutated))] = random.randrange(256)
        sock.sendto(bytes(mutated), to)
    answers(sock, 1.0)
    sock.sendto(valid, to)
    if answers(sock, 2.0) != 1:
        print("FAIL: the valid request after them was not answered once")
        failed = True
    print(f"{len(cases)} malformed, 10000 random, 2000 mutated datagrams sent")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
