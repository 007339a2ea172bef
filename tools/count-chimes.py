#!/usr/bin/env python3
# count-chimes.py FILE.wav: counts the sounds heard in a recording of the game's output
# (tools/measure-window.sh records the autoplay chimes of a won game alone).
# A sound starts where the level jumps up: from silence, or, while another sound fades,
# to more than 1.25 times the level of the 10 ms before (a new chime over a fading one). Prints the count and their times.
import struct
import sys
import wave

w = wave.open(sys.argv[1])
frames, channels, rate = w.getnframes(), w.getnchannels(), w.getframerate()
samples = struct.unpack('<%dh' % (frames * channels), w.readframes(frames))[::channels]
step = rate // 200  # 5 ms
level = [max(abs(x) for x in samples[i:i + step]) for i in range(0, len(samples) - step, step)]
starts = []
for i in range(2, len(level)):
    before = max(level[i - 2], 1)
    if level[i] > 1500 and level[i] > 1.25 * before and (not starts or i - starts[-1] > 6):
        starts.append(i)
print('%d sounds heard' % len(starts))
print(' '.join('%.2f' % (i * step / rate) for i in starts))
