// Generates assets/map.svg: the fifty states drawn into the map rectangle of
// the quiz window, fitted so that each state lies under the hit rectangles
// that carry its code.
//
//   cd tools/mapgen && npm ci && npm run generate -- <layoutdump> [out.svg]
//
// <layoutdump> is the program the build makes in tools/layoutdump: it prints
// the quiz's own layout, and which code receives a drop at each sample of the
// map by the quiz's own hit test. The output depends only on the pinned data
// packages and on that layout, so running it twice gives the same bytes.

import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { geoConicEqualArea, geoMercator } from "d3-geo";
import { mergeArcs, neighbors } from "topojson-client";

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, "..", "..");
const states = JSON.parse(readFileSync(join(here, "node_modules/us-atlas/states-10m.json"), "utf8"));
const world = JSON.parse(readFileSync(join(here, "node_modules/world-atlas/countries-10m.json"), "utf8"));

// ---------------------------------------------------------------- the window's layout

// Samples per pixel of the rasters used for fitting.
const SS = 2;

if (!process.argv[2]) {
  console.error("usage: node mapgen.mjs <layoutdump program> [out.svg]");
  process.exit(2);
}
const layout = JSON.parse(execFileSync(process.argv[2], [join(root, "assets"), String(SS)],
  { encoding: "utf8", maxBuffer: 256 << 20 }));

const TWIPS = layout.twipsPerPixel;
const [mapLeft, mapTop, mapWidth, mapHeight] = layout.map;
const MAP = { left: mapLeft, top: mapTop, width: mapWidth, height: mapHeight };
const W = MAP.width / TWIPS; // 702
const H = MAP.height / TWIPS; // 500
const BANNER_Y = (layout.banner[1] - MAP.top) / TWIPS; // the banner covers the map below this

const toMap = (x, y) => [(x - MAP.left) / TWIPS, (y - MAP.top) / TWIPS];

const rects = layout.hitRects.map(({ box: [l, t, w, h], tag }) => {
  const [x0, y0] = toMap(l, t);
  return { x0, y0, x1: x0 + w / TWIPS, y1: y0 + h / TWIPS, tag };
});

// Map names (with their codes, in alphabetical order) and leader lines.
const marks = {
  names: layout.mapNames.map(({ caption, code, box: [l, t, w, h] }) => ({ name: caption, code, at: toMap(l + w / 2, t + h / 2) })),
  lines: layout.leaderLines.map(({ code, stateEnd: [x, y] }) => ({ code, inner: toMap(x, y) })),
};
if (marks.names.length !== 50 || marks.lines.length !== 8) throw new Error("cannot read map names and leader lines");
if (rects.length !== 79) throw new Error(`expected 79 hit rectangles, read ${rects.length}`);

// ---------------------------------------------------------------- states and their arcs

const POSTAL = {
  "01": "AL", "02": "AK", "04": "AZ", "05": "AR", "06": "CA", "08": "CO", "09": "CT", "10": "DE",
  "12": "FL", "13": "GA", "15": "HI", "16": "ID", "17": "IL", "18": "IN", "19": "IA", "20": "KS",
  "21": "KY", "22": "LA", "23": "ME", "24": "MD", "25": "MA", "26": "MI", "27": "MN", "28": "MS",
  "29": "MO", "30": "MT", "31": "NE", "32": "NV", "33": "NH", "34": "NJ", "35": "NM", "36": "NY",
  "37": "NC", "38": "ND", "39": "OH", "40": "OK", "41": "OR", "42": "PA", "44": "RI", "45": "SC",
  "46": "SD", "47": "TN", "48": "TX", "49": "UT", "50": "VT", "51": "VA", "53": "WA", "54": "WV",
  "55": "WI", "56": "WY",
};
const DC = "11";

