#!/usr/bin/env python3
"""Every code block of the guide must be a sample that make test runs.

A ```vbscript block of docs/guide.md passes when its lines appear, in order
and together, in one of samples/*.vbs. Prints the blocks that do not and
exits 1.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
guide = (root / "docs" / "guide.md").read_text(encoding="utf-8")
samples = {p.name: p.read_text(encoding="utf-8").replace("\r\n", "\n") for p in sorted((root / "samples").glob("*.vbs"))}

blocks = re.findall(r"^```(\w*)\n(.*?)^```", guide, flags=re.S | re.M)
missing = 0
for language, body in blocks:
    if language != "vbscript":
        continue
    if not any(body in text for text in samples.values()):
        missing += 1
        print("not in any sample:\n" + body)
checked = sum(1 for language, _ in blocks if language == "vbscript")
untagged = [body for language, body in blocks if language == ""]
for body in untagged:
    missing += 1
    print("a code block without a language (vbscript, or text for what is not code):\n" + body)
if checked == 0:
    print("the guide has no vbscript block")
    missing += 1
print(f"{checked} vbscript blocks checked against {len(samples)} samples")
sys.exit(1 if missing else 0)
