#!/usr/bin/env python3
"""Fault injection: how many realistic one-line faults does the test suite catch?

Applies the faults of a list (tools/faults/faults.txt) to the product code one at a time:
replaces the fault's snippet in its file, rebuilds only the test programs of the lanes that
reach the file, runs those lanes (unit, then gui, then gl under Xvfb) with a per-test time
limit, records KILLED (a test failed) or SURVIVED, and restores the file from git before the
next fault. A fault whose code does not compile is no fault: it is reported INVALID and left
out of the kill rate; so is a fault whose snippet is missing or not unique in its file. Prints
a table of the faults and the kill rate per area. Not run in CI.

  tools/faults/inject.py                        # every fault, against this checkout
  tools/faults/inject.py --area readers -j3     # one area
  tools/faults/inject.py --range 1-12           # faults 1..12 in list order (also: --only ID,ID)
  tools/faults/inject.py --repo /path/to/checkout --build /path/to/build-dir
  tools/faults/inject.py --check                # only look the snippets up, build nothing
  tools/faults/inject.py --report a.tsv b.tsv   # one table and the rates of several runs
                                                # (a fault in a later file replaces its earlier row)

The checkout (--repo, default: the repository this script sits in) must have no uncommitted
change in the files the faults touch: each file is restored with "git checkout -- FILE". The
build directory (default: <repo>/build-faults) is the run's own: it is configured on first use
(-DVANTORA_WERROR=ON), and the time limits of its registered tests are set to --timeout.
Results go to <build>/faults-results.tsv (one line per fault, written as it is decided) and the
test output of each fault to <build>/faults-logs/.

Several areas in parallel: one checkout and one build directory each, e.g.
  tools/faults/inject.py clone /work/fi/casemodel     # a shared clone at this checkout's HEAD
  tools/faults/inject.py --repo /work/fi/casemodel --area casemodel -j2 &
  ... (one per area) ...; wait
  tools/faults/inject.py --report /work/fi/*/build-faults/faults-results.tsv
Keep the clones under the ccache base directory (CCACHE_BASEDIR) so their first build is
served from the cache. The fault list is read from beside this script unless --faults says
otherwise, so a clone of an older commit is still tested with the current list.

Fault list format: blocks separated by blank lines; '#' starts a comment line.
  id: casemodel-01
  area: casemodel
  file: casemodel/stagebuilder.cpp
  find: st->OuterRH = environment.RH[i] * 0.01;
  repl: st->OuterRH = environment.RH[i];
  desc: the stage's outer humidity keeps the percent of the environment row
The snippet (find) must occur exactly once in the file; it is replaced by repl (empty: deleted).
"""

import argparse
import collections
import os
import re
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
LANE_TARGET = {"unit": "unit_tests", "gui": "gui_tests", "gl": "gl_tests"}
XVFB = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24"]
FIELDS = ("id", "area", "file", "find", "repl", "desc")


class Fault:
    def __init__(self, number, values):
        self.number = number
        for key in FIELDS:
            setattr(self, key, values.get(key, ""))

    def lanes(self):
        # unit_tests links the plain libraries only; gui_tests and gl_tests link every window.
        if self.file.startswith("casemodel/") or self.file.startswith("results/io/"):
            return ["unit", "gui", "gl"]
        return ["gui", "gl"]


def read_faults(path):
    faults, block = [], {}

    def close():
        if block:
            missing = [k for k in ("id", "area", "file", "find") if not block.get(k)]
            if missing:
                sys.exit("%s: fault %s lacks %s" % (path, block.get("id", "?"), ", ".join(missing)))
            faults.append(Fault(len(faults) + 1, dict(block)))
            block.clear()

    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line.strip():
                close()
                continue
            if line.lstrip().startswith("#"):
                continue
            key, sep, value = line.partition(":")
            key = key.strip()
            if not sep or key not in FIELDS:
                sys.exit("%s: cannot read line: %s" % (path, line))
            # One blank after the colon belongs to the format; the rest is the snippet's.
            block[key] = value[1:] if value.startswith(" ") else value
    close()
    ids = collections.Counter(f.id for f in faults)
    doubled = [i for i, n in ids.items() if n > 1]
    if doubled:
        sys.exit("%s: ids used twice: %s" % (path, ", ".join(doubled)))
    return faults


def run(cmd, cwd=None, log=None, timeout=None):
    """Runs cmd; returns (exit code, output). The output also goes to log when given."""
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           text=True, errors="replace", timeout=timeout)
        code, out = p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        code = 124
        out = (e.stdout.decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or ""))
        out += "\n[inject] command timed out after %s s\n" % timeout
    if log:
        with open(log, "a", encoding="utf-8") as f:
            f.write("$ %s\n%s\n" % (" ".join(cmd), out))
    return code, out


