# The all-sets benchmark's Pillow peer (bench_allsets.cpp); arguments: source,
# output folder, manifest, fill colour. Box filter as Qt scales; Pillow
# compresses at zlib level 6 already. The .ico has 32-bit bitmap entries; the
# .icns is put together here from PNGs.
import io, struct, sys
from PIL import Image
source, out, manifest, fill = sys.argv[1:5]
picture = Image.open(source); picture.load(); picture = picture.convert("RGBA")
fill = tuple(int(fill[i:i + 2], 16) for i in (1, 3, 5))
cache = {}
def scaled(w, h):
    if (w, h) not in cache:
        cache[(w, h)] = picture.resize((w, h), Image.Resampling.BOX)
    return cache[(w, h)]
for line in open(manifest):
    kind, path, w, h, entries = line.split()
    w, h, path = int(w), int(h), out + "/" + path
    if kind == "fit":
        scaled(w, h).save(path, format="PNG")
    elif kind == "copy":
        picture.save(path, format="PNG")
    elif kind == "launch":
        canvas = Image.new("RGB", (w, h), fill)
        big, small = max(w, h), min(w, h)
        cover = scaled(big, big)
        canvas.paste(cover, ((w - big) // 2, (h - big) // 2), cover)
        overlay = scaled(small, small)
        canvas.paste(overlay, ((w - small) // 2, (h - small) // 2), overlay)
        canvas.save(path, format="PNG")
    elif kind == "ico":
        sides = [int(s) for s in entries.split(",")]
        frames = [scaled(s, s) for s in sides]
        frames[-1].save(path, format="ICO", sizes=[(s, s) for s in sides], append_images=frames[:-1], bitmap_format="bmp")
    elif kind == "icns":
        types = {16: b"icp4", 32: b"icp5", 64: b"icp6", 128: b"ic07", 256: b"ic08", 512: b"ic09", 1024: b"ic10"}
        body = b""
        for s in (int(s) for s in entries.split(",")):
            data = io.BytesIO(); scaled(s, s).save(data, format="PNG")
            body += types[s] + struct.pack(">I", len(data.getvalue()) + 8) + data.getvalue()
        open(path, "wb").write(b"icns" + struct.pack(">I", len(body) + 8) + body)
