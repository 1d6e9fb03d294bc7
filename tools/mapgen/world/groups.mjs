// Rings on the far island groups of a state spread across the ocean (the
// Phoenix and Line Islands of Kiribati): each group's own ring, without a
// name, taking the state's name as its main ring does.
import { boxesOverlap, segmentEntersBox } from "./geom.mjs";
import { SEA } from "./raster.mjs";

const SIDE = 24;

// Why a ring's square cannot stand: out of the picture, on another
// country's land, or on or beside another piece placed; null when it can.
function fault(grid, c, sq, placed) {
  if (sq.x < 0 || sq.y < 0 || sq.x + SIDE > grid.w || sq.y + SIDE > grid.h) return "out of the picture";
  for (let y = sq.y; y < sq.y + SIDE; y++) {
    for (let x = sq.x; x < sq.x + SIDE; x++) {
      const l = grid.label[y * grid.w + x];
      if (l !== SEA && l !== c.label) return "on other land";
    }
  }
  for (const [code, m] of placed) {
    const pieces = [m.name, m.square, ...(m.groups ?? [])].filter(Boolean);
    if (pieces.some((b) => boxesOverlap(b, sq, 3))) return `beside ${code}'s pieces`;
    if (m.line && segmentEntersBox(m.line, sq)) return `on ${code}'s line`;
  }
  return null;
}

// A ring may stand this far off its group's point, which it still holds.
const MOST_OFF = 8;

// The squares a ring round a point may take, the nearest centred first.
function around(px, py) {
  const out = [];
  for (let dy = -MOST_OFF; dy <= MOST_OFF; dy += 2) {
    for (let dx = -MOST_OFF; dx <= MOST_OFF; dx += 2) {
      out.push({ x: Math.round(px) + dx - SIDE / 2, y: Math.round(py) + dy - SIDE / 2, w: SIDE, h: SIDE, off: Math.hypot(dx, dy) });
    }
  }
  return out.sort((a, b) => a.off - b.off || a.y - b.y || a.x - b.x).map(({ off, ...sq }) => sq);
}

// Adds each country's group rings (`c.groups`, picture points) to its
// placed pieces; a ring that cannot stand fails the map.
export function placeGroupRings(grid, countries, placed) {
  for (const c of countries) {
    for (const [px, py] of c.groups ?? []) {
      const squares = around(px, py);
      const sq = squares.find((s) => !fault(grid, c, s, placed));
      if (!sq) throw new Error(`${c.code}'s ring at ${Math.round(px)},${Math.round(py)} is ${fault(grid, c, squares[0], placed)}`);
      const m = placed.get(c.code);
      placed.set(c.code, { ...m, groups: [...(m.groups ?? []), sq] });
    }
  }
}
