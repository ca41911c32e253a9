#!/usr/bin/env python3
"""A pause sent to beaconry as its own code begins is held, never lethal: each run starts it in
a network namespace of its own (port 138 free there, gone with the run), holds it (ptrace) at
the program's first initialiser, before any static initialiser of ours, sends SIGUSR1 there,
lets it go, and expects the pause report, then a clean stop. The moment /proc/<pid>/comm reads
"beaconry" is too soon: the kernel names the process before the dynamic loader has begun, and no
code of the program can run before that. Needs root and x86-64 (the breakpoint's registers).
  signal_at_start_test.py <built beaconry> [runs]"""
import ctypes
import os
import platform
import select
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
PTRACE_TRACEME, PTRACE_PEEKTEXT, PTRACE_POKETEXT, PTRACE_CONT = 0, 1, 4, 7
PTRACE_GETREGS, PTRACE_SETREGS, PTRACE_DETACH = 12, 13, 17
RIP = 16  # in struct user_regs_struct
libc = ctypes.CDLL(None, use_errno=True)
libc.ptrace.restype = ctypes.c_long
libc.ptrace.argtypes = [ctypes.c_long, ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p]


def ptrace(request, pid, address=0, data=0):
    ctypes.set_errno(0)
    result = libc.ptrace(request, pid, address, data)
    if result == -1 and ctypes.get_errno() != 0:
        raise OSError(ctypes.get_errno(), f"ptrace {request}")
    return result


def first_initialiser(program):
    """The offset of GCC's frame_dummy, the first entry of the program's init array."""
    symbols = subprocess.run(["nm", program], capture_output=True, text=True, check=True).stdout
    for line in symbols.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[2] == "frame_dummy":
            return int(fields[0], 16)
    raise SystemExit("no frame_dummy in the program's symbols")


def stop_at(pid, program, offset):
    """Runs the traced child on through its execs into `program`, to a breakpoint at `offset`,
    and leaves it there with the instruction restored."""
    while True:
        _, status = os.waitpid(pid, 0)
        if not os.WIFSTOPPED(status):
            raise RuntimeError(f"ended before its first initialiser: status {status}")
        stop_signal = os.WSTOPSIG(status)
        with open(f"/proc/{pid}/comm", "rb") as f:
            ours = f.read() == b"beaconry\n"
        if ours and stop_signal == signal.SIGTRAP:
            break
        ptrace(PTRACE_CONT, pid, 0, 0 if stop_signal == signal.SIGTRAP else stop_signal)
    real = os.path.realpath(program)
    with open(f"/proc/{pid}/maps") as maps:
        base = next(int(line.split("-")[0], 16) for line in maps
                    if line.rstrip().endswith(real) and line.split()[2] == "00000000")
    address = base + offset
    word = ctypes.c_ulong(ptrace(PTRACE_PEEKTEXT, pid, address)).value
    ptrace(PTRACE_POKETEXT, pid, address, (word & ~0xFF) | 0xCC)
    ptrace(PTRACE_CONT, pid)
    _, status = os.waitpid(pid, 0)
    if not (os.WIFSTOPPED(status) and os.WSTOPSIG(status) == signal.SIGTRAP):
        raise RuntimeError(f"missed the breakpoint: status {status}")
    ptrace(PTRACE_POKETEXT, pid, address, word)
    regs = (ctypes.c_ulong * 27)()
    ptrace(PTRACE_GETREGS, pid, 0, ctypes.addressof(regs))
    regs[RIP] = address
    ptrace(PTRACE_SETREGS, pid, 0, ctypes.addressof(regs))


def notify_socket(path):
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
    sock.bind(path)
    return sock


def reports_until(sock, wanted, seconds, child):
    """The notify messages read until one holds `wanted`, the child has ended and sent all it
    sent, or the deadline passes."""
    seen, deadline = [], time.monotonic() + seconds
    while time.monotonic() < deadline:
        if child.poll() is not None and not select.select([sock], [], [], 0)[0]:
            break
        if select.select([sock], [], [], 0.05)[0]:
            seen.append(sock.recv(4096).decode(errors="replace").replace("\n", "|"))
            if wanted in seen[-1]:
                break
    return seen


def one_run(beaconry, offset, sock, path):
    env = dict(os.environ, NOTIFY_SOCKET=path)
    child = subprocess.Popen(["unshare", "--net", "--", beaconry], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             preexec_fn=lambda: ptrace(PTRACE_TRACEME, 0))
    try:
        stop_at(child.pid, beaconry, offset)
        os.kill(child.pid, signal.SIGUSR1)
        ptrace(PTRACE_DETACH, child.pid)
    except (OSError, RuntimeError) as failure:
        child.kill()
        child.wait()
        return f"could not hold it at its start: {failure}"
    seen = reports_until(sock, "STATUS=Paused", 10, child)
    if child.poll() is None:
        os.kill(child.pid, signal.SIGTERM)
    try:
        rc = child.wait(10)
    except subprocess.TimeoutExpired:
        child.kill()
        rc = child.wait()
    seen += reports_until(sock, "STATUS=Stopped", 2, child)
    problems = []
    if rc != 0:
        problems.append(f"exit status {rc}" + (f" ({signal.Signals(-rc).name})" if rc < 0 else ""))
    if not any("STATUS=Paused" in s for s in seen):
        problems.append("no pause report")
    if not problems and "STATUS=Stopped" not in seen[-1]:
        problems.append("last report not a stop")
    if problems:
        err = child.stderr.read().decode(errors="replace").strip()
        return f"{'; '.join(problems)}; reports {seen}" + (f"; stderr {err}" if err else "")
    child.stderr.close()
    return None


def main():
    beaconry, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 50
    if os.getuid() != 0 or platform.machine() != "x86_64":
        print("SKIPPED: needs root (a network namespace per run, port 138 in it) on x86-64")
        return SKIP
    offset = first_initialiser(beaconry)
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "notify")
        with notify_socket(path) as sock:
            failures = []
            for run in range(runs):
                problem = one_run(beaconry, offset, sock, path)
                if problem:
                    failures.append(f"run {run + 1}: {problem}")
                while select.select([sock], [], [], 0)[0]:
                    sock.recv(4096)  # nothing of one run is read in the next
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        print(f"FAIL: {len(failures)} of {runs} runs")
        return 1
    print(f"PASS: {runs} of {runs} runs paused by a SIGUSR1 sent at their start, then stopped")
    return 0


if __name__ == "__main__":
    sys.exit(main())
