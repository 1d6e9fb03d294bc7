// Plane geometry of boxes {x, y, w, h} and segments [[x1, y1], [x2, y2]].

// Whether two boxes, each grown by `gap`, share any area.
export function boxesOverlap(a, b, gap = 0) {
  return a.x < b.x + b.w + gap && b.x < a.x + a.w + gap && a.y < b.y + b.h + gap && b.y < a.y + a.h + gap;
}

const orient = (a, b, c) => Math.sign((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]));
const within = (a, b, c) => Math.min(a[0], b[0]) <= c[0] && c[0] <= Math.max(a[0], b[0]) &&
  Math.min(a[1], b[1]) <= c[1] && c[1] <= Math.max(a[1], b[1]);

// Whether two segments meet anywhere, ends included.
export function segmentsCross([p, q], [r, s]) {
  const o1 = orient(p, q, r), o2 = orient(p, q, s), o3 = orient(r, s, p), o4 = orient(r, s, q);
  if (o1 !== o2 && o3 !== o4 && o1 * o2 <= 0 && o3 * o4 <= 0) return true;
  return (o1 === 0 && within(p, q, r)) || (o2 === 0 && within(p, q, s)) ||
    (o3 === 0 && within(r, s, p)) || (o4 === 0 && within(r, s, q));
}

// Whether a segment passes through the inside of a box (running along its
// edge, or ending on it, does not count): the segment clipped to the box
// (Liang-Barsky), then its middle tested.
export function segmentEntersBox([p, q], b) {
  const dx = q[0] - p[0], dy = q[1] - p[1];
  const t = [0, 1];
  if (!clip(-dx, p[0] - b.x, t) || !clip(dx, b.x + b.w - p[0], t) ||
    !clip(-dy, p[1] - b.y, t) || !clip(dy, b.y + b.h - p[1], t) || t[0] >= t[1]) return false;
  const mx = p[0] + dx * (t[0] + t[1]) / 2, my = p[1] + dy * (t[0] + t[1]) / 2;
  return mx > b.x && mx < b.x + b.w && my > b.y && my < b.y + b.h;
}

// Narrows [t0, t1] to where den * t <= num; false when nothing is left.
function clip(den, num, t) {
  if (den === 0) return num >= 0;
  const r = num / den;
  if (den < 0) { if (r > t[0]) t[0] = r; } else if (r < t[1]) t[1] = r;
  return t[0] <= t[1];
}

// The point of a box nearest to a point.
export function nearestOnBox(b, [x, y]) {
  return [Math.min(Math.max(x, b.x), b.x + b.w), Math.min(Math.max(y, b.y), b.y + b.h)];
}

// A ring's shoelace sums: twice its signed area, and its first moments
// times six; its centroid is [cx / (3 a), cy / (3 a)].
export function ringMoments(ring) {
  let a = 0, cx = 0, cy = 0;
  for (let k = 0, n = ring.length; k < n; k++) {
    const [x0, y0] = ring[k], [x1, y1] = ring[(k + 1) % n];
    const f = x0 * y1 - x1 * y0;
    a += f; cx += (x0 + x1) * f; cy += (y0 + y1) * f;
  }
  return { a, cx, cy };
}
