#!/usr/bin/env python3
"""Every code block of the guide must be a sample that make test runs.

A ```vbscript block of docs/guide.md passes when its lines appear, in order
and together, in one of samples/*.vbs; a ```csharp block likewise in one of
samples/*.cs, where the sample may indent the whole block further (it sits
inside a class or a method there). Prints the blocks that do not and exits 1.
"""
import pathlib
import re
import sys
import textwrap

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
guide = (root / "docs" / "guide.md").read_text(encoding="utf-8")


def read_samples(pattern):
    return {p.name: p.read_text(encoding="utf-8").replace("\r\n", "\n") for p in sorted((root / "samples").glob(pattern))}


def indented_in(block, text):
    """Whether the lines of `block` appear together in `text`, all shifted by one indentation."""
    want = textwrap.dedent(block).rstrip("\n").split("\n")
    lines = text.split("\n")
    for start in range(len(lines) - len(want) + 1):
        first = lines[start]
        indent = first[: len(first) - len(first.lstrip())]
        # A blank line of the block matches a blank (or whitespace) line.
        if all(lines[start + i] == indent + w if w else not lines[start + i].strip() for i, w in enumerate(want)):
            return True
    return False


checks = {
    "vbscript": (read_samples("*.vbs"), lambda body, text: body in text),
    "csharp": (read_samples("*.cs"), indented_in),
}
blocks = re.findall(r"^```(\w*)\n(.*?)^```", guide, flags=re.S | re.M)
missing = 0
for language, body in blocks:
    if language not in checks:
        continue
    samples, contains = checks[language]
    if not any(contains(body, text) for text in samples.values()):
        missing += 1
        print(f"not in any {language} sample:\n" + body)
untagged = [body for language, body in blocks if language == ""]
for body in untagged:
    missing += 1
    print("a code block without a language (vbscript, csharp, or text for what is not code):\n" + body)
for language, (samples, _) in checks.items():
    checked = sum(1 for lang, _ in blocks if lang == language)
    if checked == 0:
        print(f"the guide has no {language} block")
        missing += 1
    print(f"{checked} {language} blocks checked against {len(samples)} samples")
sys.exit(1 if missing else 0)
