// The places each country's pieces may take, worked out from the land
// alone, each with a cost: the placer then picks one per country so that
// no two clash. A country too small or too thin to hit gets a ring on it,
// or else a box in the sea with a leader line, its name beside either; any
// other is its own target, its name inside it, or else outside with a line.
import { segmentEntersBox } from "./geom.mjs";
import { distanceFrom, summedArea } from "./raster.mjs";
import { UNDRAWN, inPicture, leaderLine, lineCost, nearestSpots, otherLand, spread } from "./spots.mjs";
import { PLACED_HEIGHT, PLACED_PX, SMALL_PX, lineHeight, placedWidth } from "./text.mjs";
import { atHome, crossesOutline, insetAt } from "./zoom.mjs";

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
// What standing in an inset costs a name inside its country, and what
// taking two lines does.
const IN_INSET = 200, TWO_LINES = 6, SMALLER = 40;
// What a leader line costs beyond the rest for ending in a part of the
// country shown away from where it is seen best.
const AWAY = 60;
// A name inside its country may spill over its edge by this share of its
// box (a box is taller and wider than its letters) where nothing else fits.
const MOST_SPILL = 0.08, SPILLS = 50;

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
function withNames(t, c, kind, square, line, cost) {
  const { grid } = t;
  return besideSquare(square, c.nameW)
    .map((name, k) => ({ name, k, hides: otherLand(grid, name, c.label) }))
    .filter(({ name, hides }) => hides < Infinity && !(line && segmentEntersBox(line, name)) && !crossesOutline(t.insets, name))
    .map(({ name, k, hides }) => ({ kind, square, line, name, cost: cost + k * 0.5 + hides * HIDDEN }));
}

// Rings centred on the country's pixels (on its centre, if it has none)
// whose squares hold no other land, where it is seen best (on the map, or
// in the inset that shows it whole) if it can be, nearest its centre there
// first.
function ringOptions(t, c) {
  const { grid } = t;
  const own = summedArea(grid, (l) => l === c.label);
  const [px, py] = c.centre.map(Math.floor);
  const onOwn = (x, y) => (c.count ? grid.label[y * grid.w + x] === c.label : x === px && y === py);
  const aim = c.markAt ?? (c.home ? c.centre : c.land);
  const found = [];
  for (let y = 0; y < grid.h; y++) {
    for (let x = 0; x < grid.w; x++) {
      const sq = { x: x - SIDE / 2, y: y - SIDE / 2, w: SIDE, h: SIDE };
      if (!onOwn(x, y) || !inPicture(grid, sq) || t.land(sq.x, sq.y, SIDE, SIDE) !== own(sq.x, sq.y, SIDE, SIDE)) continue;
      found.push({ box: sq, home: atHome(t.insets, c, x, y), off: Math.hypot(x + 0.5 - aim[0], y + 0.5 - aim[1]) });
    }
  }
  const centres = found.some((f) => f.home) ? found.filter((f) => f.home) : found;
  centres.sort((a, b) => a.off - b.off || a.box.y - b.box.y || a.box.x - b.box.x);
  return spread(centres, 3, 12).flatMap(({ box, off }) => withNames(t, c, "ring", box, null, off * 0.5));
}

// A box on a given square, with each name beside it that fits.
export function boxAt(t, c, square) {
  const { seg } = leaderLine(square, c.anchors);
  return withNames(t, c, "box", square, seg, BOX + lineCost(t.grid, seg, c.label));
}

function boxOptions(t, c, field, penalty) {
  return anchorSets(c, penalty).flatMap(({ anchors, cost }) =>
    nearestSpots(t.grid, field, { w: SIDE, h: SIDE }, t.free(c).noBox, 0, anchors, 8, 800)
      .flatMap((s) => withNames(t, c, "box", s.box, s.seg, BOX + cost + lineCost(t.grid, s.seg, c.label))));
}

// The shapes a name inside its country may take: one line, or for a name
// of several words two lines split where the wider is narrowest (`words`
// on the first), in the map's type or the smaller; each but the first
// costs a little more.
function nameShapes(c) {
  const shapes = [];
  for (const px of [PLACED_PX, SMALL_PX]) {
    const extra = px === PLACED_PX ? 0 : SMALLER;
    shapes.push({ w: Math.ceil(placedWidth(c.name, px)), h: lineHeight(px), words: 0, px, extra });
    const words = c.name.split(" ");
    let best = null;
    for (let k = 1; k < words.length; k++) {
      const w = Math.ceil(Math.max(placedWidth(words.slice(0, k).join(" "), px), placedWidth(words.slice(k).join(" "), px)));
      if (!best || w < best.w) best = { w, h: 2 * lineHeight(px), words: k, px, extra: extra + TWO_LINES };
    }
    if (best) shapes.push(best);
  }
  return shapes;
}

// Name boxes on the country's own pixels (all but a sliver), the deepest
// inside first;
// one away from where the country is seen best (the map, or the inset that
// shows it whole) only where there is no room there.
function insideOptions(t, c) {
  const { grid } = t;
  const own = summedArea(grid, (l) => l === c.label);
  const kept = nameShapes(c).flatMap(({ w, h, words, px, extra }) => {
    const out = [];
    for (let y = 0; y + h <= grid.h; y++) {
      for (let x = 0; x + w <= grid.w; x++) {
        const spill = 1 - own(x, y, w, h) / (w * h);
        if (spill > MOST_SPILL || crossesOutline(t.insets, { x, y, w, h })) continue;
        const depth = c.depth[(y + (h >> 1)) * grid.w + x + (w >> 1)] / 3;
        const off = Math.hypot(x + w / 2 - c.centre[0], y + h / 2 - c.centre[1]);
        const box = { x, y, w, h };
        const away = insetAt(t.insets, box) !== c.home ? IN_INSET : 0;
        out.push({ box, words, px, cost: -depth + off * 0.05 + extra + away + (spill ? SPILLS + spill * 400 : 0) });
      }
    }
    out.sort((a, b) => a.cost - b.cost || a.box.y - b.box.y || a.box.x - b.box.x);
    return spread(out, 5, 40);
  });
  const best = Math.min(...kept.map((o) => o.cost));
  return kept.map((o) => ({ kind: "inside", name: o.box, words: o.words, px: o.px, cost: o.cost - best }));
}

// Name boxes outside, 2 px clear of every quizzed country, nearest first.
function outsideOptions(t, c, field, penalty) {
  return anchorSets(c, penalty).flatMap(({ anchors, cost }) =>
    nearestSpots(t.grid, field, { w: c.nameW, h: PLACED_HEIGHT }, t.free(c).noName, 2, anchors, 8, 400)
      .filter((s) => !crossesOutline(t.insets, s.box))
      .map((s) => ({ kind: "outside", name: s.box, line: s.seg, cost: OUTSIDE + cost + lineCost(t.grid, s.seg, c.label) })));
}

// The points a leader line may end at, with what ending there costs: where
// the country is seen best, and for one shown in an inset anywhere it is.
function anchorSets(c, penalty) {
  const sets = [{ anchors: c.anchors, cost: penalty }];
  if (c.everywhere) sets.push({ anchors: c.everywhere, cost: penalty + AWAY });
  return sets;
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
    const inside = insideOptions(t, c);
    list = [...inside, ...outsideOptions(t, c, field, inside.length ? FALLBACK : 0)];
  }
  return list.filter((o) => o.cost < UNDRAWN).sort((a, b) => a.cost - b.cost);
}
