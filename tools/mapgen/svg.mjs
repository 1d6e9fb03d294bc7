// The Great Lakes' water, and rings written as SVG path data.
import { decodeArcs, projectRings, world } from "./layout.mjs";
import { projectArcs } from "./lower48.mjs";

// Natural Earth's United States polygon includes the US waters of the Great
// Lakes; clipped to the lakes' box and painted under the states, only that
// water shows.
export function lakeRings(project) {
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
export function clipRing(ring, box) {
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
export function lerpAt(a, b, axis, v) {
  const t = (v - a[axis]) / (b[axis] - a[axis]);
  return [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
}

// ---------------------------------------------------------------- output

export { fmt, pathData } from "./style.mjs";