const geoms = states.objects.states.geometries;
const byCode = new Map();
for (const g of geoms) if (POSTAL[g.id]) byCode.set(POSTAL[g.id], g);
// The District of Columbia becomes part of Maryland; territories are dropped.
byCode.set("MD", mergeArcs(states, [byCode.get("MD"), geoms.find((g) => g.id === DC)]));
const CODES = [...byCode.keys()].sort();
const LOWER48 = CODES.filter((c) => c !== "AK" && c !== "HI");
const LINE_CODES = new Set(marks.lines.map((l) => l.code));

// Arcs decoded to longitude/latitude once.
function decodeArcs(topology) {
  const [sx, sy] = topology.transform.scale;
  const [tx, ty] = topology.transform.translate;
  return topology.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => {
      x += dx; y += dy;
      return [x * sx + tx, y * sy + ty];
    });
  });
}
const stateArcs = decodeArcs(states);

// Rings of a geometry as lists of arc references (negative: reversed).
function polygonsOf(geom) {
  if (geom.type === "Polygon") return [geom.arcs];
  if (geom.type === "MultiPolygon") return geom.arcs;
  return [];
}

// Projects every arc once, then assembles each state's rings from them, so
// that neighbours share exactly the same border points.
function projectRings(geom, projectedArcs) {
  const rings = [];
  for (const poly of polygonsOf(geom)) {
    for (const ring of poly) {
      const pts = [];
      for (const ref of ring) {
        const arc = ref >= 0 ? projectedArcs[ref] : projectedArcs[~ref].slice().reverse();
        for (let k = pts.length ? 1 : 0; k < arc.length; k++) pts.push(arc[k]);
      }
      rings.push(pts);
    }
  }
  return rings;
}

// ---------------------------------------------------------------- raster used for fitting

// Fills each state's rings (even-odd) into a grid of the map at SS samples per pixel.
const GW = W * SS, GH = Math.ceil(BANNER_Y * SS);

function rasterize(ringsByIndex) {
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
const frontTag = (() => {
  const { samplesPerPixel, columns, rows } = layout.frontTags;
  if (samplesPerPixel !== SS || columns !== GW || rows.length < GH) throw new Error("the layout's samples do not fit");
  const grid = new Uint8Array(GW * GH);
  for (let row = 0; row < GH; row++) {
    for (const [start, length, tag] of rows[row]) grid.fill(CODES.indexOf(tag) + 1, row * GW + start, row * GW + start + length);
  }
  return grid;
})();

// Every sample that a rectangle of the chosen codes owns, with that code.
function ownerSamples(filter) {
  const samples = [];
  for (let k = 0; k < frontTag.length; k++) {
    if (frontTag[k] && filter(CODES[frontTag[k] - 1])) samples.push(k, frontTag[k]);
  }
  return Int32Array.from(samples);
}

// ---------------------------------------------------------------- the lower 48

function conic(lon0, p1, p2) {
  return geoConicEqualArea().parallels([p1, p2]).rotate([-lon0, 0]).scale(1).translate([0, 0]);
}

function projectArcs(arcs, project) {
  return arcs.map((arc) => arc.map(project));
}

function mainlandProjection(p) {
  const [lon0, p1, p2, sx, sy, tx, ty] = p;
  const proj = conic(lon0, p1, p2);
  return (pt) => {
    const q = proj(pt);
    return [q[0] * sx + tx, q[1] * sy + ty];
  };
}

const mainSamples = ownerSamples((tag) => LOWER48.includes(tag));

function mainlandRings(p) {
  const arcs = projectArcs(stateArcs, mainlandProjection(p));
  return CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), arcs) : null));
}

function shareOnOwnState(grid, samples) {
  let hit = 0;
  for (let k = 0; k < samples.length; k += 2) if (grid[samples[k]] === samples[k + 1]) hit++;
  return hit / (samples.length / 2);
}

const mainScore = (p) => shareOnOwnState(rasterize(mainlandRings(p)), mainSamples);

