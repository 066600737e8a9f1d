#!/usr/bin/env python3
"""tovrex-method run as a user runs it: help and exit codes, one line for a file that is
not a method, failed writes that leave OUT as it was, the JSON round trip through files,
diff and check of a changed method, a database of two records, many files and the
documents for scripts, a plot that parses as XML with one path per ramp in use, and the
review page.

    check_cli.py [--emulator WINE] [--browser CHROMIUM] TOOL FIXTURE.json SCRATCH_DIR

With --browser the review page is printed to PDF as a reviewer prints it (headless
Chromium, poppler's pdfinfo and pdftotext): one A4 page holding the fields' text.

Exit status 0 when every check holds; otherwise 1, with one line per fault.
"""
import argparse
import hashlib
import json
import os
import resource
import stat
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

SVG = "{http://www.w3.org/2000/svg}"


def database(*records):
    """A method database holding `records`: header, then each record and its checksum."""
    head = b"RDB3\r\n\x1a\n" + struct.pack("<IIII", 1, 14, 2456, len(records))
    crc = lambda n, r: struct.pack("<I", zlib.crc32(r, zlib.crc32(struct.pack("<I", n))))
    return (head + struct.pack("<I", zlib.crc32(head)) +
            b"".join(r + crc(n, r) for n, r in enumerate(records, 1)))


