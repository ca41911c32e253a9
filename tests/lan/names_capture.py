#!/usr/bin/env python3
"""The name service on the bridge, as tshark decodes it, phase by phase of netbios_names_test.sh:
who registered, asked, answered, refused and released which name, and where each time request
went.
    names_capture.py <tshark fields, tab-separated> <phases: name and start in µs a line>
                     <subnet> <host> <last byte> …"""
import sys

decoded, phases_file, subnet, *pairs = sys.argv[1:]
ip = {h.upper(): f"{subnet}.{n}" for h, n in zip(pairs[::2], pairs[1::2])}
bcast = f"{subnet}.255"
names = ["time", "src", "dst", "sport", "dport", "id", "response", "opcode", "rcode", "bflag",
         "name", "addr", "group", "dgm", "dgm_dst", "slot"]
phases = [(line.split()[0:-1], int(line.split()[-1])) for line in open(phases_file)]
phases = [(" ".join(words), at) for words, at in phases]
rows, by_phase = [], {name: [] for name, _ in phases}
for line in open(decoded):
    row = dict(zip(names, line.rstrip("\n").split("\t")))
    row["us"] = int(row["time"].replace(".", "")[:16])
    row["name"] = row["name"].split(",")[0].split(" (")[0]  # the question's name
    row["group"] = row["group"].split(",")[0]
    phase = [name for name, at in phases if at <= row["us"]]
    if phase:
        by_phase[phase[-1]].append(row)
    rows.append(row)
problems = []


def need(ok, what):
    if not ok:
        problems.append(what)
    return ok


def show(rs):
    return "; ".join(
        f"{r['src']}:{r['sport']}>{r['dst']}:{r['dport']} id {r['id']} r{r['response']} "
        f"op{r['opcode']} rc{r['rcode']} b{r['bflag']} {r['name']} {r['addr']} g{r['group']} "
        f"dgm{r['dgm']} {r['dgm_dst']}" for r in rs) or "none"


def ns(rs, **want):
    return [r for r in rs if r["opcode"] and all(r[k] == v for k, v in want.items())]


# Whatever DELTA says on the name port comes from port 137 and answers a request of the same
# id from the address and port it goes to; it answers only for its own two names.
for r in ns(rows, src=ip["DELTA"], response="1"):
    asked = [q for q in ns(rows, response="0", id=r["id"], src=r["dst"], sport=r["dport"])
             if q["us"] <= r["us"]]
    need(r["sport"] == "137" and asked, f"DELTA's answer to no request: {show([r])}")
    if r["opcode"] == "0" and r["rcode"] == "0" and not r["name"].startswith("*"):
        need(r["name"] in ("DELTA<00>", "LAB<00>") and r["addr"] == ip["DELTA"],
             f"DELTA answered for another name: {show([r])}")

# Registration at start: three broadcasts of each name, a quarter second or more apart, and no
# more later.
start = ns(rows, src=ip["DELTA"], opcode="5", response="0")
for name, group in (("DELTA<00>", "0"), ("LAB<00>", "1")):
    sent = [r for r in start if r["name"] == name]
    gaps = [b["us"] - a["us"] for a, b in zip(sent, sent[1:])]
    need(len(sent) == 3 and min(gaps) >= 200000 and
         all(r["dst"] == bcast and r["dport"] == "137" and r["sport"] == "137" and
             r["bflag"] == "1" and r["addr"] == ip["DELTA"] and r["group"] == group
             for r in sent), f"registration of {name}: {show(sent)}")
refused = ns(rows, dst=ip["DELTA"], response="1", opcode="5")
need(not refused, f"DELTA's registration refused: {show(refused)}")

