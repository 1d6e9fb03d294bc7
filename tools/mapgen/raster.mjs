// The map as a raster for fitting: each state's rings filled into a grid,
// and which code the quiz gives a drop at each sample.
import { BANNER_Y, CODES, SS, W, layout } from "./layout.mjs";

// Fills each state's rings (even-odd) into a grid of the map at SS samples per pixel.
export const GW = W * SS, GH = Math.ceil(BANNER_Y * SS);

export function rasterize(ringsByIndex) {
  const grid = new Uint8Array(GW * GH);
  const xs = [];
  ringsByIndex.forEach((rings, idx) => {
    if (!rings) return;
    let ymin = Infinity, ymax = -Infinity;
    for (const r of rings) for (const p of r) { ymin = Math.min(ymin, p[1]); ymax = Math.max(ymax, p[1]); }
    const r0 = Math.max(0, Math.floor(ymin * SS)), r1 = Math.min(GH - 1, Math.ceil(ymax * SS));
    for (let row = r0; row <= r1; row++) {
      const y = (row + 0.5) / SS;
      xs.length = 0;
      for (const r of rings) {
        for (let k = 0, n = r.length; k < n; k++) {
          const a = r[k], b = r[(k + 1) % n];
          if ((a[1] <= y) !== (b[1] <= y)) xs.push(a[0] + ((y - a[1]) / (b[1] - a[1])) * (b[0] - a[0]));
        }
      }
      xs.sort((p, q) => p - q);
      for (let k = 0; k + 1 < xs.length; k += 2) {
        const c0 = Math.max(0, Math.ceil(xs[k] * SS - 0.5)), c1 = Math.min(GW - 1, Math.floor(xs[k + 1] * SS - 0.5));
        for (let c = c0; c <= c1; c++) grid[row * GW + c] = idx + 1;
      }
    }
  });
  return grid;
}

// The code that receives a drop at every sample (0: none or untagged), as
// the quiz judges it.
export const frontTag = (() => {
  const { samplesPerPixel, columns, rows } = layout.frontTags;
  if (samplesPerPixel !== SS || columns !== GW || rows.length < GH) throw new Error("the layout's samples do not fit");
  const grid = new Uint8Array(GW * GH);
  for (let row = 0; row < GH; row++) {
    for (const [start, length, tag] of rows[row]) grid.fill(CODES.indexOf(tag) + 1, row * GW + start, row * GW + start + length);
  }
  return grid;
})();

// Every sample that a rectangle of the chosen codes owns, with that code.
export function ownerSamples(filter) {
  const samples = [];
  for (let k = 0; k < frontTag.length; k++) {
    if (frontTag[k] && filter(CODES[frontTag[k] - 1])) samples.push(k, frontTag[k]);
  }
  return Int32Array.from(samples);
}