def printed_faults(browser, page, pdf):
    """The review page printed by a browser: one A4 sheet with every part's text on it."""
    profile = page + ".profile"
    subprocess.run([browser, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update",
                    "--disable-sync", f"--user-data-dir={profile}", "--no-pdf-header-footer",
                    f"--print-to-pdf={pdf}", Path(page).resolve().as_uri()],
                   capture_output=True, timeout=120)
    if not os.path.exists(pdf):
        return [f"report: {browser} printed no PDF"]
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    text = " ".join(subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                   text=True).stdout.split())
    faults = []
    if "Pages: 1" not in " ".join(info.split()) or "(A4)" not in info:
        faults.append(f"report: not one A4 page: {info!r}")
    for wanted in ["TOVREX inlet method", "Record SHA-256", "Oven programme", "Zones and valves",
                   "ULVO left channel", "ULVO right channel", "Pressure ramp, in use",
                   "Zone 2 Temperature 451 °C, allowed 0 to 450"]:
        if wanted not in text:
            faults.append(f"report: the printed page lacks {wanted!r}")
    return faults


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--emulator")
    p.add_argument("--browser")
    p.add_argument("tool")
    p.add_argument("fixture")
    p.add_argument("scratch")
    a = p.parse_args()
    os.makedirs(a.scratch, exist_ok=True)
    f = lambda name: os.path.join(a.scratch, name)
    faults = []

    def run(*args, code, out=None, err_lines=None, err=None, stdout=subprocess.PIPE, limit=None):
        done = subprocess.run(([a.emulator] if a.emulator else []) + [a.tool, *args],
                              stdout=stdout, stderr=subprocess.PIPE, text=True, encoding="utf-8",
                              errors="replace", timeout=120, preexec_fn=limit)
        what = " ".join(args)
        if done.returncode != code:
            faults.append(f"{what}: exit {done.returncode}, not {code}: {done.stderr.strip()}")
        if out is not None and out not in done.stdout:
            faults.append(f"{what}: {out!r} not in {done.stdout!r}")
        if err is not None and err not in done.stderr:
            faults.append(f"{what}: {err!r} not in {done.stderr!r}")
        if err_lines is not None and len(done.stderr.splitlines()) != err_lines:
            faults.append(f"{what}: {err_lines} error line(s) wanted, got {done.stderr!r}")
        return done.stdout

    for verb in ["show", "diff", "check", "export", "import", "plot", "report"]:
        run(verb, "--help", code=0, out=f"usage: tovrex-method {verb}")
    run(code=2)
    run("frob", code=2, err_lines=1)
    run("show", code=2, err_lines=1)
    Path(f("junk")).write_bytes(b"x" * 2456)
    Path(f("huge.json")).write_bytes(b" " * ((1 << 20) + 1))
    for bad in ["junk", "missing"]:
        run("show", f(bad), code=2, err_lines=1)
        run("import", f(bad), f("never.db"), code=2, err_lines=1, err=f(bad) + ": ")
    run("import", f("huge.json"), f("never.db"), code=2, err="too large")
    run("import", a.fixture, f("no/such/folder.db"), code=2, err="cannot write")
    run("show", a.scratch, code=2, err_lines=1)
    run("show", f("missing"), code=2, err="cannot open the file: ")  # the system's reason

    # A write that cannot be made leaves what was there as it was, and nothing beside it;
    # a link stays a link. Devices, file-size limits and /dev/full only natively.
    # Made afresh: a faulty build may have left files in their place.
    for name in ["folder.db", "to-folder.svg", "to-new.svg", "new.svg"]:
        if os.path.islink(f(name)) or os.path.isfile(f(name)):
            os.unlink(f(name))
    os.makedirs(f("folder.db"), exist_ok=True)
    os.symlink("folder.db", f("to-folder.svg"))
    os.symlink("new.svg", f("to-new.svg"))
    Path(f("kept.db")).unlink(missing_ok=True)  # read-only after a run not as root
    Path(f("kept.db")).write_bytes(b"the previous file")
    native = not a.emulator and os.name == "posix"
    bad_writes = [("folder.db", None), ("to-folder.svg", None)]
    if native:  # over the previous file, under a file-size limit
        bad_writes.append(("kept.db", lambda: resource.setrlimit(resource.RLIMIT_FSIZE,
                                                                 (1024, 1024))))
    if native and os.geteuid() == 0:  # a device node of its own: /dev/full
        if os.path.lexists(f("device")) and not stat.S_ISCHR(os.lstat(f("device")).st_mode):
            os.unlink(f("device"))
        if not os.path.lexists(f("device")):
            os.mknod(f("device"), 0o600 | stat.S_IFCHR, os.makedev(1, 7))
        bad_writes.append(("device", None))
    for name, limit in bad_writes:
        kind = lambda: os.path.lexists(f(name)) and (lambda s: (s.st_mode, s.st_ino, s.st_size))(
            os.lstat(f(name)))
        before = kind()
        run("import", a.fixture, f(name), code=2, err_lines=1, err="cannot write the file: ",
            limit=limit)
        if kind() != before:
            faults.append(f"import to {name}: a failed write changed or removed it")
    if native and os.geteuid() != 0:  # a file its owner made read-only
        os.chmod(f("kept.db"), 0o444)
        run("import", a.fixture, f("kept.db"), code=2, err="cannot replace the file: ")
    if not os.path.isfile(f("kept.db")) or Path(f("kept.db")).read_bytes() != b"the previous file":
        faults.append("import: a failed write changed the previous file")
    left = [n for n in os.listdir(a.scratch) if n.startswith(".") or ".~" in n]
    if left:
        faults.append(f"import: a failed write left {left}")

    run("import", a.fixture, f("a.db"), code=0)
    run("import", a.fixture, f("a.rec"), "--record", code=0)
    exported = run("export", f("a.db"), code=0)
    Path(f("x.json")).write_text(exported, encoding="utf-8")
    run("import", f("x.json"), f("b.db"), code=0)
    if Path(f("a.db")).read_bytes() != Path(f("b.db")).read_bytes():
        faults.append("export then import did not give the same database")
    run("diff", f("a.db"), f("a.rec"), code=0)
    run("check", f("a.db"), code=0)
    run("check", f("a.db"), "--min-oven-temp", "160", code=1,
        out="Oven row 1: Temperature 100 °C, allowed 160 to 450\n")
    run("check", f("a.db"), "--min-oven-temp", code=2, err_lines=1)
    run("show", f("a.rec"), code=0, out="ULVO right channel: Pressure, pressure ramp in use")

    method = json.loads(exported)
    method["zones"]["zone2Temp"] = "451"
    Path(f("c.json")).write_text(json.dumps(method), encoding="utf-8")
    run("import", f("c.json"), f("c.db"), code=0)
    run("diff", f("a.db"), f("c.db"), code=1, out="Zone 2 temperature: 0 °C → 451 °C\n")
    run("check", f("c.db"), code=1, out="Zones: Zone 2 Temperature 451 °C, allowed 0 to 450\n")

    # A database of two records, laid out as the record-database format says.
    record = lambda name: Path(f(name)).read_bytes()[28:28 + 2456]
    Path(f("two.db")).write_bytes(database(record("a.db"), record("c.db")))
    if Path(f("a.db")).read_bytes() != database(record("a.db")):
        faults.append("check_cli.py: its database layout is not the tool's")
    run("show", f("two.db"), "--record", "2", code=0,
        out="two.db: method database holding 2 records, record 2\n")
    run("show", f("two.db"), "--record", "3", code=2, err_lines=1,
        err="holding 2 records, no record 3")
    if run("export", f("two.db"), "--record", "2", code=0) != run("export", f("c.db"), code=0):
        faults.append("export --record 2 is not the second record's method")

    # Many files, and the documents for scripts.
    run("check", f("a.db"), f("c.db"), f("missing"), code=2, err_lines=1,
        out=f("a.db") + ": passes every check of the editor\n" + f("c.db") + ": Zones: Zone 2 "
        "Temperature 451 °C, allowed 0 to 450\n3 files: 1 passed, 1 failed, 1 could not be read\n")
    if run("check", "--quiet", f("a.db"), f("a.db"), code=0) != "":
        faults.append("check --quiet: output for files that pass")
    documents = [("show", [f("c.db")], 0), ("check", [f("a.db"), f("c.db")], 1),
                 ("diff", [f("a.db"), f("c.db")], 1)]
    try:
        shown, checked, compared = [json.loads(run(verb, *files, "--json", code=code))
                                    for verb, files, code in documents]
        if shown["method"] != method or shown["records"] != 1:
            faults.append(f"show --json: {shown}")
        if [len(x["findings"]) for x in checked["files"]] != [0, 1] or checked["failed"] != 1:
            faults.append(f"check --json: {checked}")
        if [(c["field"], c["old"], c["new"]) for c in compared["changes"]] != [
                ("/zones/zone2Temp", "0", "451")]:
            faults.append(f"diff --json: {compared}")
    except (json.JSONDecodeError, KeyError, TypeError) as e:
        faults.append(f"--json: {e!r}")

    run("plot", f("a.db"), f("a.svg"), code=0)
    run("plot", f("a.db"), f("to-new.svg"), code=0)
    if native and (not os.path.islink(f("to-new.svg")) or not os.path.isfile(f("new.svg"))):
        faults.append("plot through a link to a new file did not keep the link")
    if native:
        with open("/dev/full", "w") as full:
            run("export", f("a.db"), code=2, err="cannot write to standard output: ", stdout=full)
    try:
        root = ET.parse(f("a.svg")).getroot()
        ramps = [p for p in root.iter(SVG + "path") if p.get("class") == "ramp"]
        texts = [t.text for t in root.iter(SVG + "text")]
        if len(ramps) != 3 or not all(p.get("d", "").startswith("M") for p in ramps):
            faults.append(f"plot: {len(ramps)} ramp paths, not the oven and two ULVO ramps")
        # Each panel's ramp stays inside the box of its own axes.
        for panel in root.iter(SVG + "g"):
            axis = panel.find(SVG + "line")
            top, bottom = float(axis.get("y1")), float(axis.get("y2"))
            d = panel.find(SVG + "path").get("d").replace("M", "").replace("L", "").split()
            if not all(90 <= float(x) <= 740 and top <= float(y) <= bottom
                       for x, y in zip(d[::2], d[1::2])):
                faults.append(f"plot: a ramp leaves its panel ({top}..{bottom}): {d}")
        for label in ["Time (min)", "Oven (°C)", "ULVO left flow (ml/min)", "ULVO right pressure (kPa)"]:
            if label not in texts:
                faults.append(f"plot: no label {label!r}")
    except ET.ParseError as e:
        faults.append(f"plot: not XML: {e}")

    # The review page: well-formed, self-contained, the record's hash, the refused value
    # marked and the plot inline.
    run("report", f("two.db"), f("c.html"), "--record", "2", code=0)
    try:
        page = Path(f("c.html")).read_text(encoding="utf-8")
        html = ET.fromstring(page)
        marked = [e.text for e in html.iter() if e.get("class") == "refused"]
        if marked != ["451 °C \u2717", "Zones: Zone 2 Temperature 451 °C, allowed 0 to 450"]:
            faults.append(f"report: marked {marked}")
        if (hashlib.sha256(record("c.db")).hexdigest() not in page or len(list(
                html.iter(SVG + "path"))) != 3 or any(e.get("src") or e.get("href") or
                                                      e.tag == "script" for e in html.iter())):
            faults.append("report: no record hash or plot, or something fetched or run")
    except (OSError, ET.ParseError) as e:
        faults.append(f"report: {e}")
    if a.browser:
        faults += printed_faults(a.browser, f("c.html"), f("c.pdf"))

    # A Linux file name need not be UTF-8: the SVG and the JSON still parse, U+FFFD in its
    # place. Windows names are UTF-16, always convertible.
    if native:
        odd = f(os.fsdecode(b"\xff<&\x01.db"))
        Path(odd).write_bytes(Path(f("a.db")).read_bytes())
        run("plot", odd, f("odd.svg"), code=0)
        try:
            title = [t.text for t in ET.parse(f("odd.svg")).getroot().iter(SVG + "text")][0]
            if not title.endswith("\ufffd<&\ufffd.db"):
                faults.append(f"plot: title {title!r}")
            if json.loads(run("show", odd, "--json", code=0))["file"] != odd.replace(
                    "\udcff", "\ufffd").replace("\x01", "\u0001"):
                faults.append("show --json: the odd name is not as it was given")
        except (ET.ParseError, json.JSONDecodeError, IndexError) as e:
            faults.append(f"plot or show --json of an odd name: {e!r}")

    for fault in faults:
        print(fault)
    print(f"tovrex-method: {'ok' if not faults else f'{len(faults)} fault(s)'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
