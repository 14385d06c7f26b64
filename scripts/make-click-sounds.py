#!/usr/bin/env python3
"""Writes the two built-in click sounds as 16-bit mono PCM WAVE files:
resources/click1.wav (44,100 Hz, about 0.12 s) and resources/click2.wav
(22,050 Hz, about 0.07 s). Each is a short decaying tone burst."""
import math, struct, sys

def click(path, rate, seconds, pitch, decay):
    n = int(rate * seconds)
    frames = bytearray()
    for i in range(n):
        t = i / rate
        envelope = math.exp(-t * decay)
        sample = envelope * (0.7 * math.sin(2 * math.pi * pitch * t) + 0.3 * math.sin(2 * math.pi * pitch * 2.7 * t))
        frames += struct.pack("<h", int(max(-1.0, min(1.0, sample)) * 20000))
    header = b"RIFF" + struct.pack("<I", 36 + len(frames)) + b"WAVE"
    fmt = b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16)
    data = b"data" + struct.pack("<I", len(frames)) + bytes(frames)
    open(path, "wb").write(header + fmt + data)

folder = sys.argv[1] if len(sys.argv) > 1 else "resources"
click(folder + "/click1.wav", 44100, 0.12, 1800, 45)
click(folder + "/click2.wav", 22050, 0.07, 2600, 70)
