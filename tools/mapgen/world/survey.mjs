// What the raster tells of each quizzed country: its pixels, its visual
// centre, the points inside it that leader lines may end at, and the
// largest square it holds.
import { ringMoments } from "./geom.mjs";
import { distances, labelExtents, largestSquares } from "./raster.mjs";
import { atHome } from "./zoom.mjs";

// Leader lines end at one of at most this many points of a country.
const MAX_ANCHORS = 400;

// The centroid of a shape's largest ring: where a country too small for
// the raster is.
function ringCentre(rings) {
  let best = null;
  for (const r of rings) {
    const { a, cx, cy } = ringMoments(r);
    if (a === 0) continue;
    if (!best || Math.abs(a) > best.area) best = { area: Math.abs(a), at: [cx / (3 * a), cy / (3 * a)] };
  }
  if (!best) throw new Error("a country lies outside its map");
  return best.at;
}

// The centroid of all of a shape's rings on the map (not in its insets):
// where the country lies, told to a player who cannot see the map.
function landCentre(rings) {
  let a = 0, cx = 0, cy = 0;
  for (const m of rings.map(ringMoments)) { a += m.a; cx += m.cx; cy += m.cy; }
  return a === 0 ? ringCentre(rings) : [cx / (3 * a), cy / (3 * a)];
}

// Integer points with a country's pixels all round them: corners of pixels
// deep inside first, else of any 2 by 2 block, else its rounded centre.
function anchorsOf(grid, label, square, cheb, centre, home) {
  const { w, label: lab } = grid;
  const deep = [], block = [];
  for (let i = 0; i < lab.length; i++) {
    if (lab[i] !== label) continue;
    const x = i % w, y = (i - x) / w;
    if (!home(x, y)) continue;
    if (cheb[i] >= 2) deep.push([x, y]);
    if (square[i] >= 2) block.push([x, y]);
  }
  const all = deep.length ? deep : block.length ? block : [centre.map(Math.round)];
  const step = Math.ceil(all.length / MAX_ANCHORS);
  return all.filter((_, k) => k % step === 0);
}

// The facts of each country, given its label in the grid and its rings;
// its leader lines end where it is seen best (on the map, or in an inset),
// or, at a cost, on any of its pixels (`everywhere`, for a country shown in
// an inset).
export function survey(grid, countries, insets) {
  const round = distances(grid, 3, 4), cheb = distances(grid, 1, 1);
  const { sq, best } = largestSquares(grid, countries.length + 2);
  const ext = labelExtents(grid, countries.length + 2);
  const { w, label: lab } = grid;
  const count = new Array(countries.length + 2).fill(0), pole = new Array(countries.length + 2).fill(-1);
  for (let i = 0; i < lab.length; i++) {
    const l = lab[i];
    count[l]++;
    if (pole[l] < 0 || round[i] > round[pole[l]]) pole[l] = i;
  }
  return countries.map((c) => {
    const i = pole[c.label];
    const centre = c.markAt ?? (i >= 0 ? [(i % w) + 0.5, Math.floor(i / w) + 0.5] : ringCentre(c.rings));
    return {
      ...c, count: count[c.label], square: best[c.label], centre, land: landCentre(c.rings),
      span: count[c.label] ? Math.min(ext[c.label].x1 - ext[c.label].x0, ext[c.label].y1 - ext[c.label].y0) : 0,
      anchors: anchorsOf(grid, c.label, sq, cheb, centre, (x, y) => atHome(insets, c, x, y)),
      everywhere: c.zoomed.length ? anchorsOf(grid, c.label, sq, cheb, centre, () => true) : null,
      depth: round,
    };
  });
}
