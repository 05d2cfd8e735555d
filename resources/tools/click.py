#!/usr/bin/env python3
"""Writes the click that a key press sounds: a short, quiet tick as a 16-bit mono .wav.

The tick is a tone that dies away within a few milliseconds, like the snap of a light switch; its peak is a
quarter of full scale, so that it stays quiet beside the system's own sounds.
"""
import math
import struct
import sys

RATE = 22050
LENGTH = 0.025  # seconds
TONE = 2400.0  # hertz
DECAY = 0.004  # seconds for the tone to fall to 1/e
ATTACK = 0.0005  # seconds to rise, so that the start does not pop
PEAK = 0.25


def samples():
    for n in range(int(RATE * LENGTH)):
        t = n / RATE
        envelope = min(1.0, t / ATTACK) * math.exp(-t / DECAY)
        yield round(32767 * PEAK * envelope * math.sin(2 * math.pi * TONE * t))


def wav(data):
    fmt = struct.pack('<HHIIHH', 1, 1, RATE, RATE * 2, 2, 16)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(data)) + data
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: click.py OUTPUT.wav')
    data = b''.join(struct.pack('<h', s) for s in samples())
    with open(sys.argv[1], 'wb') as out:
        out.write(wav(data))


if __name__ == '__main__':
    main()
