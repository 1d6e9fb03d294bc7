// The figures each map is held to: every count here must be zero, every
// target must cover a 24 by 24 square's area, span 24 px each way and hold
// a 12 by 12 square, and each country's rectangles must cover 98 % of its
// core.
import { boxesOverlap, segmentEntersBox, segmentsCross } from "./geom.mjs";
import { SEA, labelExtents, largestSquares } from "./raster.mjs";
import { MIN_AREA, MIN_SQUARE, SIDE } from "./options.mjs";

function pairs(list, test) {
  let n = 0;
  for (let i = 0; i < list.length; i++) for (let j = i + 1; j < list.length; j++) if (test(list[i], list[j])) n++;
  return n;
}

// Rectangle pixels that lie on land neither the sea nor their own country's.
function onOtherLand(grid, rects) {
  let n = 0;
  for (const r of rects) {
    for (let y = r.y; y < r.y + r.h; y++) {
      for (let x = r.x; x < r.x + r.w; x++) {
        const l = grid.label[y * grid.w + x];
        if (l !== SEA && l !== r.label) n++;
      }
    }
  }
  return n;
}

export function checkMap(grid, target, countries, placed, rects, cover) {
  const names = countries.map((c) => placed.get(c.code).name);
  const lines = [];
  for (const c of countries) if (placed.get(c.code).line) lines.push(placed.get(c.code).line);
  const squares = largestSquares(target, countries.length + 2).best;
  const ext = labelExtents(target, countries.length + 2);
  const least = (f) => { const c = countries.reduce((m, k) => (f(k.label) < f(m.label) ? k : m)); return { code: c.code, value: f(c.label) }; };
  const thinnest = countries.reduce((m, c) => (cover[c.label] < cover[m.label] ? c : m));
  return {
    nameOverlaps: pairs(names, (a, b) => boxesOverlap(a, b)),
    nameLineCrossings: names.reduce((n, b) => n + lines.filter((l) => segmentEntersBox(l, b)).length, 0),
    lineCrossings: pairs(lines, segmentsCross),
    targetsOnOtherLand: onOtherLand(grid, rects),
    area: least((l) => ext[l].count),
    span: least((l) => Math.min(ext[l].x1 - ext[l].x0, ext[l].y1 - ext[l].y0)),
    square: least((l) => squares[l]),
    coverage: { code: thinnest.code, share: cover[thinnest.label] },
    marks: countries.filter((c) => placed.get(c.code).square).map((c) => `${c.code}:${placed.get(c.code).kind}`),
  };
}

export const passes = (f) => !f.nameOverlaps && !f.nameLineCrossings && !f.lineCrossings && !f.targetsOnOtherLand &&
  f.area.value >= MIN_AREA && f.span.value >= SIDE && f.square.value >= MIN_SQUARE && f.coverage.share >= 0.98;
