// Colours no two bordering states share, and the land borders the quiz's
// arrow keys follow.
import { neighbors } from "topojson-client";
import { CODES, DC, POSTAL, geoms } from "./layout.mjs";
import { PALETTE } from "./style.mjs";

export { PALETTE };

export function colourStates() {
  const idx = new Map(geoms.map((g, i) => [g, i]));
  const adj = neighbors(geoms);
  const codeOf = (i) => (geoms[i].id === DC ? "MD" : POSTAL[geoms[i].id]);
  const nb = new Map(CODES.map((c) => [c, new Set()]));
  geoms.forEach((g, i) => {
    const a = codeOf(i);
    if (!a) return;
    for (const j of adj[idx.get(g)]) {
      const b = codeOf(j);
      if (b && b !== a) { nb.get(a).add(b); nb.get(b).add(a); }
    }
  });
  // The land borders, each pair once: the quiz's arrow keys follow them.
  const borders = [];
  for (const [a, set] of nb) for (const b of set) if (a < b) borders.push(`${a}-${b}`);
  borders.sort();
  // The Four Corners touch diagonally at one point; keep them apart too.
  for (const [a, b] of [["UT", "NM"], ["AZ", "CO"]]) { nb.get(a).add(b); nb.get(b).add(a); }
  // Largest degree first, then greedy: a planar map needs no more than six here.
  const order = CODES.slice().sort((a, b) => nb.get(b).size - nb.get(a).size || (a < b ? -1 : 1));
  const colour = new Map();
  let next = 0;
  for (const c of order) {
    const used = new Set([...nb.get(c)].map((n) => colour.get(n)));
    // Rotate the starting colour so the palette spreads evenly over the map.
    for (let k = 0; k < PALETTE.length; k++) {
      const candidate = (next + k) % PALETTE.length;
      if (!used.has(candidate)) { colour.set(c, candidate); break; }
    }
    if (!colour.has(c)) throw new Error(`no colour left for ${c}`);
    next = (colour.get(c) + 1) % PALETTE.length;
  }
  return { colour, nb, borders };
}