def git(repo, *args):
    return run(["git", "-C", repo] + list(args))


class Runner:
    def __init__(self, args):
        self.args = args
        self.repo = args.repo
        self.build = args.build
        self.logs = os.path.join(self.build, "faults-logs")
        self.baseline_failures = {}

    # ---- build and lanes --------------------------------------------------------------------

    def configure(self):
        if os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            return True
        cmd = ["cmake", "-S", self.repo, "-B", self.build, "-G", "Ninja", "-DVANTORA_WERROR=ON"]
        if shutil.which("ccache"):
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        code, out = run(cmd)
        if code != 0:
            print(out)
        return code == 0

    def build_target(self, target, log):
        code, out = run(["cmake", "--build", self.build, "--target", target, "-j", str(self.args.jobs)], log=log)
        if code == 0:
            self.limit_test_times()
            return True, ""
        errors = [l for l in out.splitlines() if "error:" in l] or \
                 [l for l in out.splitlines() if l.startswith("FAILED:")]
        return False, (errors[0].strip() if errors else "build failed")[:200]

    def limit_test_times(self):
        # The registered tests carry the project's time limit (a test property, which ctest's
        # --timeout does not override); a fault that hangs a test should cost less than that.
        for name in os.listdir(self.build):
            if not name.endswith("_tests.cmake"):
                continue
            path = os.path.join(self.build, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            limited = re.sub(r"\bTIMEOUT \d+", "TIMEOUT %d" % self.args.timeout, text)
            if limited != text:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(limited)

    def run_lane(self, lane, log):
        """Returns the names of the tests that failed (None: the lane could not run)."""
        jobs = self.args.gl_jobs if lane == "gl" else self.args.test_jobs
        cmd = ["ctest", "--test-dir", self.build, "-L", lane, "-j", str(jobs), "--output-on-failure"]
        if lane == "gl":
            cmd = XVFB + cmd
        # A whole lane that outlives every test's limit is hung outside the tests.
        code, out = run(cmd, log=log, timeout=self.args.timeout * 4 + 600)
        failed = []
        listing = False
        for line in out.splitlines():
            if line.startswith("The following tests FAILED"):
                listing = True
                continue
            if listing:
                m = re.match(r"\s*\d+ - (\S+) \((.*)\)", line)
                if m:
                    failed.append(m.group(1) + ("" if m.group(2) == "Failed" else " [%s]" % m.group(2)))
                elif line.strip():
                    listing = False
        if code != 0 and not failed:
            if "No tests were found" in out:
                return None
            failed.append("(lane exit code %d)" % code)
        return failed

    def baseline(self):
        """Builds the three test programs and runs the lanes without a fault."""
        os.makedirs(self.logs, exist_ok=True)
        log = os.path.join(self.logs, "baseline.log")
        open(log, "w").close()
        lanes = sorted({lane for f in self.faults for lane in f.lanes()}, key=list(LANE_TARGET).index)
        print("baseline: building and running %s ..." % ", ".join(lanes), flush=True)
        for lane in lanes:
            ok, why = self.build_target(LANE_TARGET[lane], log)
            if not ok:
                sys.exit("baseline: %s does not build without a fault (%s); see %s" % (LANE_TARGET[lane], why, log))
            failed = self.run_lane(lane, log)
            if failed is None:
                sys.exit("baseline: lane %s has no tests; see %s" % (lane, log))
            self.baseline_failures[lane] = set(failed)
            if failed:
                print("baseline: lane %s fails without a fault (those tests do not count): %s"
                      % (lane, ", ".join(failed)), flush=True)

    # ---- one fault --------------------------------------------------------------------------

    def apply_and_test(self, fault):
        path = os.path.join(self.repo, fault.file)
        if not os.path.isfile(path):
            return "NOTFOUND", "", "file not found"
        with open(path, encoding="utf-8") as f:
            text = f.read()
        count = text.count(fault.find)
        if count == 0:
            return "NOTFOUND", "", "snippet not found"
        if count > 1:
            return "NOTFOUND", "", "snippet not unique (%d places)" % count
        if self.args.check:
            return "FOUND", "", ""
        code, out = git(self.repo, "status", "--porcelain", "--", fault.file)
        if code != 0 or out.strip():
            return "SKIPPED", "", "file has uncommitted changes (or is not tracked)"
        log = os.path.join(self.logs, fault.id + ".log")
        open(log, "w").close()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text.replace(fault.find, fault.repl, 1))
            lanes = fault.lanes()
            if self.args.lanes:
                lanes = [l for l in lanes if l in self.args.lanes]
            failures = []
            for lane in lanes:
                ok, why = self.build_target(LANE_TARGET[lane], log)
                if not ok:
                    return "INVALID", lane, "does not compile: " + why
                failed = self.run_lane(lane, log)
                if failed is None:
                    return "ERROR", lane, "lane found no tests"
                new = [t for t in failed if t not in self.baseline_failures.get(lane, set())]
                if new:
                    failures.append((lane, new))
                    if not self.args.all_lanes:
                        break
            if failures:
                lane = "+".join(l for l, _ in failures)
                names = [t for _, tests in failures for t in tests]
                more = " (+%d more)" % (len(names) - 3) if len(names) > 3 else ""
                return "KILLED", lane, ", ".join(names[:3]) + more
            return "SURVIVED", "+".join(lanes), ""
        finally:
            self.restore(fault.file, text)

    def restore(self, file, original):
        code, out = git(self.repo, "checkout", "--", file)
        path = os.path.join(self.repo, file)
        with open(path, encoding="utf-8") as f:
            now = f.read()
        if code != 0 or now != original:
            # git could not give the file back as it was: write the saved text.
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
            print("warning: restored %s from the saved copy (%s)" % (file, out.strip()), flush=True)

    # ---- the run ----------------------------------------------------------------------------

    def main(self, faults):
        self.faults = faults
        begun = time.time()
        if not self.args.check:
            if not self.configure():
                sys.exit("cannot configure %s" % self.build)
            if not self.args.no_baseline:
                self.baseline()
        out = self.args.out or os.path.join(self.build, "faults-results.tsv")
        if not self.args.check:
            os.makedirs(self.logs, exist_ok=True)
        rows = []
        start = time.time()
        if not self.args.check:
            os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
            with open(out, "w", encoding="utf-8") as f:
                f.write("\t".join(["number", "id", "area", "file", "status", "lane", "detail", "seconds",
                                   "find", "repl", "desc"]) + "\n")
        for fault in faults:
            t0 = time.time()
            status, lane, detail = self.apply_and_test(fault)
            row = Row(fault.number, fault.id, fault.area, fault.file, status, lane, detail,
                      "%.0f" % (time.time() - t0), fault.find, fault.repl, fault.desc)
            rows.append(row)
            print("%-4d %-13s %-9s %-8s %s %s" % (fault.number, fault.id, status, lane, fault.file, detail),
                  flush=True)
            if not self.args.check:
                with open(out, "a", encoding="utf-8") as f:
                    f.write(row.tsv() + "\n")
        if self.args.check:
            bad = [r for r in rows if r.status != "FOUND"]
            print("\n%d of %d snippets found once" % (len(rows) - len(bad), len(rows)))
            return
        print("\n%d faults in %.0f s (%.0f s with the build and run without a fault); results in %s"
              % (len(faults), time.time() - start, time.time() - begun, out))
        report(rows)


