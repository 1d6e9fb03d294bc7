// Alaska and Hawaii, each fitted to its own rectangles.
import { geoConicEqualArea, geoMercator } from "d3-geo";
import { byCode, marks, projectRings, rects, stateArcs } from "./layout.mjs";
import { nelderMead, projectArcs } from "./lower48.mjs";

export function insetProjection(base, s, tx, ty) {
  return (pt) => {
    const q = base(pt);
    return [q[0] * s + tx, q[1] * s + ty];
  };
}

// Alaska: its own conic, the mainland (east of 169.5° W) filling rectangle 0.
export function fitAlaska() {
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
export function fitHawaii() {
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

export function pointInRing([x, y], ring) {
  let inside = false;
  for (let k = 0, n = ring.length, j = n - 1; k < n; j = k++) {
    const [xi, yi] = ring[k], [xj, yj] = ring[j];
    if ((yi > y) !== (yj > y) && x < ((xj - xi) * (y - yi)) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}
