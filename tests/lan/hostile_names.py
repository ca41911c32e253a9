#!/usr/bin/env python3
"""Sends name service packets it must drop (truncated, compressed-pointer loops, labels past
the end, counts far beyond the packet, names it does not hold, other classes and opcodes,
registrations without their record, answers nobody asked for, a conflict demand and a release
of its name by someone else, 10,000 random ones) and checks that none is answered; then mutated
queries (answers allowed); then a name query and a node status query, which must each be
answered once, for the names it still holds. Its own encoder, written from the wire layout.
    hostile_names.py <server ip> <own ip> <own port> <server name> <workgroup>"""
import random
import socket
import struct
import sys
import time

NB, NBSTAT, IN = 0x20, 0x21, 1


def encoded(name, suffix=0, scope=b""):
    raw = name.encode().ljust(15)[:15] + bytes([suffix]) if name != "*" else b"*" + bytes(15)
    label = bytes(b for c in raw for b in (0x41 + (c >> 4), 0x41 + (c & 15)))
    tail = b"".join(bytes([len(part)]) + part for part in scope.split(b".") if part)
    return bytes([32]) + label + tail + b"\0"


def header(ident, flags, qd=1, an=0, ns=0, ar=0):
    return struct.pack(">HHHHHH", ident, flags, qd, an, ns, ar)


def query(ident, name, suffix=0, qtype=NB, qclass=IN, flags=0x0100, scope=b""):
    return header(ident, flags) + encoded(name, suffix, scope) + struct.pack(">HH", qtype, qclass)


def registration(ident, name, address, rdlength=6, opcode=5, counts=(1, 0, 0, 1)):
    """Question, then the resource record naming it by a pointer to offset 12."""
    record = b"\xc0\x0c" + struct.pack(">HHIH", NB, IN, 300000, rdlength)
    record += struct.pack(">H", 0) + socket.inet_aton(address)
    return (header(ident, opcode << 11 | 0x0110, *counts) + encoded(name) +
            struct.pack(">HH", NB, IN) + record)


def answers(sock, wait):
    got, deadline = [], time.monotonic() + wait
    while (left := deadline - time.monotonic()) > 0:
        sock.settimeout(left)
        try:
            got.append(sock.recv(65536))
        except socket.timeout:
            break
    return got


def hostile_cases(server_ip, own_ip, server, group):
    valid = query(0x4242, server)
    status = query(0x4343, "*", qtype=NBSTAT)
    cases = [valid[:n] for n in range(len(valid))] + [status[:n] for n in range(len(status))]
    body = struct.pack(">HH", NB, IN)
    cases += [
        header(1, 0x0100) + b"\xc0\x0c" + body,  # a pointer to itself
        header(2, 0x0100) + b"\xc0\x0e\xc0\x0c" + body,  # two pointing at each other
        header(3, 0x0100) + b"\x01A\xc0\x0c" + body,  # a label, then back to the start
        header(4, 0x0100) + b"\xc0\xff" + body,  # past the end
        header(5, 0x0100) + b"\xc0",  # half a pointer
        header(6, 0x0100) + b"\x80" + bytes(32) + body,  # reserved label kind
        header(7, 0x0100) + b"\x40" + bytes(64) + body,
        header(8, 0x0100) + encoded(server)[:-1] + b"\x3f" + b"X" * 63 * 4,  # no end in sight
        header(9, 0x0100) + encoded(server)[:-1] + (b"\x3f" + b"X" * 63) * 4 + b"\0" + body,
        header(10, 0x0100) + b"\x1f" + encoded(server)[1:32] + b"\0" + body,  # 31 bytes
        header(11, 0x0100) + b"\x21" + encoded(server)[1:33] + b"A\0" + body,  # 33 bytes
        header(12, 0x0100) + b"\x20" + b"Z" * 32 + b"\0" + body,  # halves past 'P'
        header(13, 0x0100, qd=0) + encoded(server) + body,
        header(14, 0x0100, qd=65535) + encoded(server) + body,
        header(15, 0x0100, qd=2) + encoded(server) + body,
        header(16, 0x0100, an=65535) + encoded(server) + body,
        header(17, 0x0100, ar=65535) + encoded(server) + body,
        header(18, 0x0100, qd=65535, an=65535, ns=65535, ar=65535) + encoded(server) + body,
        header(19, 0x0100, qd=65535) + status[12:],
        query(20, "NOSUCHNAME"), query(21, server, suffix=0x20), query(22, server, suffix=0x03),
        query(23, server, scope=b"other.scope"), query(24, server, qtype=1),
        query(25, server, qclass=3), query(26, group, suffix=0x1D),
        query(27, server, flags=0x8500),  # an answer nobody asked for
        registration(28, server, server_ip, rdlength=600),
        registration(29, server, own_ip)[:-3],
        registration(30, server, own_ip, counts=(1, 0, 0, 65535))[:-6],
        registration(31, server, own_ip, counts=(1, 0, 0, 0))[:62],
        registration(32, server, own_ip, opcode=7),  # a conflict demand: not followed
        registration(33, server, server_ip, opcode=6),  # its name released by someone else
        registration(34, server, own_ip, opcode=6),
        registration(35, group, own_ip, opcode=5),  # a group name: no one defends it
    ]
    for opcode in (1, 2, 3, 4, 9, 10, 11, 12, 13, 14, 15):
        cases.append(query(40 + opcode, server, flags=opcode << 11 | 0x0100))
    return valid, status, cases


