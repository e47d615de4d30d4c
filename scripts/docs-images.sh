#!/usr/bin/env bash
# Takes the demo's pictures headless (scripts/demo.sh) and puts them into docs/images/, where the
# guide and the README show them. The demo writes its PNGs uncompressed; here each one's image
# data is deflated again so that the committed pictures stay small (python3 does that).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

env -u DISPLAY SCREENSHOT_DIR="$shots" "$root/scripts/demo.sh" >/dev/null
mkdir -p "$root/docs/images"
python3 - "$shots" "$root/docs/images" <<'PYTHON'
import pathlib, struct, sys, zlib

source, target = map(pathlib.Path, sys.argv[1:])

def chunks(data):
    offset = 8
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        yield kind, data[offset + 8:offset + 8 + length]
        offset += 12 + length

def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

for picture in sorted(source.glob("*.png")):
    data = picture.read_bytes()
    image = b"".join(body for kind, body in chunks(data) if kind == b"IDAT")
    out = data[:8]
    for kind, body in chunks(data):
        if kind == b"IDAT":
            if image is not None:
                out += chunk(b"IDAT", zlib.compress(zlib.decompress(image), 9))
                image = None
        else:
            out += chunk(kind, body)
    (target / picture.name).write_bytes(out)
    print(target / picture.name)
PYTHON
