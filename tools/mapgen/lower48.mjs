// The lower 48: an equal-area conic projection fitted to the hit
// rectangles, then a smooth local correction.
import { geoConicEqualArea } from "d3-geo";
import { CODES, LINE_CODES, LOWER48, SS, byCode, marks, projectRings, rects, stateArcs } from "./layout.mjs";
import { GH, GW, frontTag, ownerSamples, rasterize } from "./raster.mjs";

export function conic(lon0, p1, p2) {
  return geoConicEqualArea().parallels([p1, p2]).rotate([-lon0, 0]).scale(1).translate([0, 0]);
}

export function projectArcs(arcs, project) {
  return arcs.map((arc) => arc.map(project));
}

export function mainlandProjection(p) {
  const [lon0, p1, p2, sx, sy, tx, ty] = p;
  const proj = conic(lon0, p1, p2);
  return (pt) => {
    const q = proj(pt);
    return [q[0] * sx + tx, q[1] * sy + ty];
  };
}

export const mainSamples = ownerSamples((tag) => LOWER48.includes(tag));

export function mainlandRings(p) {
  const arcs = projectArcs(stateArcs, mainlandProjection(p));
  return CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), arcs) : null));
}

export function shareOnOwnState(grid, samples) {
  let hit = 0;
  for (let k = 0; k < samples.length; k += 2) if (grid[samples[k]] === samples[k + 1]) hit++;
  return hit / (samples.length / 2);
}

export const mainScore = (p) => shareOnOwnState(rasterize(mainlandRings(p)), mainSamples);

// Start: scale and offset per axis matching each state's centroid to the
// area-weighted centroid of its rectangles (least squares).
export function initialFit(lon0, p1, p2) {
  const unit = mainlandRings([lon0, p1, p2, 1, 1, 0, 0]);
  const pairs = [];
  for (const code of LOWER48) {
    const rings = unit[CODES.indexOf(code)];
    let a = 0, cx = 0, cy = 0;
    for (const r of rings) {
      for (let k = 0, n = r.length; k < n; k++) {
        const [x0, y0] = r[k], [x1, y1] = r[(k + 1) % n];
        const f = x0 * y1 - x1 * y0;
        a += f; cx += (x0 + x1) * f; cy += (y0 + y1) * f;
      }
    }
    let ra = 0, rx = 0, ry = 0;
    for (const r of rects) if (r.tag === code) {
      const area = (r.x1 - r.x0) * (r.y1 - r.y0);
      ra += area; rx += area * (r.x0 + r.x1) / 2; ry += area * (r.y0 + r.y1) / 2;
    }
    pairs.push([cx / (3 * a), cy / (3 * a), rx / ra, ry / ra]);
  }
  const line = (u, v) => {
    const n = pairs.length;
    const mu = pairs.reduce((s, q) => s + q[u], 0) / n, mv = pairs.reduce((s, q) => s + q[v], 0) / n;
    let num = 0, den = 0;
    for (const q of pairs) { num += (q[u] - mu) * (q[v] - mv); den += (q[u] - mu) ** 2; }
    const s = num / den;
    return [s, mv - s * mu];
  };
  const [sx, tx] = line(0, 2), [sy, ty] = line(1, 3);
  return [lon0, p1, p2, sx, sy, tx, ty];
}

// Nelder-Mead maximisation with fixed iteration count (deterministic).
export function nelderMead(f, x0, steps, iterations) {
  const n = x0.length;
  let simplex = [x0.slice()];
  for (let i = 0; i < n; i++) {
    const x = x0.slice();
    x[i] += steps[i];
    simplex.push(x);
  }
  let values = simplex.map(f);
  for (let it = 0; it < iterations; it++) {
    const order = values.map((v, i) => i).sort((a, b) => values[b] - values[a]);
    simplex = order.map((i) => simplex[i]);
    values = order.map((i) => values[i]);
    const centroid = new Array(n).fill(0);
    for (let i = 0; i < n; i++) for (let d = 0; d < n; d++) centroid[d] += simplex[i][d] / n;
    const worst = simplex[n];
    const at = (t) => centroid.map((c, d) => c + t * (worst[d] - c));
    const xr = at(-1), fr = f(xr);
    if (fr > values[0]) {
      const xe = at(-2), fe = f(xe);
      if (fe > fr) { simplex[n] = xe; values[n] = fe; } else { simplex[n] = xr; values[n] = fr; }
    } else if (fr > values[n - 1]) {
      simplex[n] = xr; values[n] = fr;
    } else {
      const xc = at(0.5), fc = f(xc);
      if (fc > values[n]) { simplex[n] = xc; values[n] = fc; } else {
        for (let i = 1; i <= n; i++) {
          simplex[i] = simplex[i].map((v, d) => simplex[0][d] + 0.5 * (v - simplex[0][d]));
          values[i] = f(simplex[i]);
        }
      }
    }
  }
  const best = values.indexOf(Math.max(...values));
  return { x: simplex[best], value: values[best] };
}

