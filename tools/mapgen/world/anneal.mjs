// Picks one option per country so that none clash, at the least total cost:
// simulated annealing with a fixed seed, so the same land gives the same
// picks every run.
import { boxesOverlap, segmentEntersBox, segmentsCross } from "./geom.mjs";

// What a clash weighs, in pixels of leader line: boxes closer than 2 px,
// a name within 3 px of another country's ring or box (it reads as that
// country's), lines that meet, a line through a name, ring or box must not
// stay.
export const HARD = 1000;
// The annealing's starting temperature, in pixels of line, the options
// drawn for each step (the best of which is tried), the seeds tried, and
// the passes of the descent that ends each run.
const T0 = 50, DRAWS = 6, SEEDS = 4, PASSES = 8;

const grow = (b, g) => ({ x: b.x - g, y: b.y - g, w: b.w + 2 * g, h: b.h + 2 * g });

// An option's boxes (its name, its square) and its line, the boxes grown by
// a pixel for lines to keep clear of, and a bound around them all for a
// quick first test.
export function prepare(o) {
  const boxes = o.square ? [o.name, o.square] : [o.name];
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  const take = (x, y) => { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); };
  for (const b of boxes) { take(b.x, b.y); take(b.x + b.w, b.y + b.h); }
  if (o.line) for (const [x, y] of o.line) take(x, y);
  const near = { name: grow(o.name, 1), square: o.square && grow(o.square, 1) };
  return { ...o, boxes, near, bound: { x: x0, y: y0, w: x1 - x0, h: y1 - y0 } };
}

const lineThrough = (line, o) => segmentEntersBox(line, o.near.name) || (o.square && segmentEntersBox(line, o.near.square));
const nameByMark = (a, b) => b.square && boxesOverlap(a.name, b.square, 3);

// What the clash of two countries' options weighs (0: none).
export function clash(a, b) {
  if (!boxesOverlap(a.bound, b.bound, 3)) return 0;
  for (const p of a.boxes) for (const q of b.boxes) if (boxesOverlap(p, q, 2)) return HARD;
  if (nameByMark(a, b) || nameByMark(b, a)) return HARD;
  if (a.line && b.line && segmentsCross(a.line, b.line)) return HARD;
  return (a.line && lineThrough(a.line, b)) || (b.line && lineThrough(b.line, a)) ? HARD : 0;
}

function random(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// The state of the search: a pick per country, what its clashes weigh, and
// the bounds of the picks kept apart for the quick first test.
function makeState(options, start) {
  const n = options.length, pick = start.slice();
  const bounds = new Float64Array(4 * n);
  const keep = (j) => {
    const b = options[j][pick[j]].bound;
    bounds.set([b.x - 3, b.y - 3, b.x + b.w + 3, b.y + b.h + 3], 4 * j);
  };
  for (let j = 0; j < n; j++) keep(j);
  const weightOf = (i, o) => {
    const { x, y, w: bw, h: bh } = o.bound;
    let w = 0;
    for (let j = 0; j < n; j++) {
      const k = 4 * j;
      if (j === i || x >= bounds[k + 2] || bounds[k] >= x + bw || y >= bounds[k + 3] || bounds[k + 1] >= y + bh) continue;
      w += clash(o, options[j][pick[j]]);
    }
    return w;
  };
  const clashes = options.map((opts, i) => weightOf(i, opts[pick[i]]));
  const set = (i, p, w) => {
    const before = options[i][pick[i]], after = options[i][p];
    pick[i] = p;
    keep(i);
    for (let j = 0; j < n; j++) if (j !== i) clashes[j] += clash(after, options[j][pick[j]]) - clash(before, options[j][pick[j]]);
    clashes[i] = w;
  };
  return { n, pick, clashes, weightOf, set };
}

// A country to move: one with a hard clash most of the time, if any has.
function chooseCountry(st, rnd) {
  let hard = 0;
  for (let i = 0; i < st.n; i++) if (st.clashes[i] >= HARD) hard++;
  if (!hard || rnd() >= 0.8) return Math.floor(rnd() * st.n);
  let k = Math.floor(rnd() * hard);
  for (let i = 0; i < st.n; i++) if (st.clashes[i] >= HARD && k-- === 0) return i;
  return 0;
}

// The best of a few options drawn for country i, the cheap ones more often.
function draw(options, st, i, rnd) {
  let best = null;
  for (let d = 0; d < DRAWS; d++) {
    const q = Math.floor(options[i].length * rnd() ** 2);
    if (q === st.pick[i]) continue;
    const w = st.weightOf(i, options[i][q]);
    const delta = options[i][q].cost - options[i][st.pick[i]].cost + w - st.clashes[i];
    if (!best || delta < best.delta) best = { p: q, w, delta };
  }
  return best;
}

// Then each country in turn takes the option that lowers the total most
// (its cost and what its clashes weigh), until none does or the passes run
// out.
function descend(options, st) {
  for (let pass = 0, changed = true; changed && pass < PASSES; pass++) {
    changed = false;
    for (let i = 0; i < st.n; i++) {
      const now = options[i][st.pick[i]].cost + st.clashes[i];
      let best = -1, bestE = now - 1e-9, bestW = 0;
      for (let p = 0; p < options[i].length; p++) {
        if (options[i][p].cost >= bestE) break;
        const w = st.weightOf(i, options[i][p]);
        if (options[i][p].cost + w < bestE) { best = p; bestE = options[i][p].cost + w; bestW = w; }
      }
      if (best >= 0) { st.set(i, best, bestW); changed = true; }
    }
  }
}

// The picks (an option index per country) and each country's hard clashes:
// a run from each seed in turn until one leaves none.
export function anneal(options, steps, start) {
  let best = null;
  for (let seed = 1; seed <= SEEDS; seed++) {
    const run = annealFrom(options, steps, start, seed);
    const left = run.clashes.filter(Boolean).length;
    if (!best || left < best.left) best = { ...run, left };
    if (!left) break;
  }
  return best;
}

function annealFrom(options, steps, start, seed) {
  const rnd = random(seed), st = makeState(options, start);
  const total = () => st.pick.reduce((s, p, i) => s + options[i][p].cost, 0) + st.clashes.reduce((s, w) => s + w, 0) / 2;
  let e = total(), best = { e, pick: st.pick.slice() };
  for (let step = 0; step < steps; step++) {
    const T = T0 * Math.pow(0.3 / T0, step / steps);
    const i = chooseCountry(st, rnd);
    const move = draw(options, st, i, rnd);
    if (!move || (move.delta > 0 && rnd() >= Math.exp(-move.delta / T))) continue;
    st.set(i, move.p, move.w);
    e += move.delta;
    if (e < best.e - 1e-9) best = { e, pick: st.pick.slice() };
  }
  best.pick.forEach((p, i) => st.set(i, p, st.weightOf(i, options[i][p])));
  descend(options, st);
  const hardLeft = st.pick.map((p, i) => options.some((opts, j) => j !== i && clash(options[i][p], opts[st.pick[j]]) >= HARD));
  return { pick: st.pick, clashes: hardLeft };
}
