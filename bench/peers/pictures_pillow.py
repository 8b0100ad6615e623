# The picture benchmark's Pillow peer (bench_pictures.cpp). Arguments: source,
# output folder, "same" or "native" settings, icon sizes joined by commas, the
# fill as r,g,b, then path, width and height of every launch image.
import sys
from PIL import Image

source, out, settings, icon_sizes, fill = sys.argv[1:6]
rest = sys.argv[6:]
same = settings == "same"
resample = Image.Resampling.BOX if same else Image.Resampling.BICUBIC
fill = tuple(int(c) for c in fill.split(","))

picture = Image.open(source)
picture.load()
if picture.mode != "RGBA":
    picture = picture.convert("RGBA")

sizes = [(int(s), int(s)) for s in icon_sizes.split(",")]
icon_path = out + "/windows/app.ico"
if same:
    frames = [picture.resize(size, resample) for size in sizes]
    frames[-1].save(icon_path, format="ICO", sizes=sizes, append_images=frames[:-1], bitmap_format="bmp")
else:
    picture.save(icon_path, format="ICO", sizes=sizes, bitmap_format="bmp")

icons = {}
for i in range(0, len(rest), 3):
    path, width, height = out + "/" + rest[i], int(rest[i + 1]), int(rest[i + 2])
    side = min(width, height) // 3
    icon = icons.get(side)
    if icon is None:
        icon = icons[side] = picture.resize((side, side), resample)
    canvas = Image.new("RGB", (width, height), fill)
    canvas.paste(icon, ((width - side) // 2, (height - side) // 2), icon)
    canvas.save(path, format="PNG")
