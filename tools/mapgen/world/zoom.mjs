// Zoomed insets: a crowded part of a map drawn again, larger, in empty
// space of the same picture, inside a frame, with the part it shows
// outlined on the map. A country's shape in an inset is its own as much as
// its shape on the map: both take its name.
import { ringMoments } from "./geom.mjs";
import { projectShape } from "./project.mjs";
import { GREY, SEA, fill } from "./raster.mjs";

// The box in picture pixels that a [west, south, east, north] box of
// degrees covers, its edges traced point by point (a parallel is curved in
// most projections), rounded outward to whole pixels.
function projectedBox(projection, [w, s, e, n]) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (let k = 0; k <= 32; k++) {
    const lon = w + ((e - w) * k) / 32, lat = s + ((n - s) * k) / 32;
    for (const p of [[lon, s], [lon, n], [w, lat], [e, lat]]) {
      const [x, y] = projection(p);
      x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y);
    }
  }
  x0 = Math.floor(x0); y0 = Math.floor(y0);
  return { x: x0, y: y0, w: Math.ceil(x1) - x0, h: Math.ceil(y1) - y0 };
}

// Each inset of a map: the part of the picture it shows (`source`), where
// it is drawn (`frame`, placed from the picture's left or top by `at`, from
// its right or bottom where a coordinate is negative), and the map's
// projection scaled and moved onto the frame and cut at its edges.
export function insetViews(map, projection, pic) {
  return (map.insets ?? []).map((inset) => {
    const source = projectedBox(projection, inset.area);
    const k = inset.zoom;
    const w = Math.round(source.w * k), h = Math.round(source.h * k);
    const x = inset.at[0] < 0 ? pic.w + inset.at[0] - w : inset.at[0];
    const y = inset.at[1] < 0 ? pic.h + inset.at[1] - h : inset.at[1];
    const [tx, ty] = projection.translate();
    const zoomed = map.projection().scale(projection.scale() * k)
      .translate([(tx - source.x) * k + x, (ty - source.y) * k + y])
      .precision(0).clipExtent([[x, y], [x + w, y + h]]);
    return { id: inset.id, zoom: k, source, frame: { x, y, w, h }, projection: zoomed };
  });
}

// The share of a country's area an inset must show for the country to be
// seen there rather than on the map.
const WHOLE = 0.9;

const areaOf = (rings) => rings.reduce((sum, r) => sum + Math.abs(ringMoments(r).a) / 2, 0);

// Draws each inset over the picture's grid: its frame emptied to the sea,
// then the grey land and the countries in it. An inset may hide the sea or
// grey land, never a country of the map. Each country gets, per inset it
// shows in, its rings there (`c.zoomed`), the inset it shows largest in
// first, and the inset it is seen best in (`c.home`: the largest that
// shows it whole, or null for the map).
export function paintInsets(grid, views, detailFor, grey, countries) {
  for (const v of views) {
    const { x, y, w, h } = v.frame;
    if (x < 0 || y < 0 || x + w > grid.w || y + h > grid.h) throw new Error(`the ${v.id} inset runs out of the picture`);
    for (let r = y; r < y + h; r++) {
      for (let i = r * grid.w + x; i < r * grid.w + x + w; i++) {
        if (grid.label[i] > GREY) throw new Error(`the ${v.id} inset covers ${countries.find((c) => c.label === grid.label[i]).code}`);
        grid.label[i] = SEA;
      }
    }
    const shown = detailFor(v.projection);
    v.grey = grey.map((s) => projectShape(shown[s.index], v.projection)).filter((r) => r.length);
    for (const rings of v.grey) fill(grid, rings, GREY);
    for (const c of countries) {
      const rings = projectShape(shown[c.shape.index], v.projection);
      if (!rings.length) continue;
      c.zoomed.push({ id: v.id, rings, area: areaOf(rings) });
      fill(grid, rings, c.label);
    }
  }
  for (const c of countries) {
    c.zoomed.sort((a, b) => b.area - a.area);
    const whole = c.zoomed.find((z) => z.area >= WHOLE * areaOf(c.rings) * views.find((v) => v.id === z.id).zoom ** 2);
    c.home = whole ? views.find((v) => v.id === whole.id) : null;
  }
}

// Whether a pixel lies where a country is seen best: in the inset that
// shows it larger than the map does, or else on the map outside every inset.
export function atHome(views, c, x, y) {
  const inside = (f) => x >= f.x && y >= f.y && x < f.x + f.w && y < f.y + f.h;
  return c.home ? inside(c.home.frame) : !views.some((v) => inside(v.frame));
}

// The inset whose frame a box lies (partly) in, if any.
export const insetAt = (views, b) =>
  views.find(({ frame: f }) => b.x < f.x + f.w && f.x < b.x + b.w && b.y < f.y + f.h && f.y < b.y + b.h) ?? null;

// Whether a box straddles the outline of the part of the map an inset
// shows (a name cut by that line reads badly); a box wholly inside or
// outside it does not.
export function crossesOutline(views, b) {
  return views.some(({ source: s }) => {
    const meets = b.x <= s.x + s.w && s.x <= b.x + b.w && b.y <= s.y + s.h && s.y <= b.y + b.h;
    const within = b.x > s.x && b.y > s.y && b.x + b.w < s.x + s.w && b.y + b.h < s.y + s.h;
    return meets && !within;
  });
}
