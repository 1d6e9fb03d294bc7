// What a player who cannot see the map is told of an island country: how
// many islands, which countries share them, and the nearest country of the
// map and which way it lies, measured on the map itself (not its insets).
import { COUNTRIES } from "./countries.mjs";
import { insularity } from "./islands.mjs";
import { SEA, distanceFrom } from "./raster.mjs";

const WAYS = ["east", "south-east", "south", "south-west", "west", "north-west", "north", "north-east"];

// The way from one point of the picture to another, in eight (y runs down).
const wayTo = ([x0, y0], [x1, y1]) => WAYS[Math.round(Math.atan2(y1 - y0, x1 - x0) / (Math.PI / 4)) & 7];

// The picture's grid with the insets' frames emptied.
function mapOnly(grid, insets) {
  const label = grid.label.slice();
  for (const { frame: f } of insets) {
    for (let y = f.y; y < f.y + f.h; y++) label.fill(SEA, y * grid.w + f.x, y * grid.w + f.x + f.w);
  }
  return { w: grid.w, h: grid.h, label };
}

// The other country of the map nearest a country's land, and where: each
// country is its pixels, and its land's centre for one too small for any.
function nearest(grid, c, countries) {
  const d = distanceFrom(grid, [c.label], [c.land]);
  const at = ([x, y]) => Math.min(grid.h - 1, Math.max(0, Math.floor(y))) * grid.w + Math.min(grid.w - 1, Math.max(0, Math.floor(x)));
  const best = new Map(countries.filter((o) => o !== c).map((o) => [o.label, { o, i: at(o.land) }]));
  for (let i = 0; i < d.length; i++) {
    const b = best.get(grid.label[i]);
    if (b && d[i] < d[b.i]) b.i = i;
  }
  let found = null;
  for (const b of best.values()) if (!found || d[b.i] < d[found.i]) found = b;
  return found && { code: found.o.code, at: [(found.i % grid.w) + 0.5, Math.floor(found.i / grid.w) + 0.5] };
}

// For each island country of the map: { code, islands, near, way, shares },
// `shares` naming a country not on the map by its name as well.
export function islandFacts(grid, insets, countries) {
  const plain = mapOnly(grid, insets);
  const onMap = new Set(countries.map((c) => c.code));
  return countries.flatMap((c) => {
    const isle = insularity(c.code);
    if (!isle) return [];
    const n = nearest(plain, c, countries);
    return [{
      code: c.code, islands: isle.islands,
      near: n ? n.code : "-", way: n ? wayTo(c.land, n.at) : "-",
      shares: isle.sharesWith.map((s) => (onMap.has(s) ? s : `${s}=${COUNTRIES[s]}`)),
    }];
  });
}
