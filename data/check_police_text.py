"""Checks the police game's text: about a hundred lines of plain ASCII prose, each long enough to
fill the game's four typing lines of 54 characters (216) and at most 240, no blank line, every
line ended by CR LF, and the whole file within the 32767 bytes the game can address.

usage: check_police_text.py FILE    (exit status 0 when every rule holds)"""

import sys

LINE_MIN, LINE_MAX = 216, 240
LINES_MIN, LINES_MAX = 90, 110
FILE_MAX = 32767


def problems(data):
    found = []
    if len(data) >= FILE_MAX:
        found.append(f"{len(data)} bytes, the game reads at most {FILE_MAX - 1}")
    if not data.endswith(b"\r\n"):
        found.append("the last line has no CR LF")
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    if not LINES_MIN <= len(lines) <= LINES_MAX:
        found.append(f"{len(lines)} lines, wanted {LINES_MIN} to {LINES_MAX}")
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            found.append(f"line {number}: a lone CR or LF")
        if any(b < 32 or b > 126 for b in line):
            found.append(f"line {number}: a character other than printable ASCII")
        if not LINE_MIN <= len(line) <= LINE_MAX:
            found.append(f"line {number}: {len(line)} characters, wanted {LINE_MIN} to {LINE_MAX}")
        if line != line.strip() or b"  " in line:
            found.append(f"line {number}: spaces at an end or doubled")
        # The first obstacle stands among characters 33 to 54: they must not all be spaces.
        if not line[32:54].strip():
            found.append(f"line {number}: no letter among characters 33 to 54")
    return found


def main(path):
    with open(path, "rb") as f:
        found = problems(f.read())
    for p in found:
        print(f"{path}: {p}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
