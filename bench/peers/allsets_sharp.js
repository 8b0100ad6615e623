// The all-sets benchmark's sharp peer (bench_allsets.cpp); arguments: sharp's
// folder, source, output folder, manifest, fill colour, "1" for one thread and
// one file at a time or "default" for sharp's own threads and all files at
// once. sharp writes neither .ico nor .icns: both are put together here from
// PNG entries.
const [dir, source, out, manifest, fill, mode] = process.argv.slice(2);
const sharp = require(dir + "/node_modules/sharp");
const fs = require("fs");
if (mode === "1") sharp.concurrency(1);
sharp.cache(false);
const cache = new Map();
const srcRaw = sharp(source).ensureAlpha().raw().toBuffer({ resolveWithObject: true });
function scaled(w, h) {
  const key = w + "x" + h;
  if (!cache.has(key))
    cache.set(key, srcRaw.then(({ data, info }) => sharp(data, { raw: info }).resize(w, h, { fit: "fill" }).raw().toBuffer({ resolveWithObject: true })));
  return cache.get(key);
}
const rawInput = ({ data, info }) => sharp(data, { raw: info });
async function png(w, h) { const r = await scaled(w, h); return rawInput(r).png({ compressionLevel: 6 }).toBuffer(); }
async function make(line) {
  const [kind, rel, ws, hs, entries] = line.split(" ");
  const w = +ws, h = +hs, path = out + "/" + rel;
  if (kind === "fit") return rawInput(await scaled(w, h)).png({ compressionLevel: 6 }).toFile(path);
  if (kind === "copy") return rawInput(await srcRaw).png({ compressionLevel: 6 }).toFile(path);
  if (kind === "launch") {
    const big = Math.max(w, h), small = Math.min(w, h);
    const cover = await scaled(big, big);
    const cropped = await rawInput(cover).extract({ left: (big - w) >> 1, top: (big - h) >> 1, width: w, height: h }).raw().toBuffer({ resolveWithObject: true });
    const overlay = await scaled(small, small);
    return sharp({ create: { width: w, height: h, channels: 3, background: fill } })
      .composite([{ input: cropped.data, raw: cropped.info }, { input: overlay.data, raw: overlay.info, gravity: "centre" }])
      .png({ compressionLevel: 6 }).toFile(path);
  }
  if (kind === "onfill") {
    // A picture of the given size in the middle of a canvas of the fill.
    const [iw, ih] = entries.split(",").map(Number);
    const inner = await scaled(iw, ih);
    return sharp({ create: { width: w, height: h, channels: 3, background: fill } })
      .composite([{ input: inner.data, raw: inner.info, left: (w - iw) >> 1, top: (h - ih) >> 1 }])
      .png({ compressionLevel: 6 }).toFile(path);
  }
  // .icns elements come as type:side; a side that two elements share is encoded once.
  const elements = kind === "icns" ? entries.split(",").map((e) => e.split(":")) : [];
  const sides = kind === "text" ? [] : kind === "icns" ? elements.map((e) => +e[1]) : entries.split(",").map(Number);
  const encoded = new Map();
  const datas = [];
  for (const s of sides) {
    if (!encoded.has(s)) encoded.set(s, await png(s, s));
    datas.push(encoded.get(s));
  }
  if (kind === "ico") {
    const head = Buffer.alloc(6 + 16 * sides.length);
    head.writeUInt16LE(1, 2); head.writeUInt16LE(sides.length, 4);
    let offset = head.length;
    sides.forEach((s, i) => {
      const e = 6 + 16 * i;
      head.writeUInt8(s >= 256 ? 0 : s, e); head.writeUInt8(s >= 256 ? 0 : s, e + 1);
      head.writeUInt16LE(1, e + 4); head.writeUInt16LE(32, e + 6);
      head.writeUInt32LE(datas[i].length, e + 8); head.writeUInt32LE(offset, e + 12);
      offset += datas[i].length;
    });
    fs.writeFileSync(path, Buffer.concat([head, ...datas]));
  } else if (kind === "icns") {
    const parts = [];
    elements.forEach(([type], i) => { const h = Buffer.alloc(8); h.write(type, 0, "latin1"); h.writeUInt32BE(datas[i].length + 8, 4); parts.push(h, datas[i]); });
    const body = Buffer.concat(parts), h = Buffer.alloc(8);
    h.write("icns", 0, "latin1"); h.writeUInt32BE(body.length + 8, 4);
    fs.writeFileSync(path, Buffer.concat([h, body]));
  }
}
(async () => {
  const lines = fs.readFileSync(manifest, "utf8").split("\n").filter((l) => l.length);
  if (mode === "1") { for (const l of lines) await make(l); }
  else await Promise.all(lines.map(make));
})().catch((e) => { console.error(e); process.exit(1); });