export function fitMainland() {
  let best = null;
  for (const start of [[-96.5, 19.5, 59.3], [-96, 29.5, 45.5], [-97, 24, 52]]) {
    let p = initialFit(...start);
    for (let round = 0; round < 3; round++) {
      const r = nelderMead(mainScore, p, [1, 2, 2, p[3] * 0.03, p[4] * 0.03, 5, 5], 250);
      p = r.x;
      if (!best || r.value > best.value) best = r;
    }
  }
  return best;
}

// ---------------------------------------------------------------- local correction

export const at = (grid, [x, y]) => {
  const c = Math.floor(x * SS), r = Math.floor(y * SS);
  return c < 0 || r < 0 || c >= GW || r >= GH ? 0 : grid[r * GW + c];
};

// The figures the map check reports, for the lower 48.
export function figures(grid) {
  const area = new Float64Array(CODES.length + 1), right = new Float64Array(CODES.length + 1);
  for (let k = 0; k < grid.length; k++) {
    const s = grid[k];
    if (s) { area[s]++; if (frontTag[k] === s) right[s]++; }
  }
  let sum = 0, min = 1;
  for (const code of LOWER48) {
    const s = CODES.indexOf(code) + 1;
    const b = area[s] ? right[s] / area[s] : 0;
    sum += b; min = Math.min(min, b);
  }
  let misses = 0;
  for (const m of marks.names) if (LOWER48.includes(m.code) && !LINE_CODES.has(m.code) && at(grid, m.at) !== CODES.indexOf(m.code) + 1) misses++;
  for (const l of marks.lines) if (at(grid, l.inner) !== CODES.indexOf(l.code) + 1) misses++;
  return { a: shareOnOwnState(grid, mainSamples), meanB: sum / LOWER48.length, minB: min, misses };
}
export const objective = (f) => f.a + f.meanB + 0.5 * f.minB - 0.03 * f.misses;

// A smooth displacement: a Gaussian bump of bounded size around each state's
// centre, so shapes stay recognisable while each state settles over its rectangles.
export const SIGMA = 30, MAX_SHIFT = 12;
export function warp(centres, shifts) {
  return ([x, y]) => {
    let dx = 0, dy = 0;
    for (let k = 0; k < centres.length; k++) {
      const ex = x - centres[k][0], ey = y - centres[k][1];
      const d2 = ex * ex + ey * ey;
      if (d2 > 16 * SIGMA * SIGMA) continue;
      const g = Math.exp(-d2 / (2 * SIGMA * SIGMA));
      dx += g * shifts[k][0]; dy += g * shifts[k][1];
    }
    return [x + dx, y + dy];
  };
}

export function correctLocally(mainArcs) {
  const centres = LOWER48.map((code) => {
    let sx = 0, sy = 0, n = 0;
    for (const r of rects) if (r.tag === code) { const w = (r.x1 - r.x0) * (r.y1 - r.y0); sx += w * (r.x0 + r.x1) / 2; sy += w * (r.y0 + r.y1) / 2; n += w; }
    return [sx / n, sy / n];
  });
  const shifts = centres.map(() => [0, 0]);
  const ringsWith = (sh) => {
    const arcs = projectArcs(mainArcs, warp(centres, sh));
    return CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), arcs) : null));
  };
  let best = objective(figures(rasterize(ringsWith(shifts))));
  for (const step of [4, 2, 1, 0.5]) {
    for (let pass = 0; pass < 4; pass++) {
      let improved = false;
      for (let k = 0; k < centres.length; k++) {
        for (const [ux, uy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
          const trial = shifts.map((v) => v.slice());
          trial[k] = [trial[k][0] + ux * step, trial[k][1] + uy * step];
          if (Math.hypot(trial[k][0], trial[k][1]) > MAX_SHIFT) continue;
          const value = objective(figures(rasterize(ringsWith(trial))));
          if (value > best + 1e-9) { best = value; shifts[k] = trial[k]; improved = true; }
        }
      }
      if (!improved) break;
    }
  }
  return warp(centres, shifts);
}
