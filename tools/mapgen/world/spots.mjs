// Where the pieces of a map may stand on its land: boxes clear of land, the
// shortest leader line from a box to a country, and the nearest free spots.
import { nearestOnBox } from "./geom.mjs";
import { LIMITS } from "./placement.mjs";
import { GREY, SEA, summedArea } from "./raster.mjs";

// What a pixel of leader line over grey land, or over another quizzed
// country, costs beyond its length: lines over the sea, or over their own
// country, are the easiest to follow. A line over more than MOST_GREY
// pixels of grey land (out of the map's continent and back) is not drawn at
// all, nor is one longer than the map's limit: it costs UNDRAWN.
const OVER_GREY = 2, OVER_LAND = 4, MOST_GREY = 40;
export const UNDRAWN = 1e6;

// A copy of the grid with the insets' frames, and 2 px round them, taken.
function withFrames(grid, insets, taken) {
  const out = { w: grid.w, h: grid.h, label: grid.label.slice() };
  for (const { frame: f } of insets) {
    for (let y = Math.max(0, f.y - 2); y < Math.min(grid.h, f.y + f.h + 2); y++) {
      out.label.fill(taken, y * grid.w + Math.max(0, f.x - 2), y * grid.w + Math.min(grid.w, f.x + f.w + 2));
    }
  }
  return out;
}

// Summed-area tables of the land, and of where a
// box (on land) or a name outside its country (on a quizzed country) may
// not stand: an inset's sea belongs to the inset, so neither stands in it.
// A country shown in an inset may have its box, or its name outside it, in
// that inset's sea; the tables for each set of insets are made once.
export function landTables(grid, insets = []) {
  const made = new Map();
  const tables = (open) => {
    const key = open.join(" ");
    if (!made.has(key)) {
      const framed = withFrames(grid, insets.filter((v) => !open.includes(v.id)), 255);
      made.set(key, { noBox: summedArea(framed, (l) => l !== SEA), noName: summedArea(framed, (l) => l > 1) });
    }
    return made.get(key);
  };
  return {
    grid,
    insets,
    land: summedArea(grid, (l) => l !== SEA),
    noBox: tables([]).noBox,
    free: (c) => tables(c.zoomed.map((z) => z.id).sort()),
  };
}

export const inPicture = (grid, b) => b.x >= 0 && b.y >= 0 && b.x + b.w <= grid.w && b.y + b.h <= grid.h;

// How many pixels of quizzed countries other than the given label's a box
// covers (Infinity for a box not wholly in the picture).
export function otherLand(grid, b, label) {
  if (!inPicture(grid, b)) return Infinity;
  let n = 0;
  for (let y = b.y; y < b.y + b.h; y++) {
    for (let x = b.x; x < b.x + b.w; x++) {
      const l = grid.label[y * grid.w + x];
      if (l > 1 && l !== label) n++;
    }
  }
  return n;
}

// The shortest line from a box to one of a country's anchor points: the
// first end is inside the country.
export function leaderLine(b, anchors) {
  let best = null;
  for (const a of anchors) {
    const p = nearestOnBox(b, a);
    const d = Math.hypot(p[0] - a[0], p[1] - a[1]);
    if (!best || d < best.length) best = { seg: [a, p], length: d };
  }
  return best;
}

// What a leader line costs, in pixels: its length, more for a long one
// (one line across half the map is worse than several short ones), and
// more for each pixel it runs over grey land or another country.
export function lineCost(grid, [[x0, y0], [x1, y1]], own) {
  const length = Math.hypot(x1 - x0, y1 - y0);
  let grey = 0, land = 0;
  for (let k = 0, n = Math.ceil(length); k < n; k++) {
    const x = Math.floor(x0 + ((x1 - x0) * (k + 0.5)) / n), y = Math.floor(y0 + ((y1 - y0) * (k + 0.5)) / n);
    const l = grid.label[y * grid.w + x];
    if (l === GREY) grey++; else if (l > GREY && l !== own) land++;
  }
  if (grey > MOST_GREY || length > LIMITS.line) return UNDRAWN;
  return length + (length * length) / 200 + grey * OVER_GREY + land * OVER_LAND;
}

// Keeps the items (in order) that stand at least `d` px from every item
// kept before them, up to `most`.
export function spread(items, d, most, at = (o) => o.box) {
  const kept = [];
  for (const it of items) {
    if (kept.length >= most) break;
    const a = at(it);
    if (kept.every((k) => Math.max(Math.abs(at(k).x - a.x), Math.abs(at(k).y - a.y)) >= d)) kept.push(it);
  }
  return kept;
}

// Spots for a box of `size` whose count in a summed-area table within
// `clear` pixels is zero: the nearest to the country by its distance field,
// at least `apart` px from each other, up to `most`; each with its leader
// line, shortest first.
export function nearestSpots(grid, field, size, sum, clear, anchors, apart, most) {
  const { w, h } = grid;
  const list = [];
  const at = (x, y) => field[Math.min(h - 1, y) * w + Math.min(w - 1, x)];
  for (let y = 0; y + size.h <= h; y += 2) {
    for (let x = 0; x + size.w <= w; x += 2) {
      if (sum(x - clear, y - clear, size.w + 2 * clear, size.h + 2 * clear)) continue;
      const x1 = x + size.w, y1 = y + size.h, xm = x + (size.w >> 1), ym = y + (size.h >> 1);
      const near = Math.min(at(x, y), at(x1, y), at(x, y1), at(x1, y1), at(xm, y), at(xm, y1), at(x, ym), at(x1, ym));
      list.push({ box: { x, y, w: size.w, h: size.h }, near });
    }
  }
  list.sort((a, b) => a.near - b.near || a.box.y - b.box.y || a.box.x - b.box.x);
  return spread(list, apart, most).map(({ box }) => ({ box, ...leaderLine(box, anchors) }))
    .sort((a, b) => a.length - b.length || a.box.y - b.box.y || a.box.x - b.box.x);
}
