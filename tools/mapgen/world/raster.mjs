// The picture as a grid of pixels, each owned by the sea (0), grey land (1)
// or one quizzed country (2 and up): a pixel is the shape's when its centre
// lies inside the shape's rings by the even-odd rule.

export const SEA = 0, GREY = 1;

export function makeGrid(w, h) {
  return { w, h, label: new Uint8Array(w * h) };
}

// Fills a shape's rings with a label, over whatever lay there before.
export function fill(grid, rings, label) {
  const { w, h } = grid;
  const rows = new Map();
  for (const ring of rings) {
    for (let k = 0, n = ring.length; k < n; k++) {
      const a = ring[k], b = ring[(k + 1) % n];
      const lo = Math.max(0, Math.ceil(Math.min(a[1], b[1]) - 0.5));
      const hi = Math.min(h - 1, Math.ceil(Math.max(a[1], b[1]) - 0.5) - 1);
      for (let r = lo; r <= hi; r++) {
        const y = r + 0.5;
        if ((a[1] <= y) === (b[1] <= y)) continue;
        if (!rows.has(r)) rows.set(r, []);
        rows.get(r).push(a[0] + ((y - a[1]) / (b[1] - a[1])) * (b[0] - a[0]));
      }
    }
  }
  for (const [r, xs] of rows) {
    xs.sort((p, q) => p - q);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const c0 = Math.max(0, Math.ceil(xs[k] - 0.5)), c1 = Math.min(w, Math.ceil(xs[k + 1] - 0.5));
      if (c1 > c0) grid.label.fill(label, r * w + c0, r * w + c1);
    }
  }
}

// Fewer pixels than these are too few to see as a country of their own.
const SEEN = 4;

// Gives the pixels of each country with too few to see to what most of
// their eight neighbours are (the Vatican's pixel in Rome to Italy, a
// speck of an island to the sea): such a country is marked by a ring or a
// box, which takes its drops, and its speck is left to the land the eye
// sees there.
export function absorbSpecks(grid, labels) {
  const { w, h, label } = grid;
  const count = new Map(labels.map((l) => [l, 0]));
  for (const l of label) if (count.has(l)) count.set(l, count.get(l) + 1);
  for (let i = 0; i < label.length; i++) {
    const own = label[i];
    if (!(count.get(own) < SEEN)) continue;
    const x = i % w, y = (i - x) / w, votes = new Map();
    for (let dy = -1; dy <= 1; dy++)
      for (let dx = -1; dx <= 1; dx++) {
        const nx = x + dx, ny = y + dy;
        const l = nx >= 0 && ny >= 0 && nx < w && ny < h ? label[ny * w + nx] : SEA;
        if (l !== own) votes.set(l, (votes.get(l) ?? 0) + 1);
      }
    label[i] = [...votes].sort((a, b) => b[1] - a[1] || a[0] - b[0])[0]?.[0] ?? SEA;
  }
}

// Chamfer distance of every pixel to the nearest pixel of another label (the
// picture's outside counts as another), with steps of `a` across and `b`
// diagonally: (1, 1) measures in whole pixels squares, (3, 4) near circles.
export function distances(grid, a, b) {
  const { w, h, label } = grid;
  const d = new Float64Array(w * h).fill(Infinity);
  const same = (i, x, y) => x >= 0 && y >= 0 && x < w && y < h && label[y * w + x] === label[i];
  const passes = [
    { from: 0, step: 1, nb: [[-1, 0, a], [-1, -1, b], [0, -1, a], [1, -1, b]] },
    { from: w * h - 1, step: -1, nb: [[1, 0, a], [1, 1, b], [0, 1, a], [-1, 1, b]] },
  ];
  for (const { from, step, nb } of passes) {
    for (let i = from, n = 0; n < w * h; n++, i += step) {
      const x = i % w, y = (i - x) / w;
      for (const [dx, dy, cost] of nb) {
        const v = same(i, x + dx, y + dy) ? d[(y + dy) * w + x + dx] + cost : cost;
        if (v < d[i]) d[i] = v;
      }
      // The neighbours not yet visited in this pass can still be another label.
      for (const [dx, dy, cost] of nb) if (!same(i, x - dx, y - dy) && cost < d[i]) d[i] = cost;
    }
  }
  return d;
}

