#!/usr/bin/env python3
# Each benchmark as a multiple of the frame copy at its size, over several runs of one or more builds.
#
#   bench/ratios.py FILTER BENCH [BENCH ...]
#
# Runs every BENCH (a morv_bench) ROUNDS times (default 8), taking turns. In each run a
# benchmark's fastest repetition is divided by the fastest BM_EffectMemcpy of the same size and
# depth in that run; the median of those ratios is printed, with the least and the largest.
# Ratios from one run cancel most of what a shared machine does to both.
import collections
import json
import os
import re
import statistics
import subprocess
import sys

filter_, benches = sys.argv[1], sys.argv[2:]
rounds = int(os.environ.get("ROUNDS", "8"))
ratios = {bench: collections.defaultdict(list) for bench in benches}
for _ in range(rounds):
    for bench in benches:
        run = subprocess.run([bench, f"--benchmark_filter={filter_}|BM_EffectMemcpy", "--benchmark_repetitions=5",
                              "--benchmark_enable_random_interleaving=true", "--benchmark_format=json"],
                             capture_output=True, text=True, check=True)
        fastest = collections.defaultdict(lambda: float("inf"))
        for result in json.loads(run.stdout)["benchmarks"]:
            if result.get("run_type") == "iteration":
                name = re.sub(r"/min_time:[0-9.]+", "", result["run_name"])
                fastest[name] = min(fastest[name], result["real_time"])
        for name, time in fastest.items():
            size = re.match(r"BM_\w+(/\d+/\d+/\d+)(/\d+)?$", name)
            if size and not name.startswith("BM_EffectMemcpy"):
                ratios[bench][name].append(time / fastest["BM_EffectMemcpy" + size.group(1)])
for bench in benches:
    print(bench)
    for name, values in sorted(ratios[bench].items()):
        print(f"  {name:36s} x{statistics.median(values):.2f}  ({min(values):.2f} to {max(values):.2f})")
