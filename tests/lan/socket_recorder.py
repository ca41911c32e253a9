#!/usr/bin/env python3
"""Records what a service sends to systemd: `notify` messages (one line each, fields joined by
"|") or `journal` entries (one JSON object each, native protocol decoded), from a Unix datagram
socket at the given path, until ended by a signal."""
import json
import os
import socket
import struct
import sys


def journal_fields(packet):
    """KEY=value lines, or KEY\\n<64-bit little-endian size><value>\\n for values with newlines."""
    fields, rest = {}, packet
    while rest:
        line_end = rest.index(b"\n")
        head = rest[:line_end]
        if b"=" in head:
            key, value = head.split(b"=", 1)
            rest = rest[line_end + 1:]
        else:
            size = struct.unpack("<Q", rest[line_end + 1:line_end + 9])[0]
            key, value = head, rest[line_end + 9:line_end + 9 + size]
            rest = rest[line_end + 10 + size:]
        fields[key.decode()] = value.decode(errors="replace")
    return fields


def main():
    kind, path, out_path = sys.argv[1:4]
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
    sock.bind(path)
    os.chmod(path, 0o777)
    with open(out_path, "a", buffering=1) as out:
        out.write("listening\n")
        while True:
            packet = sock.recv(65536)
            if kind == "notify":
                out.write(packet.decode(errors="replace").replace("\n", "|") + "\n")
            else:
                out.write(json.dumps(journal_fields(packet)) + "\n")


if __name__ == "__main__":
    main()