// Start: scale and offset per axis matching each state's centroid to the
// area-weighted centroid of its rectangles (least squares).
function initialFit(lon0, p1, p2) {
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
function nelderMead(f, x0, steps, iterations) {
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

function fitMainland() {
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

const at = (grid, [x, y]) => {
  const c = Math.floor(x * SS), r = Math.floor(y * SS);
  return c < 0 || r < 0 || c >= GW || r >= GH ? 0 : grid[r * GW + c];
};

// The figures the map check reports, for the lower 48.
function figures(grid) {
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
const objective = (f) => f.a + f.meanB + 0.5 * f.minB - 0.03 * f.misses;

// A smooth displacement: a Gaussian bump of bounded size around each state's
// centre, so shapes stay recognisable while each state settles over its rectangles.
const SIGMA = 30, MAX_SHIFT = 12;
function warp(centres, shifts) {
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

function correctLocally(mainArcs) {
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

// ---------------------------------------------------------------- insets

function insetProjection(base, s, tx, ty) {
  return (pt) => {
    const q = base(pt);
    return [q[0] * s + tx, q[1] * s + ty];
  };
}

// Alaska: its own conic, the mainland (east of 169.5° W) filling rectangle 0.
function fitAlaska() {
  const base = geoConicEqualArea().parallels([55, 65]).rotate([154, 0]).scale(1).translate([0, 0]);
  const r = rects[0];
  let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
  const ak = projectRings(byCode.get("AK"), stateArcs);
  for (const ring of ak) for (const [lon, lat] of ring) {
    if (lon < -169.5 || lon > 0) continue;
    const [x, y] = base([lon, lat]);
    x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y);
  }
  const s = Math.min((r.x1 - r.x0) / (x1 - x0), (r.y1 - r.y0) / (y1 - y0));
  const tx = r.x1 - x1 * s, ty = (r.y0 + r.y1) / 2 - ((y0 + y1) / 2) * s;
  return insetProjection(base, s, tx, ty);
}

// Hawaii: the island chain spread over rectangles 76 (the western islands)
// and 75 (the Big Island), searched for the largest share of island area
// inside the two rectangles.
function fitHawaii() {
  const base = geoMercator().scale(1).translate([0, 0]);
  const hi = projectRings(byCode.get("HI"), projectArcs(stateArcs, base));
  const inRect = (x, y, r) => x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1;
  let bx0 = Infinity, bx1 = -Infinity, by0 = Infinity, by1 = -Infinity;
  for (const ring of hi) for (const [x, y] of ring) {
    bx0 = Math.min(bx0, x); bx1 = Math.max(bx1, x); by0 = Math.min(by0, y); by1 = Math.max(by1, y);
  }
  const u = { x0: rects[76].x0, y0: rects[76].y0, x1: rects[75].x1, y1: rects[75].y1 };
  const score = ([s, tx, ty]) => {
    let inside = 0, all = 0;
    for (const ring of hi) for (const [x, y] of ring) {
      const X = x * s + tx, Y = y * s + ty;
      all++;
      if (inRect(X, Y, rects[75]) || inRect(X, Y, rects[76])) inside++;
    }
    return inside / all + s * 1e-4; // prefer the larger islands among equal fits
  };
  const s0 = Math.min((u.x1 - u.x0) / (bx1 - bx0), (u.y1 - u.y0) / (by1 - by0));
  const start = [s0, u.x0 - bx0 * s0, u.y0 - by0 * s0];
  const r = nelderMead(score, start, [s0 * 0.1, 3, 3], 300);
  // Then nudge the chain, at most a few pixels, so that the Hawaii map name
  // stands on an island.
  const name = marks.names.find((m) => m.code === "HI").at;
  const onIsland = ([s, tx, ty]) => hi.some((ring) => pointInRing([(name[0] - tx) / s, (name[1] - ty) / s], ring));
  let best = { x: r.x, value: score(r.x) + (onIsland(r.x) ? 1 : 0) };
  for (let dy = -6; dy <= 6; dy += 0.5) {
    for (let dx = -6; dx <= 6; dx += 0.5) {
      const q = [r.x[0], r.x[1] + dx, r.x[2] + dy];
      const v = score(q) + (onIsland(q) ? 1 : 0) - 1e-4 * Math.hypot(dx, dy);
      if (v > best.value) best = { x: q, value: v };
    }
  }
  const [s, tx, ty] = best.x;
  return (pt) => {
    const q = base(pt);
    return [q[0] * s + tx, q[1] * s + ty];
  };
}

function pointInRing([x, y], ring) {
  let inside = false;
  for (let k = 0, n = ring.length, j = n - 1; k < n; j = k++) {
    const [xi, yi] = ring[k], [xj, yj] = ring[j];
    if ((yi > y) !== (yj > y) && x < ((xj - xi) * (y - yi)) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

// ---------------------------------------------------------------- colours

const PALETTE = ["#a9d3ee", "#6cc2b5", "#f6e27f", "#f08d6b", "#ecdcbc", "#c9b6e2"];

function colourStates() {
  const idx = new Map(geoms.map((g, i) => [g, i]));
  const adj = neighbors(geoms);
  const codeOf = (i) => (geoms[i].id === DC ? "MD" : POSTAL[geoms[i].id]);
  const nb = new Map(CODES.map((c) => [c, new Set()]));
  geoms.forEach((g, i) => {
    const a = codeOf(i);
    if (!a) return;
    for (const j of adj[idx.get(g)]) {
      const b = codeOf(j);
      if (b && b !== a) { nb.get(a).add(b); nb.get(b).add(a); }
    }
  });
  // The land borders, each pair once: the quiz's arrow keys follow them.
  const borders = [];
  for (const [a, set] of nb) for (const b of set) if (a < b) borders.push(`${a}-${b}`);
  borders.sort();
  // The Four Corners touch diagonally at one point; keep them apart too.
  for (const [a, b] of [["UT", "NM"], ["AZ", "CO"]]) { nb.get(a).add(b); nb.get(b).add(a); }
  // Largest degree first, then greedy: a planar map needs no more than six here.
  const order = CODES.slice().sort((a, b) => nb.get(b).size - nb.get(a).size || (a < b ? -1 : 1));
  const colour = new Map();
  let next = 0;
  for (const c of order) {
    const used = new Set([...nb.get(c)].map((n) => colour.get(n)));
    // Rotate the starting colour so the palette spreads evenly over the map.
    for (let k = 0; k < PALETTE.length; k++) {
      const candidate = (next + k) % PALETTE.length;
      if (!used.has(candidate)) { colour.set(c, candidate); break; }
    }
    if (!colour.has(c)) throw new Error(`no colour left for ${c}`);
    next = (colour.get(c) + 1) % PALETTE.length;
  }
  return { colour, nb, borders };
}

// ---------------------------------------------------------------- lakes

// Natural Earth's United States polygon includes the US waters of the Great
// Lakes; clipped to the lakes' box and painted under the states, only that
// water shows.
function lakeRings(project) {
  const usa = world.objects.countries.geometries.find((g) => g.id === "840");
  const arcs = projectArcs(decodeArcs(world), (pt) => pt);
  const LAKES = { w: -92.3, e: -75.9, s: 41.3, n: 49.1 };
  const out = [];
  for (const ring of projectRings(usa, arcs)) {
    const clipped = clipRing(ring, LAKES);
    if (clipped.length >= 3) out.push(clipped.map(project));
  }
  return out;
}

// Sutherland-Hodgman against a longitude/latitude box.
function clipRing(ring, box) {
  const edges = [
    (p) => p[0] >= box.w, (p) => p[0] <= box.e, (p) => p[1] >= box.s, (p) => p[1] <= box.n,
  ];
  const cut = [
    (a, b) => lerpAt(a, b, 0, box.w), (a, b) => lerpAt(a, b, 0, box.e),
    (a, b) => lerpAt(a, b, 1, box.s), (a, b) => lerpAt(a, b, 1, box.n),
  ];
  let pts = ring;
  for (let e = 0; e < 4 && pts.length; e++) {
    const next = [];
    for (let k = 0; k < pts.length; k++) {
      const a = pts[k], b = pts[(k + 1) % pts.length];
      const ina = edges[e](a), inb = edges[e](b);
      if (ina) next.push(a);
      if (ina !== inb) next.push(cut[e](a, b));
    }
    pts = next;
  }
  return pts;
}
function lerpAt(a, b, axis, v) {
  const t = (v - a[axis]) / (b[axis] - a[axis]);
  return [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
}

// ---------------------------------------------------------------- output

const fmt = (v) => {
  const s = (Math.round(v * 100) / 100).toFixed(2).replace(/\.?0+$/, "");
  return s === "-0" ? "0" : s;
};

function pathData(rings) {
  let d = "";
  for (const ring of rings) {
    let last = "";
    let part = "";
    let count = 0;
    for (const [x, y] of ring) {
      const p = `${fmt(x)},${fmt(y)}`;
      if (p === last) continue;
      part += (count ? "L" : "M") + p;
      last = p;
      count++;
    }
    if (count >= 3) d += part + "Z";
  }
  return d;
}

function main() {
  const fit = fitMainland();
  const p = fit.x;
  console.log(`lower 48: ${(fit.value * 100).toFixed(2)} % of rectangle area on its own state`);
  console.log(`  central meridian ${p[0].toFixed(2)}, parallels ${p[1].toFixed(2)} / ${p[2].toFixed(2)}`);

  const globalArcs = projectArcs(stateArcs, mainlandProjection(p));
  const before = figures(rasterize(CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), globalArcs) : null))));
  const local = correctLocally(globalArcs);
  const mainArcs = projectArcs(globalArcs, local);
  const after = figures(rasterize(CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), mainArcs) : null))));
  for (const [label, f] of [["global fit", before], ["with local correction", after]]) {
    console.log(`${label}: a ${(f.a * 100).toFixed(2)} %, b mean ${(f.meanB * 100).toFixed(1)} %, ` +
      `b min ${(f.minB * 100).toFixed(1)} %, names and lines off their state ${f.misses}`);
  }
  const akArcs = projectArcs(stateArcs, fitAlaska());
  const hiArcs = projectArcs(stateArcs, fitHawaii());
  const arcsFor = (code) => (code === "AK" ? akArcs : code === "HI" ? hiArcs : mainArcs);

  const { colour, borders } = colourStates();
  const lines = [];
  lines.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">`);
  // Which states share a land border (the build reads this line).
  lines.push(`<metadata id="borders">${borders.join(" ")}</metadata>`);
  lines.push(`<rect width="${W}" height="${H}" fill="#ffffff"/>`);
  const lakeProjection = mainlandProjection(p);
  lines.push(`<path id="lakes" fill="#1b2a5c" fill-rule="evenodd" d="${pathData(lakeRings((pt) => local(lakeProjection(pt))))}"/>`);
  lines.push(`<g stroke="#8a8a8a" stroke-width="0.6" stroke-linejoin="round" fill-rule="evenodd">`);
  for (const code of CODES) {
    const rings = projectRings(byCode.get(code), arcsFor(code));
    lines.push(`<path id="${code}" fill="${PALETTE[colour.get(code)]}" d="${pathData(rings)}"/>`);
  }
  lines.push(`</g>`);
  lines.push(`</svg>`);
  const out = process.argv[3] ?? join(root, "assets/map.svg");
  writeFileSync(out, lines.join("\n") + "\n");
  console.log(`wrote ${out}`);
}

main();
