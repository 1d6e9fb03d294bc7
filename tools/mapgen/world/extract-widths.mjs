// Prints world/fontwidths.mjs: the advance widths of the two fonts the quiz
// draws country names in, read once from Debian's fonts-liberation files so
// that the generator measures names the same way on every machine.
//
//   node world/extract-widths.mjs > world/fontwidths.mjs
import { readFileSync } from "node:fs";

const DIR = "/usr/share/fonts/truetype/liberation";
const FONTS = { bold: "LiberationSans-Bold.ttf", narrow: "LiberationSansNarrow-Regular.ttf" };
// Printable ASCII and the Latin-1 letters with accents.
const CHARS = [...range(0x20, 0x7e), ...range(0xc0, 0xff)];

function range(a, b) {
  return Array.from({ length: b - a + 1 }, (_, k) => a + k);
}

function tables(buf) {
  const out = {};
  for (let k = 0, n = buf.readUInt16BE(4); k < n; k++) {
    const at = 12 + 16 * k;
    out[buf.toString("latin1", at, at + 4)] = buf.readUInt32BE(at + 8);
  }
  return out;
}

// The glyph of a character from the Windows Unicode (format 4) cmap.
function glyphFinder(buf, cmap) {
  let sub = -1;
  for (let k = 0, n = buf.readUInt16BE(cmap + 2); k < n; k++) {
    const at = cmap + 4 + 8 * k;
    if (buf.readUInt16BE(at) === 3 && buf.readUInt16BE(at + 2) === 1) sub = cmap + buf.readUInt32BE(at + 4);
  }
  if (sub < 0 || buf.readUInt16BE(sub) !== 4) throw new Error("no format 4 cmap");
  const segs = buf.readUInt16BE(sub + 6) / 2;
  const ends = sub + 14, starts = ends + 2 * segs + 2, deltas = starts + 2 * segs, offsets = deltas + 2 * segs;
  return (c) => {
    for (let s = 0; s < segs; s++) {
      if (buf.readUInt16BE(ends + 2 * s) < c) continue;
      const start = buf.readUInt16BE(starts + 2 * s);
      if (start > c) return 0;
      const ro = buf.readUInt16BE(offsets + 2 * s);
      const delta = buf.readUInt16BE(deltas + 2 * s);
      if (!ro) return (c + delta) & 0xffff;
      const g = buf.readUInt16BE(offsets + 2 * s + ro + 2 * (c - start));
      return g ? (g + delta) & 0xffff : 0;
    }
    return 0;
  };
}

function widths(file) {
  const buf = readFileSync(`${DIR}/${file}`);
  const t = tables(buf);
  const unitsPerEm = buf.readUInt16BE(t.head + 18);
  const metrics = buf.readUInt16BE(t.hhea + 34);
  const glyph = glyphFinder(buf, t.cmap);
  const advance = (g) => buf.readUInt16BE(t.hmtx + 4 * Math.min(g, metrics - 1));
  return { unitsPerEm, advances: Object.fromEntries(CHARS.map((c) => [String.fromCharCode(c), advance(glyph(c))])) };
}

const lines = [
  "// Advance widths (font units) of Liberation Sans Bold and Liberation Sans",
  "// Narrow Regular, as Debian's fonts-liberation 1:1.07.4 ships them under",
  `// ${DIR}; written by world/extract-widths.mjs, do not edit.`,
  "// The quiz draws panel names in the bold face at 15 px and placed names in",
  "// the narrow face at 11 px (the same widths as Arial and Arial Narrow).",
];
for (const [key, file] of Object.entries(FONTS)) {
  const { unitsPerEm, advances } = widths(file);
  lines.push(`export const ${key} = {`, `  unitsPerEm: ${unitsPerEm},`, "  advances: {");
  const entries = Object.entries(advances).map(([ch, w]) => `${JSON.stringify(ch)}: ${w}`);
  for (let k = 0; k < entries.length; k += 8) lines.push(`    ${entries.slice(k, k + 8).join(", ")},`);
  lines.push("  },", "};");
}
console.log(lines.join("\n"));
