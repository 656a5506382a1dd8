#!/usr/bin/env python3
"""Plants faults in the product one at a time and tells which of them the tests catch.

Each fault is a one-line change of the kind people really make (a bound, a table entry,
a condition, a dropped call). The tool copies the tree to a scratch folder, builds it
once, then for every fault: applies it, rebuilds incrementally, runs every test program
that was linked again (exactly those that link the changed file), and puts the line back.
A fault is caught when a test fails, crashes or hangs.

The faults are listed per room in tools/faults/<room>.txt, a block per fault:

    # the rule the fault breaks
    path/of/file.cpp
    - text of the line as it stands (a unique part of it)
    + what that part becomes

Where one line is not unique, the '-' and '+' parts may take in the lines around it,
which stay as they are.

Usage:
    tools/plant_faults.py                  every room
    tools/plant_faults.py game store       only these rooms
    tools/plant_faults.py --check          only check that every fault applies
Options: --scratch DIR (default /tmp/quorelin-faults), --jobs N, --report FILE,
--quick (stop at the first test program that catches a fault: the figures come sooner,
the list of catching tests is cut short), --only REPORT (only the faults a former
report lists as missed, by their rule and file: to see whether other tests caught them).
"""
import argparse
import collections
import concurrent.futures
import filecmp
import json
import os
import pathlib
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
FAULTS = ROOT / "tools" / "faults"
TEST_TIMEOUT = 300


class Fault:
    def __init__(self, room, rule, path, find, replace, where):
        self.room, self.rule, self.path = room, rule, path
        self.find, self.replace, self.where = find, replace, where

    def name(self):
        return f"{self.path}: {self.rule}"


def read_faults(rooms):
    faults = []
    for list_file in sorted(FAULTS.glob("*.txt")):
        room = list_file.stem
        if rooms and room not in rooms:
            continue
        block = []
        lines = list_file.read_text(encoding="utf-8").splitlines() + [""]
        for number, line in enumerate(lines, 1):
            if line.strip():
                block.append((number, line))
                continue
            if not block:
                continue
            where = f"{list_file.name}:{block[0][0]}"
            texts = [text for _, text in block]
            old = [t[2:] for t in texts[2:] if t.startswith("-")]
            new = [t[2:] for t in texts[2:] if t.startswith("+")]
            if (not texts[0].startswith("# ") or len(texts) < 4 or not old or not new or
                    texts[2:] != ["- " + t for t in old] + ["+ " + t for t in new]):
                sys.exit(f"{where}: a fault is '# rule', a path, '- old' lines, '+ new' lines")
            faults.append(Fault(room, texts[0][2:], texts[1].strip(), "\n".join(old),
                                "\n".join(new), where))
            block = []
    return faults


def check(faults, tree):
    problems = []
    for fault in faults:
        path = tree / fault.path
        if not path.is_file():
            problems.append(f"{fault.where}: no file {fault.path}")
            continue
        count = path.read_text(encoding="utf-8").count(fault.find)
        if count != 1:
            problems.append(f"{fault.where}: '{fault.find}' stands {count} times in {fault.path}")
        elif fault.find == fault.replace:
            problems.append(f"{fault.where}: the fault changes nothing")
    return problems


def run(command, cwd, timeout=None, env=None):
    # A test may print a stored name's Windows-1252 bytes: undecodable bytes are replaced.
    return subprocess.run(command, cwd=cwd, env=env, timeout=timeout, errors="replace",
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def copy_tree(scratch):
    """Brings the scratch copy up to the tree. A file that differs gets a new time, so the
    build redoes what it touches, also after a run that was stopped with a fault in place."""
    source = scratch / "src"
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                           stdout=subprocess.PIPE, text=True, check=True).stdout.split("\n")
    wanted = set()
    for name in filter(None, files):
        target = source / name
        if not (ROOT / name).is_file():
            continue
        wanted.add(target)
        if target.is_file() and filecmp.cmp(ROOT / name, target, shallow=False):
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(ROOT / name, target)
        shutil.copymode(ROOT / name, target)
    for old in [p for p in source.rglob("*") if p.is_file() and p not in wanted]:
        old.unlink()
    return source


def test_programs(build):
    """Each gtest program of the build and the folder ctest runs it in."""
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, text=True,
                             stdout=subprocess.PIPE, check=True)
    programs = {}
    for test in json.loads(listing.stdout)["tests"]:
        program = test["command"][0]
        if not program.startswith(str(build)):
            continue  # scripts: the install test and the rooms check
        folder = next((p["value"] for p in test.get("properties", [])
                       if p["name"] == "WORKING_DIRECTORY"), os.path.dirname(program))
        programs[program] = folder
    return programs


def stamps(programs):
    return {p: os.stat(p).st_mtime_ns for p in programs if os.path.exists(p)}


