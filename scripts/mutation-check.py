#!/usr/bin/env python3
"""Puts plausible faults into a scratch copy of the game one at a time and
runs the whole test suite on each: a fault the suite does not notice is a
hole in the tests.

    scripts/mutation-check.py [--rev REV] [--scratch DIR] [--only ID ...]

The scratch copy is a detached git worktree of REV (default HEAD) with its own
build folder, rebuilt incrementally for every fault; it sits under /work by
default so that ccache shares the compiled objects of the other checkouts. Each fault is reported as
caught (a test failed), missed (every test passed) or n/a (its file or snippet
is gone, or the changed code does not build). The tests of the changed file's
own folder run first; the whole suite only when they pass. The faults live in
scripts/mutations.txt; see the head of that file for the format.
"""

import argparse
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)


def read_faults(path):
    faults, fault = [], None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip():
                if fault:
                    faults.append(fault)
                fault = None
                continue
            if line.startswith("#"):
                continue
            key, sep, value = line.partition(": ")
            if not sep or key not in ("id", "edge", "file", "find", "replace"):
                sys.exit(f"{path}:{number}: expected 'key: value', got {line!r}")
            if key == "id":
                if fault:
                    faults.append(fault)
                fault = {"id": value, "edge": False, "files": [], "line": number}
            elif fault is None:
                sys.exit(f"{path}:{number}: a fault starts with 'id: '")
            elif key == "edge":
                fault["edge"] = value.strip() == "yes"
            elif key == "file":
                fault["files"] = [p.strip() for p in value.split("|")]
            else:
                fault[key] = value
    if fault:
        faults.append(fault)
    for fault in faults:
        for key in ("files", "find", "replace"):
            if not fault.get(key):
                sys.exit(f"{path}:{fault['line']}: fault {fault['id']} has no {key}")
    return faults


def run(command, cwd, timeout, log):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def build(scratch):
    return run(["cmake", "--build", "build", "-j2"], scratch, 1800,
               os.path.join(scratch, "mutation-build.log")) == 0


def suite_passes(scratch):
    log = os.path.join(scratch, "mutation-ctest.log")
    rc = run(["ctest", "-j2", "--stop-on-failure", "--timeout", "300"],
             os.path.join(scratch, "build"), 3600, log)
    failed = ""
    with open(log, errors="replace") as f:
        for line in f:
            if "***Failed" in line or "***Exception" in line or "***Timeout" in line:
                failed = line.split(":", 1)[-1].split("*")[0].strip().split()[0]
                break
    return rc == 0, failed


def prepare(scratch, rev):
    if not os.path.isdir(scratch):
        subprocess.run(["git", "worktree", "add", "--detach", scratch, rev], cwd=REPO, check=True,
                       stdout=subprocess.DEVNULL)
    else:
        subprocess.run(["git", "checkout", "-q", "--detach", "-f", rev], cwd=scratch, check=True)
        subprocess.run(["git", "reset", "-q", "--hard"], cwd=scratch, check=True)
    subprocess.run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DKV_BENCHMARKS=OFF"], cwd=scratch, check=True, stdout=subprocess.DEVNULL)


def locate(scratch, fault):
    """The one file holding the snippet exactly once, or why there is none."""
    why = []
    for name in fault["files"]:
        path = os.path.join(scratch, name)
        if not os.path.isfile(path):
            why.append(f"{name} missing")
            continue
        with open(path, encoding="utf-8") as f:
            text = f.read()
        count = text.count(fault["find"])
        if count == 1:
            return path, text, ""
        why.append(f"snippet {count}x in {name}")
    return None, None, "; ".join(why)


def quick_check(scratch, path):
    """Builds and runs only the tests of the changed file's own folder, if it
    has one; True when they fail (the fault is caught without the rest)."""
    folder = os.path.relpath(path, os.path.join(scratch, "src")).split(os.sep)[0]
    tests = os.path.join(scratch, "build", "tests", folder)
    if folder.startswith("..") or not os.path.isdir(tests):
        return False, ""
    target = "test_" + folder
    if run(["cmake", "--build", "build", "-j2", "--target", target], scratch, 1800,
           os.path.join(scratch, "mutation-build.log")) != 0:
        return False, ""
    rc = run([os.path.join(tests, target)], tests, 900, os.path.join(scratch, "mutation-quick.log"))
    return rc != 0, target


def try_fault(scratch, fault):
    path, text, why = locate(scratch, fault)
    if path is None:
        return "n/a", why
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(fault["find"], fault["replace"]))
    try:
        caught, by = quick_check(scratch, path)
        if caught:
            return "caught", by
        if not build(scratch):
            return "n/a", "does not build"
        passed, failed = suite_passes(scratch)
        return ("missed", "") if passed else ("caught", failed)
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rev", default="HEAD")
    parser.add_argument("--scratch", default="/work/wt/tests-mutation")
    parser.add_argument("--list", default=os.path.join(HERE, "mutations.txt"))
    parser.add_argument("--only", nargs="*", default=[])
    args = parser.parse_args()
    faults = [f for f in read_faults(args.list) if not args.only or f["id"] in args.only]
    rev = subprocess.run(["git", "rev-parse", args.rev], cwd=REPO, check=True, text=True,
                         capture_output=True).stdout.strip()
    prepare(args.scratch, rev)
    if not build(args.scratch) or not suite_passes(args.scratch)[0]:
        sys.exit(f"the unchanged {rev[:12]} does not build or pass its tests in {args.scratch}")
    counts = {"caught": 0, "missed": 0, "n/a": 0}
    missed_edges = []
    print(f"# {rev[:12]}, {len(faults)} faults", flush=True)
    for fault in faults:
        start = time.time()
        verdict, detail = try_fault(args.scratch, fault)
        counts[verdict] += 1
        if verdict == "missed" and fault["edge"]:
            missed_edges.append(fault["id"])
        edge = "edge" if fault["edge"] else "    "
        print(f"{verdict:7} {edge} {fault['id']:34} {time.time() - start:5.0f}s {detail}", flush=True)
    print(f"# caught {counts['caught']}, missed {counts['missed']}, n/a {counts['n/a']}"
          f"; edge faults missed: {', '.join(missed_edges) or 'none'}")
    build(args.scratch)  # leave the scratch build matching the unchanged sources


if __name__ == "__main__":
    main()
