// The figures each map is held to: every count here must be zero, every
// target must hold a 24 by 24 square, and each country's rectangles must
// cover 98 % of its core.
import { boxesOverlap, segmentEntersBox, segmentsCross } from "./geom.mjs";
import { SEA, largestSquares } from "./raster.mjs";

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
  const smallest = countries.reduce((m, c) => (squares[c.label] < squares[m.label] ? c : m));
  const thinnest = countries.reduce((m, c) => (cover[c.label] < cover[m.label] ? c : m));
  return {
    nameOverlaps: pairs(names, (a, b) => boxesOverlap(a, b)),
    nameLineCrossings: names.reduce((n, b) => n + lines.filter((l) => segmentEntersBox(l, b)).length, 0),
    lineCrossings: pairs(lines, segmentsCross),
    targetsOnOtherLand: onOtherLand(grid, rects),
    smallest: { code: smallest.code, side: squares[smallest.label] },
    coverage: { code: thinnest.code, share: cover[thinnest.label] },
    marks: countries.filter((c) => placed.get(c.code).square).map((c) => `${c.code}:${placed.get(c.code).kind}`),
  };
}

export const passes = (f) => !f.nameOverlaps && !f.nameLineCrossings && !f.lineCrossings && !f.targetsOnOtherLand &&
  f.smallest.side >= 24 && f.coverage.share >= 0.98;