# Each time request follows the name query made for it (none when the answer is still known):
# one to three broadcasts of one id from one ephemeral port, none after the first answer. A
# unique holder's answer makes the request a unique datagram to it; answers for a group, or
# none, leave it a group datagram to the subnet.
def resolution(phase, name, holder, members, replies):
    rs = by_phase[phase]
    requests = [r for r in rs if r["slot"] == "\\MAILSLOT\\NTSERVER"]
    need(requests, f"{phase}: no time request")
    since = 0
    for request in requests:
        window = [r for r in rs if since <= r["us"] <= request["us"]]
        since = request["us"]
        queries = ns(window, src=ip["CARBON"], response="0", opcode="0", name=f"{name}<00>")
        gaps = [b["us"] - a["us"] for a, b in zip(queries, queries[1:])]
        need(len(queries) <= 3 and len({(q["id"], q["sport"]) for q in queries}) <= 1 and
             min(gaps, default=250000) >= 200000 and
             all(q["dst"] == bcast and q["dport"] == "137" and q["sport"] != "137" and
                 q["bflag"] == "1" for q in queries), f"{phase}: queries {show(queries)}")
        if request is requests[0]:
            need(queries, f"{phase}: no name query")
        asked = {(q["id"], q["sport"]) for q in queries}
        answers = [r for r in ns(window, response="1", opcode="0", dst=ip["CARBON"])
                   if (r["id"], r["dport"]) in asked]
        if holder:
            need(all(r["src"] == ip[holder] and r["rcode"] == "0" and r["addr"] == ip[holder] and
                     r["group"] == "0" and r["name"] == f"{name}<00>" for r in answers) and
                 (answers or not queries), f"{phase}: answers {show(answers)}")
            goes = request["dgm"] == "16" and request["dst"] == ip[holder]
        else:  # every member answers, some perhaps after the request has gone
            late = [r for r in ns(rs, response="1", opcode="0", dst=ip["CARBON"])
                    if (r["id"], r["dport"]) in asked]
            need({r["src"] for r in late} == {ip[m] for m in members} and
                 (answers or not members) and
                 all(r["rcode"] == "0" and r["group"] == "1" and r["name"] == f"{name}<00>"
                     for r in late), f"{phase}: answers {show(late)}")
            goes = request["dgm"] == "17" and request["dst"] == bcast
        if queries and not answers:
            need(len(queries) == 3, f"{phase}: {len(queries)} tries unanswered")
        if answers and len(queries) > 1:
            need(queries[-1]["us"] <= min(r["us"] for r in answers),
                 f"{phase}: asked again after the answer: {show(queries)}")
        need(goes and request["dport"] == "138" and request["dgm_dst"] == f"{name}<00>",
             f"{phase}: time request {show([request])}")
    if replies:
        need(len(requests) == 1, f"{phase}: {len(requests)} time requests")
    got = {r["src"] for r in rs if r["slot"] == "\\MAILSLOT\\NTCLIENT"}
    need(got == {ip[h] for h in replies}, f"{phase}: replies from {got}")


resolution("horolan DELTA", "DELTA", "DELTA", (), ("DELTA",))
resolution("horolan SMBHOST", "SMBHOST", "SMBHOST", (), ())
resolution("horolan LAB", "LAB", None, ("DELTA", "SMBHOST"), ("DELTA",))
resolution("horolan NOSUCH", "NOSUCH", None, (), ())

# ECHO's claim is refused by DELTA, to ECHO, for the computer name only.
claims = ns(by_phase["conflict"], src=ip["ECHO"], opcode="5", response="0", name="DELTA<00>")
refusals = ns(by_phase["conflict"], response="1", opcode="5")
need(claims and refusals and all(
    r["src"] == ip["DELTA"] and r["dst"] == ip["ECHO"] and r["rcode"] == "6" and
    r["name"] == "DELTA<00>" and r["id"] in {c["id"] for c in claims} for r in refusals),
    f"conflict: claims {show(claims)}, answers {show(refusals)}")
later = [r for name, _ in phases[[n for n, _ in phases].index("conflict"):] for r in by_phase[name]]
echo_group = ns(later, src=ip["ECHO"], opcode="5", response="0", name="LAB<00>")
need(len(echo_group) == 3 and not ns(later, response="1", opcode="5", name="LAB<00>"),
     f"conflict: ECHO's registrations of LAB<00> {show(echo_group)}")
resolution("horolan after conflict", "DELTA", "DELTA", (), ("DELTA",))
after = ns(by_phase["after conflict"] + by_phase["horolan after conflict"], response="1",
           opcode="0", name="DELTA<00>")
need(after and {r["src"] for r in after} == {ip["DELTA"]}, f"after conflict: answers {show(after)}")

# Each stop gives up the names held, and only those.
for phase, host, held in (("delta stop", "DELTA", {"DELTA<00>": "0", "LAB<00>": "1"}),
                          ("echo stop", "ECHO", {"LAB<00>": "1"})):
    releases = ns(by_phase[phase], src=ip[host], opcode="6", response="0")
    need({r["name"] for r in releases} == set(held) and all(
        r["dst"] == bcast and r["dport"] == "137" and r["addr"] == ip[host] and
        r["group"] == held[r["name"]] for r in releases), f"{phase}: releases {show(releases)}")
asked = ns(by_phase["released"], response="0", opcode="0", name="DELTA<00>")
released = ns(by_phase["released"], response="1", opcode="0", name="DELTA<00>")
need(asked and not released, f"released: asked {show(asked)}, answers {show(released)}")

print("; ".join(problems) if problems else f"{len(rows)} packets decoded")
sys.exit(1 if problems else 0)
