// What every map picture shares: the fill colours of the quizzed regions and
// path data written to 0.01 px.

// The fills given to regions so that no two bordering ones share one.
export const PALETTE = ["#a9d3ee", "#6cc2b5", "#f6e27f", "#f08d6b", "#ecdcbc", "#c9b6e2"];

export const fmt = (v) => {
  const s = (Math.round(v * 100) / 100).toFixed(2).replace(/\.?0+$/, "");
  return s === "-0" ? "0" : s;
};

// Rings as SVG path data; repeated points are dropped, and so are rings left
// with fewer than three.
export function pathData(rings) {
  let d = "";
  for (const ring of rings) {
    let last = "";
    let part = "";
    let count = 0;
    for (const [x, y] of ring) {
      const p = `${fmt(x)},${fmt(y)}`;
      if (p === last) continue;
      part += (count ? "L" : "M") + p;
      last = p;
      count++;
    }
    if (count >= 3) d += part + "Z";
  }
  return d;
}