def failing_tests(program, folder, only=None):
    """The tests of one program that fail; a test must fail twice, so that a test that
    only fails under load does not count."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    command = [program, "--gtest_brief=1"]
    if only:
        command.append("--gtest_filter=" + ":".join(only))
    try:
        result = run(command, folder, TEST_TIMEOUT, env)
    except subprocess.TimeoutExpired:
        return ["(hung)"]
    if result.returncode == 0:
        return []
    # A parameterised test's line goes on ", where GetParam() = ...": the comma is no part
    # of its name.
    names = [line[12:].strip().split(" ")[0].rstrip(",") for line in result.stdout.splitlines()
             if line.startswith("[  FAILED  ] ")]
    failed = sorted({name for name in names if "." in name})
    if not failed:
        return [f"(exit {result.returncode})"]
    return failed if only else failing_tests(program, folder, failed)


def slow_last(program):
    """Whole runs of the program and the sweep over every window take longest."""
    return any(name in program for name in ("startup_run", "window_sweep", "road_tests"))


def run_programs(programs, relinked, room, jobs, quick):
    """The failing tests of the relinked programs, the fault's own room's first; with
    quick, no more programs start once one has caught the fault."""
    relinked = sorted(relinked, key=lambda p: (f"/tests/{room}/" not in p, slow_last(p), p))
    failed = []
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        futures = [pool.submit(lambda p=p: [f"{os.path.basename(p)}:{t}"
                                            for t in failing_tests(p, programs[p])])
                   for p in relinked]
        for future in futures:
            failed += future.result()
            if quick and failed:
                for rest in futures:
                    rest.cancel()
                break
    return failed


def missed_in(report):
    names = set()
    for line in pathlib.Path(report).read_text(encoding="utf-8").splitlines():
        parts = line.split("\t")
        if len(parts) >= 3 and parts[0] != "caught":
            names.add(parts[2])
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("rooms", nargs="*")
    parser.add_argument("--scratch", default="/tmp/quorelin-faults")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--report", default=None)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--quick", action="store_true")
    parser.add_argument("--only", default=None)
    args = parser.parse_args()

    faults = read_faults(set(args.rooms))
    if args.only:
        wanted = missed_in(args.only)
        faults = [f for f in faults if f.name() in wanted]
    problems = check(faults, ROOT)
    for problem in problems:
        print(problem)
    if problems:
        return 2
    print(f"{len(faults)} faults in {len({f.room for f in faults})} rooms")
    if args.check:
        return 0

    scratch = pathlib.Path(args.scratch)
    scratch.mkdir(parents=True, exist_ok=True)
    source = copy_tree(scratch)
    build = scratch / "build"
    # No optimiser and no debug information: the rebuilds after each fault stay quick.
    configure = run(["cmake", "-S", str(source), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug",
                     "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DQUORELIN_WERROR=OFF",
                     "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold", "-DQUORELIN_TOOLS=OFF"], scratch)
    if configure.returncode != 0:
        print(configure.stdout)
        return 2
    make = ["cmake", "--build", str(build), "-j", str(args.jobs)]
    first = run(make, scratch)
    if first.returncode != 0:
        print(first.stdout[-4000:])
        return 2
    programs = test_programs(build)
    for program, folder in programs.items():
        if failed := failing_tests(program, folder):
            print(f"the tests fail without any fault: {program}: {', '.join(failed)}")
            return 2

    results = []
    started = time.time()
    for index, fault in enumerate(faults, 1):
        path = source / fault.path
        original = path.read_text(encoding="utf-8")
        before = stamps(programs)
        path.write_text(original.replace(fault.find, fault.replace, 1), encoding="utf-8")
        try:
            built = run(make, scratch)
            if built.returncode != 0:
                outcome, detail = "does not build", ""
            else:
                after = stamps(programs)
                relinked = [p for p in programs if after.get(p) != before.get(p)]
                failed = run_programs(programs, relinked, fault.room, args.jobs, args.quick)
                outcome = "caught" if failed else "MISSED"
                detail = ", ".join(failed[:3]) + (" ..." if len(failed) > 3 else "")
                if not relinked:
                    detail = "no test program links this file"
        finally:
            path.write_text(original, encoding="utf-8")
        results.append((fault, outcome, detail))
        print(f"[{index}/{len(faults)}] {outcome:14} {fault.name()}  {detail}", flush=True)

    run(make, scratch)  # leave the scratch build clean for the next run
    lines = []
    by_room = collections.defaultdict(list)
    for fault, outcome, _ in results:
        by_room[fault.room].append(outcome)
    lines.append(f"Planted {len(results)} faults in {time.time() - started:.0f} s")
    for room, outcomes in sorted(by_room.items()):
        caught = outcomes.count("caught")
        valid = len([o for o in outcomes if o != "does not build"])
        share = 100.0 * caught / valid if valid else 0.0
        lines.append(f"  {room:8} {caught:3} of {valid:3} caught ({share:.0f} %)")
    missed = [(f, o) for f, o, _ in results if o != "caught"]
    if missed:
        lines.append("Not caught:")
        lines += [f"  {o:14} {f.name()}  ({f.where})" for f, o in missed]
    print("\n".join(lines))
    if args.report:
        with open(args.report, "w", encoding="utf-8") as report:
            for fault, outcome, detail in results:
                report.write(f"{outcome}\t{fault.where}\t{fault.name()}\t{detail}\n")
            report.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
