// Which countries lie on islands: the 1:50m shapes cut into their polygons,
// polygons that share a border joined into landmasses, and a landmass
// smaller than a continent taken for an island.
import { geoArea } from "d3-geo";
import { feature, neighbors } from "topojson-client";
import { medium, mediumGeoms, shapes } from "./data.mjs";

// Landmasses of this many square kilometres or more are continents
// (Australia, 7.7 million, is the smallest; Greenland, 2.2, the largest island).
const CONTINENT_KM2 = 5e6;
const EARTH_KM2_PER_SR = 6371 ** 2;

// Every polygon of the 1:50m data, with the code of the country it belongs
// to (null for other land), and the landmass each lies on.
function landmasses() {
  const polygons = [];
  mediumGeoms.forEach((g, i) => {
    const parts = g.type === "Polygon" ? [g.arcs] : g.type === "MultiPolygon" ? g.arcs : [];
    for (const arcs of parts) polygons.push({ code: shapes[i].code, geometry: { type: "Polygon", arcs } });
  });
  const root = polygons.map((_, k) => k);
  const find = (k) => (root[k] === k ? k : (root[k] = find(root[k])));
  neighbors(polygons.map((p) => p.geometry)).forEach((list, k) => { for (const j of list) root[find(j)] = find(k); });
  const area = new Map();
  polygons.forEach((p, k) => {
    p.area = geoArea(feature(medium, p.geometry)) * EARTH_KM2_PER_SR;
    area.set(find(k), (area.get(find(k)) ?? 0) + p.area);
  });
  return polygons.map((p, k) => ({ ...p, mass: find(k), continental: area.get(find(k)) >= CONTINENT_KM2 }));
}

const polygons = landmasses();

// An island of a country counts among its islands when it has at least
// this share of the largest's land: Madagascar's and Sri Lanka's islets do
// not make them islands, Gozo makes Malta two.
const ISLAND_SHARE = 0.02;

// How a country lies, where none of its land is on a continent: how many
// islands it has, and which countries share one of them; null for a
// country on a continent. A country taken whole from finer data (Tuvalu)
// counts as islands of its own.
export function insularity(code) {
  const own = polygons.filter((p) => p.code === code);
  if (own.some((p) => p.continental)) return null;
  if (!own.length) return { islands: 2, sharesWith: [] };
  const land = new Map();
  for (const p of own) land.set(p.mass, (land.get(p.mass) ?? 0) + p.area);
  const largest = Math.max(...land.values());
  const islands = [...land.values()].filter((a) => a >= ISLAND_SHARE * largest).length;
  const sharesWith = [...new Set(polygons.filter((p) => land.has(p.mass) && p.code && p.code !== code).map((p) => p.code))].sort();
  return { islands, sharesWith };
}
