// Each map's projection fitted to its picture, and the shapes it shows as
// rings of picture pixels.
import { geoPath } from "d3-geo";
import { inFit } from "./maps.mjs";

// Sea kept free around the fitted land, in pixels.
const MARGIN = 8;
// Coordinates are written, and rasterised, in tenths of a pixel: finer than
// the eye sees, coarse enough to keep each picture small. A point is rounded
// the same way in both countries that share it, so borders still meet.
const TENTHS = 10;

function* positions(geometry) {
  const polygons = geometry.type === "Polygon" ? [geometry.coordinates] : geometry.coordinates;
  for (const polygon of polygons) for (const ring of polygon) yield* ring;
}

// The points of the quizzed countries' features that the picture must hold.
export function fitPoints(map, features) {
  const out = [];
  for (const f of features) for (const p of positions(f.geometry)) if (inFit(map, p)) out.push(p);
  return out;
}

// The fitted points' box at scale 1, and the scale a picture allows.
export function unitBox(map, points) {
  const proj = map.projection().scale(1).translate([0, 0]).precision(0);
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const p of points) {
    const [x, y] = proj(p);
    x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y);
  }
  return { x0, y0, x1, y1, scaleFor: (pic) => Math.min((pic.w - 2 * MARGIN) / (x1 - x0), (pic.h - 2 * MARGIN) / (y1 - y0)) };
}

// Points whose effective area is below this, in square pixels, are left out.
const SMALLEST_AREA = 0.05;
export const simplestWeight = (projection) => SMALLEST_AREA / projection.scale() ** 2;

// The projection of a picture: the fitted box placed in it by the map's
// alignment (0 left or top, 1 right or bottom, centred by default), and
// everything cut at a pixel beyond its edges so that no border is stroked
// along them.
export function pictureProjection(map, box, pic) {
  const s = box.scaleFor(pic);
  const [ax, ay] = map.align ?? [0.5, 0.5];
  const tx = MARGIN + (pic.w - 2 * MARGIN - (box.x1 - box.x0) * s) * ax - box.x0 * s;
  const ty = MARGIN + (pic.h - 2 * MARGIN - (box.y1 - box.y0) * s) * ay - box.y0 * s;
  return map.projection().scale(s).translate([tx, ty]).precision(0).clipExtent([[-1, -1], [pic.w + 1, pic.h + 1]]);
}

// A shape's rings in picture pixels, rounded, with repeated points dropped.
export function projectShape(feature, projection) {
  const rings = [];
  let ring = null;
  const add = (x, y) => {
    const p = [Math.round(x * TENTHS) / TENTHS, Math.round(y * TENTHS) / TENTHS];
    const last = ring[ring.length - 1];
    if (!last || last[0] !== p[0] || last[1] !== p[1]) ring.push(p);
  };
  const context = {
    moveTo(x, y) { ring = []; add(x, y); },
    lineTo: add,
    closePath() {
      const first = ring[0], last = ring[ring.length - 1];
      if (ring.length > 1 && first[0] === last[0] && first[1] === last[1]) ring.pop();
      if (ring.length >= 3) rings.push(ring);
    },
    arc() {},
  };
  geoPath(projection, context)(feature);
  return rings;
}