// The side of the largest square of one label ending at each pixel (its
// bottom right corner), and the largest of each label.
export function largestSquares(grid, labels) {
  const { w, h, label } = grid;
  const sq = new Uint16Array(w * h);
  const best = new Array(labels).fill(0);
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) {
      const i = y * w + x, l = label[i];
      let s = 1;
      if (x && y && label[i - 1] === l && label[i - w] === l && label[i - w - 1] === l) {
        s = Math.min(sq[i - 1], sq[i - w], sq[i - w - 1]) + 1;
      }
      sq[i] = s;
      if (s > best[l]) best[l] = s;
    }
  }
  return { sq, best };
}

// Summed-area table of the pixels for which `test(label)` holds, and the
// count in a rectangle from it.
export function summedArea(grid, test) {
  const { w, h, label } = grid;
  const W = w + 1;
  const s = new Int32Array(W * (h + 1));
  for (let y = 0; y < h; y++) {
    let row = 0;
    for (let x = 0; x < w; x++) {
      row += test(label[y * w + x]) ? 1 : 0;
      s[(y + 1) * W + x + 1] = s[y * W + x + 1] + row;
    }
  }
  return (x, y, rw, rh) => {
    const x0 = Math.max(0, x), y0 = Math.max(0, y), x1 = Math.min(w, x + rw), y1 = Math.min(h, y + rh);
    if (x1 <= x0 || y1 <= y0) return 0;
    return s[y1 * W + x1] - s[y0 * W + x1] - s[y1 * W + x0] + s[y0 * W + x0];
  };
}

// Chamfer (3, 4) distance, in pixels, of every pixel to the nearest pixel of
// one of some labels, or to their given points (for the countries too small
// to own a pixel).
export function distanceFrom(grid, labels, points) {
  const { w, h } = grid;
  const d = new Float32Array(w * h).fill(Infinity);
  const wanted = new Set(labels);
  for (let i = 0; i < w * h; i++) if (wanted.has(grid.label[i])) d[i] = 0;
  for (const [px, py] of points) {
    const x = Math.min(w - 1, Math.max(0, Math.floor(px))), y = Math.min(h - 1, Math.max(0, Math.floor(py)));
    d[y * w + x] = 0;
  }
  const relax = (i, j, cost) => { if (d[j] + cost < d[i]) d[i] = d[j] + cost; };
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) {
      const i = y * w + x;
      if (x) relax(i, i - 1, 1);
      if (y) { relax(i, i - w, 1); if (x) relax(i, i - w - 1, 4 / 3); if (x < w - 1) relax(i, i - w + 1, 4 / 3); }
    }
  }
  for (let y = h - 1; y >= 0; y--) {
    for (let x = w - 1; x >= 0; x--) {
      const i = y * w + x;
      if (x < w - 1) relax(i, i + 1, 1);
      if (y < h - 1) { relax(i, i + w, 1); if (x < w - 1) relax(i, i + w + 1, 4 / 3); if (x) relax(i, i + w - 1, 4 / 3); }
    }
  }
  return d;
}

// Core pixels: those with 2 px of pixels of their own label all round.
export const coreOfLabels = (grid) => distances(grid, 1, 1).map((d) => (d >= 3 ? 1 : 0));

// Each label's pixel count and bounding box: x0, y0 its first column and
// row, x1, y1 just past its last.
export function labelExtents(grid, labels) {
  const { w, label } = grid;
  const out = Array.from({ length: labels }, () => ({ count: 0, x0: Infinity, y0: Infinity, x1: -Infinity, y1: -Infinity }));
  for (let i = 0; i < label.length; i++) {
    const e = out[label[i]], x = i % w, y = (i - x) / w;
    e.count++;
    e.x0 = Math.min(e.x0, x); e.y0 = Math.min(e.y0, y);
    e.x1 = Math.max(e.x1, x + 1); e.y1 = Math.max(e.y1, y + 1);
  }
  return out;
}
