// Disputed land as the United Nations draws it, where the 1:50m data draws
// a line of control instead:
// - Crimea, in the data a polygon of Russia's, is Ukraine's;
// - Somaliland and Northern Cyprus, in the data shapes of their own, are
//   parts of Somalia and of Cyprus;
// - Western Sahara is a territory of its own, south of 27°40′ N: the data's
//   Morocco reaches to 21° N, leaving Western Sahara only the strip east of
//   the berm. The two shapes are joined and cut again at that parallel.
// Kosovo and Taiwan stay as the data draws them.
import { feature, mergeArcs } from "topojson-client";

// Where Morocco ends and Western Sahara begins.
const MOROCCO_SOUTH = 27 + 40 / 60;
// Crimea's box, in degrees: no other polygon of Russia's lies in it.
const CRIMEA = [32, 44, 37, 46.3];

// Pairs of quizzed countries whose shapes touch in the data but not on the
// map as drawn here: Mauritania borders Western Sahara, not Morocco.
export const NOT_BORDERING = new Set(["MA MR"]);

const named = (geoms, name) => {
  const found = geoms.find((g) => g.properties.name === name);
  if (!found) throw new Error(`no shape named ${name} in the data`);
  return found;
};

function joined(topology, geoms, extra) {
  return { ...geoms[0], ...mergeArcs(topology, geoms), ...extra };
}

// Russia's polygon that is Crimea, split from it.
function splitCrimea(topology, russia) {
  const [w, s, e, n] = CRIMEA;
  const inBox = (polygon) => feature(topology, { type: "Polygon", arcs: polygon }).geometry.coordinates[0]
    .every(([lon, lat]) => lon >= w && lon <= e && lat >= s && lat <= n);
  const crimea = russia.arcs.filter(inBox);
  if (crimea.length !== 1) throw new Error(`${crimea.length} polygons of Russia's found in Crimea's box`);
  return {
    russia: { ...russia, arcs: russia.arcs.filter((p) => p !== crimea[0]) },
    crimea: { type: "Polygon", arcs: crimea[0], properties: { name: "Crimea" } },
  };
}

// The data's country shapes, as drawn here. Morocco and Western Sahara each
// carry `clip`: the side of Morocco's southern border they keep.
export function asTheUnitedNationsDraws(topology, geoms) {
  const { russia, crimea } = splitCrimea(topology, named(geoms, "Russia"));
  const morocco = [named(geoms, "Morocco"), named(geoms, "W. Sahara")];
  const replaced = new Map([
    ["Russia", russia],
    ["Ukraine", joined(topology, [named(geoms, "Ukraine"), crimea])],
    ["Somalia", joined(topology, [named(geoms, "Somalia"), named(geoms, "Somaliland")])],
    ["Cyprus", joined(topology, [named(geoms, "Cyprus"), named(geoms, "N. Cyprus")])],
    ["Morocco", joined(topology, morocco, { clip: { north: MOROCCO_SOUTH } })],
    ["W. Sahara", joined(topology, morocco, { properties: morocco[1].properties, id: morocco[1].id, clip: { south: MOROCCO_SOUTH } })],
  ]);
  const absorbed = new Set(["Somaliland", "N. Cyprus"]);
  return geoms.filter((g) => !absorbed.has(g.properties.name)).map((g) => replaced.get(g.properties.name) ?? g);
}

// A feature cut at a parallel, keeping the side its geometry's `clip` names
// (each ring clipped to the half of the globe beyond the parallel).
export function clipped(f, clip) {
  if (!clip) return f;
  const lat = clip.north ?? clip.south;
  const inside = clip.north !== undefined ? (p) => p[1] >= lat : (p) => p[1] <= lat;
  const cut = (a, b) => [a[0] + ((lat - a[1]) / (b[1] - a[1])) * (b[0] - a[0]), lat];
  const clipRing = (ring) => {
    const out = [];
    for (let k = 0; k < ring.length - 1; k++) {
      const a = ring[k], b = ring[k + 1];
      if (inside(a)) out.push(a);
      if (inside(a) !== inside(b)) out.push(cut(a, b));
    }
    if (out.length) out.push(out[0]);
    return out;
  };
  const polygons = (f.geometry.type === "Polygon" ? [f.geometry.coordinates] : f.geometry.coordinates)
    .map((polygon) => polygon.map(clipRing))
    .filter((polygon) => polygon[0].length >= 4)
    .map((polygon) => polygon.filter((ring) => ring.length >= 4));
  return { ...f, geometry: { type: "MultiPolygon", coordinates: polygons } };
}
