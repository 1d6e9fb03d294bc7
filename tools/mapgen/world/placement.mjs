// What a reader of a map takes in at a glance, measured: how far a leader
// line runs, how far a box stands from its country, whether a line runs
// through another country's mark or over another's land, and whether a
// name stands close enough to another country's mark to be read as its.
import { boxesOverlap, segmentEntersBox } from "./geom.mjs";
import { SEA } from "./raster.mjs";

// The limits each map is held to, in pixels.
export const LIMITS = { line: 150, box: 100, nearMark: 3 };

const lengthOf = ([[x0, y0], [x1, y1]]) => Math.hypot(x1 - x0, y1 - y0);

// Pixels of a line over land that is neither the sea nor its own country's.
function overOtherLand(grid, [[x0, y0], [x1, y1]], own) {
  let n = 0;
  for (let k = 0, steps = Math.ceil(lengthOf([[x0, y0], [x1, y1]])); k < steps; k++) {
    const x = Math.floor(x0 + ((x1 - x0) * (k + 0.5)) / steps), y = Math.floor(y0 + ((y1 - y0) * (k + 0.5)) / steps);
    const l = grid.label[y * grid.w + x];
    if (l !== SEA && l !== own) n++;
  }
  return n;
}

export function placementFigures(grid, countries, placed) {
  const pieces = countries.map((c) => ({ c, m: placed.get(c.code) }));
  const lines = pieces.filter(({ m }) => m.line);
  const marks = pieces.flatMap(({ c, m }) => [m.square, ...(m.groups ?? [])].filter(Boolean).map((square) => ({ c, square })));
  const longest = lines.reduce((best, { c, m }) => (lengthOf(m.line) > best.value ? { code: c.code, value: Math.round(lengthOf(m.line)) } : best), { code: "-", value: 0 });
  return {
    longest,
    longLines: lines.filter(({ m }) => lengthOf(m.line) > LIMITS.line).map(({ c }) => c.code),
    farBoxes: pieces.filter(({ m }) => m.kind === "box" && lengthOf(m.line) > LIMITS.box).map(({ c }) => c.code),
    linesThroughMarks: lines.filter(({ c, m }) => marks.some((o) => o.c !== c && segmentEntersBox(m.line, o.square))).map(({ c }) => c.code),
    overLand: lines.map(({ c, m }) => ({ code: c.code, px: overOtherLand(grid, m.line, c.label) })).filter((o) => o.px)
      .sort((a, b) => b.px - a.px),
    namesNearMarks: pieces.filter(({ c, m }) => marks.some((o) => o.c !== c && boxesOverlap(m.name, o.square, LIMITS.nearMark))).map(({ c }) => c.code),
  };
}

export const landTotal = (p) => p.overLand.reduce((n, o) => n + o.px, 0);

export const placementPasses = (p) => !p.longLines.length && !p.farBoxes.length && !p.linesThroughMarks.length && !p.namesNearMarks.length;

export const placementReport = (p) =>
  `  longest line ${p.longest.value} px (${p.longest.code}); lines over ${LIMITS.line} px: ${p.longLines.length} ${p.longLines.join(" ")}; ` +
  `boxes over ${LIMITS.box} px away: ${p.farBoxes.length} ${p.farBoxes.join(" ")}\n` +
  `  lines through another's mark: ${p.linesThroughMarks.length} ${p.linesThroughMarks.join(" ")}; lines over other land ${landTotal(p)} px (${p.overLand.map((o) => `${o.code} ${o.px}`).join(", ")}); ` +
  `names within ${LIMITS.nearMark} px of another's mark: ${p.namesNearMarks.length} ${p.namesNearMarks.join(" ")}`;
