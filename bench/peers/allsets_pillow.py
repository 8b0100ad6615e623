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
    kind, path, w, h, last = line.split()
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
    elif kind == "onfill":
        # A picture of the given size in the middle of a canvas of the fill.
        canvas = Image.new("RGB", (w, h), fill)
        iw, ih = (int(s) for s in last.split(","))
        inner = scaled(iw, ih)
        canvas.paste(inner, ((w - iw) // 2, (h - ih) // 2), inner)
        canvas.save(path, format="PNG")
    elif kind == "ico":
        sides = [int(s) for s in last.split(",")]
        frames = [scaled(s, s) for s in sides]
        frames[-1].save(path, format="ICO", sizes=[(s, s) for s in sides], append_images=frames[:-1], bitmap_format="bmp")
    elif kind == "icns":
        # Elements as type:side; a side that two elements share is encoded once.
        body, encoded = b"", {}
        for element in last.split(","):
            element_type, side = element.split(":")
            side = int(side)
            if side not in encoded:
                data = io.BytesIO(); scaled(side, side).save(data, format="PNG")
                encoded[side] = data.getvalue()
            body += element_type.encode("latin-1") + struct.pack(">I", len(encoded[side]) + 8) + encoded[side]
        open(path, "wb").write(b"icns" + struct.pack(">I", len(body) + 8) + body)
