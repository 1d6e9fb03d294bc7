// The quiz's layout as the layoutdump program prints it, and the states'
// shapes from the pinned boundary data: what every step of the map reads.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { mergeArcs } from "topojson-client";

export const here = dirname(fileURLToPath(import.meta.url));
export const root = join(here, "..", "..");
export const states = JSON.parse(readFileSync(join(here, "node_modules/us-atlas/states-10m.json"), "utf8"));
export const world = JSON.parse(readFileSync(join(here, "node_modules/world-atlas/countries-10m.json"), "utf8"));

// Samples per pixel of the rasters used for fitting.
export const SS = 2;

if (!process.argv[2]) {
  console.error("usage: node mapgen.mjs <layoutdump program> [out.svg]");
  process.exit(2);
}
export const layout = JSON.parse(execFileSync(process.argv[2], [join(root, "assets"), String(SS)],
  { encoding: "utf8", maxBuffer: 256 << 20 }));

export const TWIPS = layout.twipsPerPixel;
export const [mapLeft, mapTop, mapWidth, mapHeight] = layout.map;
export const MAP = { left: mapLeft, top: mapTop, width: mapWidth, height: mapHeight };
export const W = MAP.width / TWIPS; // 702
export const H = MAP.height / TWIPS; // 500
export const BANNER_Y = (layout.banner[1] - MAP.top) / TWIPS; // the banner covers the map below this

export const toMap = (x, y) => [(x - MAP.left) / TWIPS, (y - MAP.top) / TWIPS];

export const rects = layout.hitRects.map(({ box: [l, t, w, h], tag }) => {
  const [x0, y0] = toMap(l, t);
  return { x0, y0, x1: x0 + w / TWIPS, y1: y0 + h / TWIPS, tag };
});

// Map names (with their codes, in alphabetical order) and leader lines.
export const marks = {
  names: layout.mapNames.map(({ caption, code, box: [l, t, w, h] }) => ({ name: caption, code, at: toMap(l + w / 2, t + h / 2) })),
  lines: layout.leaderLines.map(({ code, stateEnd: [x, y] }) => ({ code, inner: toMap(x, y) })),
};
if (marks.names.length !== 50 || marks.lines.length !== 8) throw new Error("cannot read map names and leader lines");
if (rects.length !== 79) throw new Error(`expected 79 hit rectangles, read ${rects.length}`);

// ---------------------------------------------------------------- states and their arcs

export const POSTAL = {
  "01": "AL", "02": "AK", "04": "AZ", "05": "AR", "06": "CA", "08": "CO", "09": "CT", "10": "DE",
  "12": "FL", "13": "GA", "15": "HI", "16": "ID", "17": "IL", "18": "IN", "19": "IA", "20": "KS",
  "21": "KY", "22": "LA", "23": "ME", "24": "MD", "25": "MA", "26": "MI", "27": "MN", "28": "MS",
  "29": "MO", "30": "MT", "31": "NE", "32": "NV", "33": "NH", "34": "NJ", "35": "NM", "36": "NY",
  "37": "NC", "38": "ND", "39": "OH", "40": "OK", "41": "OR", "42": "PA", "44": "RI", "45": "SC",
  "46": "SD", "47": "TN", "48": "TX", "49": "UT", "50": "VT", "51": "VA", "53": "WA", "54": "WV",
  "55": "WI", "56": "WY",
};
export const DC = "11";

export const geoms = states.objects.states.geometries;
export const byCode = new Map();
for (const g of geoms) if (POSTAL[g.id]) byCode.set(POSTAL[g.id], g);
// The District of Columbia becomes part of Maryland; territories are dropped.
byCode.set("MD", mergeArcs(states, [byCode.get("MD"), geoms.find((g) => g.id === DC)]));
export const CODES = [...byCode.keys()].sort();
export const LOWER48 = CODES.filter((c) => c !== "AK" && c !== "HI");
export const LINE_CODES = new Set(marks.lines.map((l) => l.code));

// Arcs decoded to longitude/latitude once.
export function decodeArcs(topology) {
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
export const stateArcs = decodeArcs(states);

// Rings of a geometry as lists of arc references (negative: reversed).
export function polygonsOf(geom) {
  if (geom.type === "Polygon") return [geom.arcs];
  if (geom.type === "MultiPolygon") return geom.arcs;
  return [];
}

// Projects every arc once, then assembles each state's rings from them, so
// that neighbours share exactly the same border points.
export function projectRings(geom, projectedArcs) {
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