def answer_record(packet):
    """The one answer's name (34 bytes as sent), type and data, or None when not a response."""
    if len(packet) < 12 + 34 + 10:
        return None
    _, flags, qd, an, ns, ar = struct.unpack(">6H", packet[:12])
    if flags & 0xF80F != 0x8000 or not flags & 0x0400 or (qd, an, ns, ar) != (0, 1, 0, 0):
        return None  # a positive, authoritative answer and nothing more
    rtype, rclass, _, length = struct.unpack(">HHIH", packet[46:56])
    data = packet[56:]
    return (packet[12:46], rtype, data) if rclass == IN and len(data) == length else None


def positive_answer(packet, ident, server, server_ip):
    record = answer_record(packet)
    return (record is not None and packet[:2] == struct.pack(">H", ident) and
            record[:2] == (encoded(server), NB) and
            record[2] == struct.pack(">H", 0) + socket.inet_aton(server_ip))  # unique, B node


def status_names(packet, ident):
    """(name, suffix, group) of each name in a node status answer."""
    record = answer_record(packet)
    if record is None or packet[:2] != struct.pack(">H", ident) or record[1] != NBSTAT:
        return None
    data, names = record[2], set()
    for i in range(data[0] if data else 0):
        entry = data[1 + 18 * i:19 + 18 * i]
        if len(entry) == 18:
            names.add((entry[:15].decode(errors="replace").rstrip(), entry[15],
                       bool(entry[16] & 0x80)))
    return names


def main():
    server_ip, own_ip, own_port, server, group = sys.argv[1:6]
    random.seed(137)
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind((own_ip, int(own_port)))
    to = (server_ip, 137)
    valid, status, cases = hostile_cases(server_ip, own_ip, server, group)
    failed = False
    for case in cases:
        sock.sendto(case, to)
        time.sleep(0.0005)
    if got := answers(sock, 1.0):
        print(f"FAIL: {len(got)} answers to {len(cases)} packets that must be dropped: "
              + ", ".join(a.hex() for a in got))
        failed = True
    for _ in range(10000):
        sock.sendto(random.randbytes(random.randrange(0, 600)), to)
        time.sleep(0.00005)  # the server's receive queue is not what is being tested
    if got := answers(sock, 1.0):
        print(f"FAIL: {len(got)} answers to 10,000 random packets")
        failed = True
    for _ in range(2000):
        mutated = bytearray(random.choice((valid, status)))
        for _ in range(random.randrange(1, 4)):
            mutated[random.randrange(len(mutated))] = random.randrange(256)
        sock.sendto(bytes(mutated), to)
    answers(sock, 1.0)
    sock.sendto(valid, to)
    got = answers(sock, 1.5)
    if len(got) != 1 or not positive_answer(got[0], 0x4242, server, server_ip):
        print(f"FAIL: the name query after them was answered by {[a.hex() for a in got]}")
        failed = True
    sock.sendto(status, to)
    got = answers(sock, 1.5)
    names = status_names(got[0], 0x4343) if len(got) == 1 else None
    if names is None or (server, 0, False) not in names or (group, 0, True) not in names:
        print(f"FAIL: the node status query after them was answered by {[a.hex() for a in got]}")
        failed = True
    print(f"{len(cases)} malformed, 10000 random, 2000 mutated packets sent")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
