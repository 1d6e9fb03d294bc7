// A first place for every box: spots in the sea packed apart with room for
// a name beside each, and the boxed countries given spots by the least total
// length of leader lines (such an assignment has no two lines crossing).
import { inPicture, leaderLine, lineCost } from "./spots.mjs";
import { distanceFrom } from "./raster.mjs";
import { PLACED_HEIGHT } from "./text.mjs";

const SIDE = 24, MOST_ROOM = 128;
const grow = (b, g) => ({ x: b.x - g, y: b.y - g, w: b.w + 2 * g, h: b.h + 2 * g });
const overlap = (a, b) => a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;

// How wide a name may be on one side of a box (right, left, below, above)
// before it meets the picture's edge or an area taken.
function roomBeside(grid, taken, box, side) {
  let best = 0;
  for (let w = 24; w <= MOST_ROOM; w += 8) {
    const x = side === 0 ? box.x + SIDE + 3 : side === 1 ? box.x - 3 - w : box.x + (SIDE - w) / 2;
    const y = side < 2 ? box.y + (SIDE - PLACED_HEIGHT) / 2 : side === 2 ? box.y + SIDE + 2 : box.y - 2 - PLACED_HEIGHT;
    const name = { x: Math.round(x), y, w, h: PLACED_HEIGHT };
    if (!inPicture(grid, name) || taken.some((r) => overlap(r, grow(name, 2)))) break;
    best = w;
  }
  return best;
}

// Spots nearest the boxed countries first, each kept when its box clears
// every area taken before and the narrowest name fits beside it; it then
// takes its box and a name up to `typical` px wide on its roomiest side,
// and keeps how wide a name that side allows.
function packSlots(t, boxed, narrowest, typical, most) {
  const { grid } = t;
  const field = distanceFrom(grid, boxed.map((c) => c.label), boxed.map((c) => c.centre));
  const spots = [];
  for (let y = 0; y + SIDE <= grid.h; y += 2) {
    for (let x = 0; x + SIDE <= grid.w; x += 2) {
      if (!t.noBox(x, y, SIDE, SIDE)) spots.push({ x, y, near: field[(y + 12) * grid.w + x + 12] });
    }
  }
  spots.sort((a, b) => a.near - b.near || a.y - b.y || a.x - b.x);
  const slots = [], taken = [];
  for (const { x, y } of spots) {
    if (slots.length >= most) break;
    const box = { x, y, w: SIDE, h: SIDE };
    if (taken.some((r) => overlap(r, grow(box, 2)))) continue;
    const rooms = [0, 1, 2, 3].map((side) => roomBeside(grid, taken, box, side));
    const side = rooms.indexOf(Math.max(...rooms));
    if (rooms[side] < narrowest) continue;
    const w = Math.min(typical, rooms[side]);
    const nx = side === 0 ? x + SIDE + 3 : side === 1 ? x - 3 - w : x + (SIDE - w) / 2;
    const ny = side < 2 ? y + (SIDE - PLACED_HEIGHT) / 2 : side === 2 ? y + SIDE + 2 : y - 2 - PLACED_HEIGHT;
    taken.push(box, { x: nx, y: ny, w, h: PLACED_HEIGHT });
    slots.push({ box, room: rooms[side] });
  }
  return slots;
}

// The least-cost assignment of n rows to distinct columns of an n by m
// cost matrix (n <= m), by the Hungarian method with potentials.
function assign(cost) {
  const n = cost.length, m = cost[0].length;
  const u = new Array(n + 1).fill(0), v = new Array(m + 1).fill(0);
  const p = new Array(m + 1).fill(0), way = new Array(m + 1).fill(0);
  for (let i = 1; i <= n; i++) {
    p[0] = i;
    let j0 = 0;
    const minv = new Array(m + 1).fill(Infinity), used = new Array(m + 1).fill(false);
    do {
      used[j0] = true;
      const i0 = p[j0];
      let delta = Infinity, j1 = 0;
      for (let j = 1; j <= m; j++) {
        if (used[j]) continue;
        const cur = cost[i0 - 1][j - 1] - u[i0] - v[j];
        if (cur < minv[j]) { minv[j] = cur; way[j] = j0; }
        if (minv[j] < delta) { delta = minv[j]; j1 = j; }
      }
      for (let j = 0; j <= m; j++) {
        if (used[j]) { u[p[j]] += delta; v[j] -= delta; } else minv[j] -= delta;
      }
      j0 = j1;
    } while (p[j0] !== 0);
    do { const j1 = way[j0]; p[j0] = p[j1]; j0 = j1; } while (j0);
  }
  const out = new Array(n);
  for (let j = 1; j <= m; j++) if (p[j]) out[p[j] - 1] = j - 1;
  return out;
}

// A box square for each boxed country (in the order given).
export function firstBoxes(t, boxed) {
  if (!boxed.length) return [];
  const widths = boxed.map((c) => c.nameW).sort((a, b) => a - b);
  const slots = packSlots(t, boxed, widths[0], widths[widths.length >> 1], Math.max(4 * boxed.length, 60));
  if (slots.length < boxed.length) throw new Error("too few spots in the sea for the boxes");
  // A slot too narrow for the name costs as much as a line across the map.
  const cost = boxed.map((c) => slots.map((s) => lineCost(t.grid, leaderLine(s.box, c.anchors).seg, c.label) + (c.nameW > s.room ? 2000 : 0)));
  return assign(cost).map((j) => slots[j].box);
}
