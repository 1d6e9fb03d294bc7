// The drop targets as rectangles: each country's own pixels, and the
// squares of its ring or box, cut into row runs and joined down the rows.
import { GREY, coreOfLabels } from "./raster.mjs";

// The grid of drop targets: the quizzed countries' pixels and their rings'
// and boxes' squares; the sea and grey land take no drop.
export function targetGrid(grid, countries, placed) {
  const label = grid.label.map((l) => (l === GREY ? 0 : l));
  for (const c of countries) {
    const mark = placed.get(c.code);
    for (const { x, y, w, h } of [mark?.square, ...(mark?.groups ?? [])].filter(Boolean)) {
      for (let r = y; r < y + h; r++) label.fill(c.label, r * grid.w + x, r * grid.w + x + w);
    }
  }
  return { w: grid.w, h: grid.h, label };
}

// Rectangles {label, x, y, w, h}: runs of one label along each row, a run
// joined to the rectangle above it when that ends with the same run.
export function rectangles(target) {
  const { w, h, label } = target;
  const open = new Map(), done = [];
  for (let y = 0; y <= h; y++) {
    const seen = new Set();
    for (let x = 0; y < h && x < w;) {
      const l = label[y * w + x];
      let e = x + 1;
      while (e < w && label[y * w + e] === l) e++;
      if (l) {
        const key = `${x} ${e}`;
        const r = open.get(key);
        if (r && r.label === l) r.h++;
        else { if (r) done.push(r); open.set(key, { label: l, x, y, w: e - x, h: 1 }); }
        seen.add(key);
      }
      x = e;
    }
    for (const [key, r] of open) if (!seen.has(key)) { done.push(r); open.delete(key); }
  }
  return done.sort((a, b) => a.label - b.label || a.y - b.y || a.x - b.x);
}

// Of each country's core (its pixels less a 2 px rim), the share its own
// rectangles cover; a country with no core counts as covered.
export function coverage(grid, rects, labels) {
  const core = coreOfLabels(grid);
  const own = new Array(labels).fill(0), hit = new Array(labels).fill(0);
  for (let i = 0; i < core.length; i++) if (core[i] && grid.label[i] > GREY) own[grid.label[i]]++;
  for (const r of rects) {
    for (let y = r.y; y < r.y + r.h; y++) {
      for (let x = r.x; x < r.x + r.w; x++) {
        const i = y * grid.w + x;
        if (core[i] && grid.label[i] === r.label) hit[r.label]++;
      }
    }
  }
  return own.map((n, l) => (n ? hit[l] / n : 1));
}