class Row(collections.namedtuple("Row", "number id area file status lane detail seconds find repl desc")):
    def tsv(self):
        clean = lambda v: str(v).replace("\t", "\\t").replace("\n", " ")
        return "\t".join(clean(v) for v in self)


def read_rows(paths):
    # A fault run again (re-targeted, say) in a later file replaces its earlier row.
    rows = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
        for line in lines[1:]:
            values = line.split("\t")
            if len(values) == len(Row._fields):
                rows[values[1]] = Row(*values)
    return sorted(rows.values(), key=lambda r: int(r.number))


def report(rows):
    if not rows:
        return
    print("\n%-4s %-13s %-9s %-9s %-8s %-34s %s" % ("no", "id", "area", "status", "lane", "file", "change / killed by"))
    for r in rows:
        print("%-4s %-13s %-9s %-9s %-8s %-34s %s" % (r.number, r.id, r.area, r.status, r.lane, r.file, r.desc))
        if r.detail:
            print("%-4s %-13s %-9s %-9s %-8s %-34s   -> %s" % ("", "", "", "", "", "", r.detail))
    areas = collections.OrderedDict()
    for r in rows:
        areas.setdefault(r.area, collections.Counter())[r.status] += 1
    print("\n%-10s %6s %8s %8s %8s %9s" % ("area", "killed", "survived", "invalid", "missing", "kill rate"))
    total = collections.Counter()
    for area, c in areas.items():
        total.update(c)
        print(rate_line(area, c))
    if len(areas) > 1:
        print(rate_line("all", total))
    survivors = [r for r in rows if r.status == "SURVIVED"]
    if survivors:
        print("\nsurvivors:")
        for r in survivors:
            print("  %s %s: %s\n      %r -> %r" % (r.id, r.file, r.desc, r.find, r.repl))
    unusable = [r for r in rows if r.status not in ("KILLED", "SURVIVED", "FOUND")]
    if unusable:
        print("\nnot counted (re-target or reject these):")
        for r in unusable:
            print("  %s %s %s: %s" % (r.id, r.status, r.file, r.detail))


