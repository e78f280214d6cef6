#!/usr/bin/env bash
# Writes the seed files of the wav and mp3 fuzz targets (python3 and the lame encoder).
set -euo pipefail
cd "$(dirname "$0")/corpus"
mkdir -p wav mp3
python3 - <<'PY'
import math, struct

def fmt(bits, channels, rate, extra=None):
    align = bits // 8 * channels
    record = struct.pack('<HHIIHH', 1, channels, rate, rate * align, align, bits)
    if extra is not None:
        record += struct.pack('<H', extra)
    return b'fmt ' + struct.pack('<I', len(record)) + record

def wav(chunks):
    body = b'WAVE' + b''.join(chunks)
    return b'RIFF' + struct.pack('<I', len(body)) + body

def data(samples):
    raw = b''.join(struct.pack('<h', s) for s in samples)
    return b'data' + struct.pack('<I', len(raw)) + raw

tone = [int(9000 * math.sin(i / 5)) for i in range(400)]
seeds = {
    'canonical.wav': wav([fmt(16, 1, 8000), data(tone)]),
    'recorded.wav': wav([fmt(16, 1, 8000, 0), data(tone)]),
    'list_chunk.wav': wav([fmt(16, 2, 22050), b'LIST' + struct.pack('<I', 4) + b'INFO', data(tone[:100])]),
    'eight_bit.wav': wav([fmt(8, 1, 8000), b'data' + struct.pack('<I', 64) + bytes(range(64, 128))]),
    'long_size.wav': wav([fmt(16, 1, 8000), b'data' + struct.pack('<I', 0x7fffffff) + b'\x10\x27' * 20]),
    'silent.wav': wav([fmt(16, 1, 16000), data([0] * 50)]),
}
for name, bytes_ in seeds.items():
    open('wav/' + name, 'wb').write(bytes_)
open('/tmp/tessalyne_seed_tone.wav', 'wb').write(
    wav([fmt(16, 1, 8000), data([int(12000 * math.sin(i / 3)) for i in range(1600)])]))
PY
lame --quiet -b 8 /tmp/tessalyne_seed_tone.wav mp3/tone_8k.mp3
lame --quiet -b 16 --resample 16 -m m --noreplaygain /tmp/tessalyne_seed_tone.wav mp3/tone_16k.mp3
lame --quiet -b 32 --resample 22.05 --tt "seed" /tmp/tessalyne_seed_tone.wav mp3/tone_id3.mp3
head -c 200 mp3/tone_8k.mp3 > mp3/truncated.mp3
rm -f /tmp/tessalyne_seed_tone.wav
