// The countries' shapes from the pinned world-atlas data, and which map each
// country is on from the pinned countries-list data.
import { readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { countries as countryFacts } from "countries-list";
import iso from "i18n-iso-countries";
import { feature, neighbors } from "topojson-client";
import { presimplify, simplify, sphericalTriangleArea } from "topojson-simplify";
import { COUNTRIES } from "./countries.mjs";
import { NOT_BORDERING, asTheUnitedNationsDraws, clipped } from "./disputed.mjs";

const modules = join(dirname(fileURLToPath(import.meta.url)), "..", "node_modules");
const atlas = (file) => JSON.parse(readFileSync(join(modules, "world-atlas", file), "utf8"));
export const medium = atlas("countries-50m.json");
const fine = atlas("countries-10m.json");

// Shapes that carry no numeric code, or another state's: matched by name.
// Ashmore and Cartier shares Australia's code but is an external territory,
// drawn grey like the other dependencies.
const BY_NAME = { Kosovo: "XK", "Ashmore and Cartier Is.": null };

function codeOf(geom) {
  const name = geom.properties.name;
  if (name in BY_NAME) return BY_NAME[name];
  return geom.id ? iso.numericToAlpha2(geom.id) ?? null : null;
}

// Disputed land as the United Nations draws it (see disputed.mjs).
export const mediumGeoms = asTheUnitedNationsDraws(medium, medium.objects.countries.geometries);
const mediumCodes = mediumGeoms.map(codeOf);

// The 1:50m arcs weighted for simplification (Visvalingam's effective area,
// in steradians). Some arcs keep every point: those of small islands, so
// that no island vanishes at any scale, and Antarctica's, whose ring round
// the pole d3 can no longer tell inside from outside once simplified.
const weighted = (() => {
  const t = presimplify(medium, sphericalTriangleArea);
  const keep = (arc) => { for (const p of arc) p[2] = Infinity; };
  for (const arc of t.arcs) {
    const [x0, y0] = arc[0], [x1, y1] = arc[arc.length - 1];
    if (x0 !== x1 || y0 !== y1) continue;
    const xs = arc.map((p) => p[0]), ys = arc.map((p) => p[1]);
    if (Math.max(...xs) - Math.min(...xs) < 0.3 && Math.max(...ys) - Math.min(...ys) < 0.3) keep(arc);
  }
  const antarctica = mediumGeoms.find((g) => g.properties.name === "Antarctica");
  for (const ref of antarctica.arcs.flat(2)) keep(t.arcs[ref < 0 ? ~ref : ref]);
  return t;
})();

// Every shape of the 1:50m data, each with the quizzed country it is (or
// null: a dependency, or disputed or uncoded land), and the countries the
// 1:50m data leaves out taken whole from the 1:10m data (Tuvalu).
export const shapes = mediumGeoms.map((g, i) => ({
  code: COUNTRIES[mediumCodes[i]] ? mediumCodes[i] : null,
  name: g.properties.name,
  geometry: g,
  index: i,
}));
for (const g of fine.objects.countries.geometries) {
  const code = codeOf(g);
  if (COUNTRIES[code] && !shapes.some((s) => s.code === code)) {
    shapes.push({ code, name: g.properties.name, geometry: g, feature: feature(fine, g), index: shapes.length });
  }
}

// The shapes as GeoJSON features, the 1:50m ones without the points whose
// weight is below `minWeight`.
export function features(minWeight) {
  const t = simplify(weighted, minWeight);
  return shapes.map((s) => s.feature ?? clipped(feature(t, s.geometry), s.geometry.clip));
}
const missing = Object.keys(COUNTRIES).filter((c) => !shapes.some((s) => s.code === c));
if (missing.length) throw new Error(`no shape for ${missing.join(" ")}`);

// The maps a country is on: the continent countries-list gives it (AF, AS,
// EU, NA, OC or SA), except where that strays from the United Nations'
// regions. Russia lies in Eastern Europe and across northern Asia: it is on
// both maps. East Timor is in South-eastern Asia, not Oceania.
const ALSO_ON = { RU: ["EU"] };
const MOVED_TO = { TL: "AS" };
export const continentsOf = (code) => [MOVED_TO[code] ?? countryFacts[code].continent, ...(ALSO_ON[code] ?? [])];

// Pairs of quizzed countries whose 1:50m shapes share an arc, each as
// "A B" with A < B. Shapes from the 1:10m data have none here.
export const landBorders = (() => {
  const pairs = new Set();
  neighbors(mediumGeoms).forEach((list, i) => {
    for (const j of list) {
      const a = shapes[i].code, b = shapes[j].code;
      if (a && b && a < b && !NOT_BORDERING.has(`${a} ${b}`)) pairs.add(`${a} ${b}`);
    }
  });
  return [...pairs].sort();
})();
