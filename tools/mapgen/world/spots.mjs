// Where the pieces of a map may stand on its land: boxes clear of land, the
// shortest leader line from a box to a country, and the nearest free spots.
import { nearestOnBox } from "./geom.mjs";
import { GREY, SEA, summedArea } from "./raster.mjs";

// What a pixel of leader line over grey land, or over quizzed land, costs
// beyond its length: lines over the sea are the easiest to follow. A line
// over more than MOST_GREY pixels of grey land (out of the map's continent
// and back) is not drawn at all: it costs UNDRAWN.
const OVER_GREY = 2, OVER_LAND = 0.5, MOST_GREY = 40;
export const UNDRAWN = 1e6;

export function landTables(grid) {
  return {
    grid,
    land: summedArea(grid, (l) => l !== SEA),
    quizzed: summedArea(grid, (l) => l > 1),
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
// more for each pixel it runs over land outside the map's countries.
export function lineCost(grid, [[x0, y0], [x1, y1]]) {
  const length = Math.hypot(x1 - x0, y1 - y0);
  let grey = 0, land = 0;
  for (let k = 0, n = Math.ceil(length); k < n; k++) {
    const x = Math.floor(x0 + ((x1 - x0) * (k + 0.5)) / n), y = Math.floor(y0 + ((y1 - y0) * (k + 0.5)) / n);
    const l = grid.label[y * grid.w + x];
    if (l === GREY) grey++; else if (l > GREY) land++;
  }
  if (grey > MOST_GREY) return UNDRAWN;
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
