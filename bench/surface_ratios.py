#!/usr/bin/env python3
"""Ratios of the surface benchmark's medians, from its JSON output:
   surface_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
                 --benchmark_out=surface.json --benchmark_out_format=json
   bench/surface_ratios.py surface.json
software / null must stay at or below 2; cairo_replay / software_replay at or above 5."""
import json
import sys

medians = {}
for run in json.load(open(sys.argv[1]))["benchmarks"]:
    if run.get("aggregate_name") == "median":
        medians[run["run_name"]] = run

plants = dict.fromkeys(name.split("/")[0] for name in medians)
print(f"{'plant':<14}{'time':>6}{'null ms':>10}{'software ms':>13}{'ratio':>7}"
      f"{'replay ms':>11}{'cairo ms':>10}{'cairo/ours':>12}")
for plant in plants:
    for clock in ("cpu_time", "real_time"):
        null, software, replay, cairo = (medians[f"{plant}/{kind}"][clock] for kind in
                                         ("null", "software", "software_replay", "cairo_replay"))
        print(f"{plant:<14}{clock.split('_')[0]:>6}{null:>10.3f}{software:>13.3f}{software / null:>7.2f}"
              f"{replay:>11.3f}{cairo:>10.2f}{cairo / replay:>12.1f}")
