// The places each country's pieces may take, worked out from the land
// alone, each with a cost: the placer then picks one per country so that
// no two clash. A country too small or too thin to hit gets a ring on it,
// or else a box in the sea with a leader line, its name beside either; any
// other is its own target, its name inside it, or else outside with a line.
import { segmentEntersBox } from "./geom.mjs";
import { distanceFrom, summedArea } from "./raster.mjs";
import { UNDRAWN, inPicture, leaderLine, lineCost, nearestSpots, otherLand, spread } from "./spots.mjs";
import { PLACED_HEIGHT } from "./text.mjs";

export const SIDE = 24;
// A country's own pixels are target enough when they cover a ring's square's
// area and hold a square of half its side; otherwise it gets a ring or a box.
// One spanning less than the square's side across or down gets one too, as
// its target would fail the checks otherwise.
export const MIN_AREA = SIDE * SIDE, MIN_SQUARE = SIDE / 2;
export const needsMark = (c) => c.count < MIN_AREA || c.square < MIN_SQUARE || c.span < SIDE;
// Costs in pixels of leader line: a box costs more than a ring, a name
// outside more than one inside, and each far more where the other is
// possible, so it is only taken when nothing else fits.
const BOX = 40, OUTSIDE = 30, FALLBACK = 400;
// What a pixel of another country hidden under a name costs.
const HIDDEN = 0.1;

// Where a name may stand beside a square: right, left, below, above.
function besideSquare(sq, w) {
  const h = PLACED_HEIGHT, mid = sq.y + (SIDE - h) / 2;
  const out = [];
  for (const dy of [0, -6, 6]) out.push([sq.x + SIDE + 3, mid + dy], [sq.x - 3 - w, mid + dy]);
  for (const x of [sq.x + (SIDE - w) / 2, sq.x, sq.x + SIDE - w]) out.push([x, sq.y + SIDE + 2], [x, sq.y - 2 - h]);
  return out.map(([x, y]) => ({ x: Math.round(x), y: Math.round(y), w, h }));
}

// The name beside a ring or box may cover other countries' land (it shows
// only once the country is placed), at a cost for each pixel it hides.
function withNames(grid, c, kind, square, line, cost) {
  return besideSquare(square, c.nameW)
    .map((name, k) => ({ name, k, hides: otherLand(grid, name, c.label) }))
    .filter(({ name, hides }) => hides < Infinity && !(line && segmentEntersBox(line, name)))
    .map(({ name, k, hides }) => ({ kind, square, line, name, cost: cost + k * 0.5 + hides * HIDDEN }));
}

// Rings centred on the country's pixels (on its centre, if it has none)
// whose squares hold no other land, nearest its centre first.
function ringOptions(t, c) {
  const { grid } = t;
  const own = summedArea(grid, (l) => l === c.label);
  const centres = [];
  const [px, py] = c.centre.map(Math.floor);
  const onOwn = (x, y) => (c.count ? grid.label[y * grid.w + x] === c.label : x === px && y === py);
  for (let y = 0; y < grid.h; y++) {
    for (let x = 0; x < grid.w; x++) {
      const sq = { x: x - SIDE / 2, y: y - SIDE / 2, w: SIDE, h: SIDE };
      if (!onOwn(x, y) || !inPicture(grid, sq) || t.land(sq.x, sq.y, SIDE, SIDE) !== own(sq.x, sq.y, SIDE, SIDE)) continue;
      centres.push({ box: sq, off: Math.hypot(x + 0.5 - c.centre[0], y + 0.5 - c.centre[1]) });
    }
  }
  centres.sort((a, b) => a.off - b.off || a.box.y - b.box.y || a.box.x - b.box.x);
  return spread(centres, 3, 12).flatMap(({ box, off }) => withNames(grid, c, "ring", box, null, off * 0.5));
}

// A box on a given square, with each name beside it that fits.
export function boxAt(t, c, square) {
  const { seg } = leaderLine(square, c.anchors);
  return withNames(t.grid, c, "box", square, seg, BOX + lineCost(t.grid, seg));
}

function boxOptions(t, c, field, penalty) {
  const spots = nearestSpots(t.grid, field, { w: SIDE, h: SIDE }, t.land, 0, c.anchors, 8, 800);
  return spots.flatMap((s) => withNames(t.grid, c, "box", s.box, s.seg, BOX + penalty + lineCost(t.grid, s.seg)));
}

// Name boxes wholly on the country's own pixels, the deepest inside first.
function insideOptions(grid, c) {
  const own = summedArea(grid, (l) => l === c.label);
  const w = c.nameW, h = PLACED_HEIGHT, full = w * h;
  const out = [];
  for (let y = 0; y + h <= grid.h; y++) {
    for (let x = 0; x + w <= grid.w; x++) {
      if (own(x, y, w, h) !== full) continue;
      const depth = c.depth[(y + (h >> 1)) * grid.w + x + (w >> 1)] / 3;
      const off = Math.hypot(x + w / 2 - c.centre[0], y + h / 2 - c.centre[1]);
      out.push({ box: { x, y, w, h }, cost: -depth + off * 0.05 });
    }
  }
  out.sort((a, b) => a.cost - b.cost || a.box.y - b.box.y || a.box.x - b.box.x);
  const best = out.length ? out[0].cost : 0;
  return spread(out, 5, 40).map((o) => ({ kind: "inside", name: o.box, cost: o.cost - best }));
}

// Name boxes outside, 2 px clear of every quizzed country, nearest first.
function outsideOptions(t, c, field, penalty) {
  const spots = nearestSpots(t.grid, field, { w: c.nameW, h: PLACED_HEIGHT }, t.quizzed, 2, c.anchors, 8, 400);
  return spots.map((s) => ({ kind: "outside", name: s.box, line: s.seg, cost: OUTSIDE + penalty + lineCost(t.grid, s.seg) }));
}

// Every option of a country, cheapest first, those with a line not to be
// drawn left out.
export function optionsOf(t, c) {
  const field = distanceFrom(t.grid, [c.label], [c.centre]);
  let list;
  if (needsMark(c)) {
    const rings = ringOptions(t, c);
    list = [...rings, ...boxOptions(t, c, field, rings.length ? FALLBACK : 0)];
  } else {
    const inside = insideOptions(t.grid, c);
    list = [...inside, ...outsideOptions(t, c, field, inside.length ? FALLBACK : 0)];
  }
  return list.filter((o) => o.cost < UNDRAWN).sort((a, b) => a.cost - b.cost);
}
