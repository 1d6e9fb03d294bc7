// Fills from the palette such that no two bordering countries share one:
// largest number of neighbours first, greedy, backtracking when stuck.
import { PALETTE } from "../style.mjs";

export function colourCountries(codes, borders) {
  const nb = new Map(codes.map((c) => [c, []]));
  for (const pair of borders) {
    const [a, b] = pair.split(" ");
    nb.get(a).push(b); nb.get(b).push(a);
  }
  const order = codes.slice().sort((a, b) => nb.get(b).length - nb.get(a).length || (a < b ? -1 : 1));
  const colour = new Map();
  // Each country tries the colours from the one after its predecessor's, so
  // that the palette spreads evenly over the map.
  const assign = (k, start) => {
    if (k === order.length) return true;
    const c = order[k];
    const used = new Set(nb.get(c).map((n) => colour.get(n)));
    for (let j = 0; j < PALETTE.length; j++) {
      const candidate = (start + j) % PALETTE.length;
      if (used.has(candidate)) continue;
      colour.set(c, candidate);
      if (assign(k + 1, (candidate + 1) % PALETTE.length)) return true;
      colour.delete(c);
    }
    return false;
  };
  if (!assign(0, 0)) throw new Error("no colouring with the palette");
  return new Map([...colour].map(([c, i]) => [c, PALETTE[i]]));
}