def rate_line(area, c):
    decided = c["KILLED"] + c["SURVIVED"]
    rate = "%.0f %%" % (100.0 * c["KILLED"] / decided) if decided else "-"
    return "%-10s %6d %8d %8d %8d %9s" % (area, c["KILLED"], c["SURVIVED"], c["INVALID"],
                                         c["NOTFOUND"] + c["SKIPPED"] + c["ERROR"], rate)


def select(faults, args):
    chosen = faults
    if args.area:
        chosen = [f for f in chosen if f.area in args.area.split(",")]
    if args.range:
        m = re.fullmatch(r"(\d+)(?:-(\d+))?", args.range)
        if not m:
            sys.exit("--range wants N or N-M")
        low, high = int(m.group(1)), int(m.group(2) or m.group(1))
        chosen = [f for f in chosen if low <= f.number <= high]
    if args.only:
        wanted = set(args.only.split(","))
        chosen = [f for f in chosen if f.id in wanted or str(f.number) in wanted]
    return chosen


def clone(dest, repo):
    if os.path.exists(dest):
        sys.exit("%s exists already" % dest)
    code, head = git(repo, "rev-parse", "HEAD")
    if code != 0:
        sys.exit("%s is no git checkout" % repo)
    # A clone of its own (no shared worktree bookkeeping); --shared borrows the objects.
    for cmd in (["git", "clone", "--quiet", "--shared", "--no-checkout", repo, dest],
                ["git", "-C", dest, "checkout", "--quiet", "--detach", head.strip()]):
        code, out = run(cmd)
        if code != 0:
            sys.exit(out)
    print("%s at %s" % (dest, head.strip()[:12]))


def main():
    default_repo = run(["git", "-C", HERE, "rev-parse", "--show-toplevel"])[1].strip()
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0],
                                formatter_class=argparse.RawDescriptionHelpFormatter,
                                epilog="See the comment at the top of this script for the details.")
    p.add_argument("command", nargs="?", choices=["run", "clone"], default="run",
                   help="run (default) or clone DEST: a shared clone of --repo at its HEAD")
    p.add_argument("dest", nargs="?", help="for clone: the new checkout's folder")
    p.add_argument("--repo", default=default_repo, help="the checkout to inject into (default: %(default)s)")
    p.add_argument("--build", help="its own build directory (default: <repo>/build-faults)")
    p.add_argument("--faults", default=os.path.join(HERE, "faults.txt"), help="the fault list")
    p.add_argument("--area", help="only faults of these areas (comma-separated)")
    p.add_argument("--range", help="only faults N-M (list order, from 1)")
    p.add_argument("--only", help="only these faults (ids or numbers, comma-separated)")
    p.add_argument("--lanes", help="run only these of the reaching lanes (comma-separated: unit,gui,gl)")
    p.add_argument("--all-lanes", action="store_true", help="run every reaching lane, not only up to the first kill")
    p.add_argument("-j", "--jobs", type=int, default=2, help="build jobs (default %(default)s)")
    p.add_argument("--test-jobs", type=int, default=2, help="parallel unit and gui tests (default %(default)s)")
    p.add_argument("--gl-jobs", type=int, default=1, help="parallel gl tests on the one X server (default %(default)s)")
    p.add_argument("--timeout", type=int, default=60, help="time limit per test in seconds (default %(default)s)")
    p.add_argument("--out", help="results file (default: <build>/faults-results.tsv)")
    p.add_argument("--no-baseline", action="store_true", help="skip the run without a fault")
    p.add_argument("--check", action="store_true", help="only check that every snippet is found once")
    p.add_argument("--report", nargs="+", metavar="TSV", help="print the table and rates of earlier runs")
    args = p.parse_args()

    if args.report:
        report(read_rows(args.report))
        return
    args.repo = os.path.abspath(args.repo)
    if args.command == "clone":
        if not args.dest:
            sys.exit("clone wants a destination folder")
        clone(os.path.abspath(args.dest), args.repo)
        return
    args.build = os.path.abspath(args.build or os.path.join(args.repo, "build-faults"))
    if args.lanes:
        args.lanes = args.lanes.split(",")
    faults = select(read_faults(args.faults), args)
    if not faults:
        sys.exit("no fault selected")

    runner = Runner(args)
    # Ctrl-C or a kill still restores the file under test (the finally in apply_and_test).
    def interrupted(*_):
        raise KeyboardInterrupt()
    signal.signal(signal.SIGTERM, interrupted)
    try:
        runner.main(faults)
    except KeyboardInterrupt:
        sys.exit("interrupted; the file under test was restored")


if __name__ == "__main__":
    main()
