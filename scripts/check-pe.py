#!/usr/bin/env python3
"""Checks a built Windows program or library at build time: that it is a PE of the build's
architecture (PE32 for x86, PE32+ for x64) and, for a library, that its exports stand
undecorated at their ordinals and that its shared data section is shared.

check-pe.py --objdump OBJDUMP --arch x86|x64 [--exports "Name bytes ordinal,..."]
            [--shared-section NAME] FILE
"""
import argparse
import re
import subprocess
import sys


def fail(path, text):
    print(f"check-pe: {path}: {text}", file=sys.stderr)
    sys.exit(1)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--objdump", required=True)
    ap.add_argument("--arch", required=True, choices=["x86", "x64"])
    ap.add_argument("--exports", default="")
    ap.add_argument("--shared-section", default="")
    ap.add_argument("file")
    a = ap.parse_args()

    headers = subprocess.run([a.objdump, "-p", "-h", a.file], check=True,
                             capture_output=True, text=True).stdout
    want_magic = "010b" if a.arch == "x86" else "020b"
    m = re.search(r"^Magic\s+([0-9a-f]{4})", headers, re.M)
    if not m or m.group(1) != want_magic:
        fail(a.file, f"not a {'PE32' if a.arch == 'x86' else 'PE32+'} file (magic {m and m.group(1)})")

    if a.exports:
        # "[Ordinal/Name Pointer] Table" rows, as binutils writes them for PE32
        # ("[   0] +base[   1] 0000 ClearWinHooks") and for PE32+ ("[   0] ClearWinHooks",
        # the index counted from the ordinal base).
        base = re.search(r"^Ordinal Base\s+(\d+)", headers, re.M)
        base = int(base.group(1)) if base else 1
        part = headers.split("[Ordinal/Name Pointer] Table", 1)
        part = part[1].split("\n\n", 1)[0] if len(part) == 2 else ""
        table = {}
        for row in re.finditer(r"^\s*\[\s*(\d+)\]\s+(?:\+base\[\s*(\d+)\]\s+[0-9a-f]+\s+)?(\S+)\s*$",
                               part, re.M):
            ordinal = int(row.group(2)) if row.group(2) else int(row.group(1)) + base
            table[row.group(3)] = ordinal
        want = {}
        for entry in a.exports.split(","):
            name, _bytes, ordinal = entry.split()
            want[name] = int(ordinal)
        if table != want:
            fail(a.file, f"exports {sorted(table.items())} differ from {sorted(want.items())}")

    if a.shared_section:
        sect = re.search(r"^\s*\d+\s+" + re.escape(a.shared_section) + r"\s.*\n(.*)$",
                         headers, re.M)
        if not sect:
            fail(a.file, f"no section {a.shared_section}")
        if "SHARED" not in sect.group(1):
            fail(a.file, f"section {a.shared_section} is not shared ({sect.group(1).strip()})")


if __name__ == "__main__":
    main()
