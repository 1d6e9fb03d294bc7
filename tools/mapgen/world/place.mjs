// Places the rings, boxes and names of a map: the options of every country,
// then one picked for each so that none clash.
import { anneal, prepare } from "./anneal.mjs";
import { boxAt, optionsOf } from "./options.mjs";
import { firstBoxes } from "./slots.mjs";
import { UNDRAWN, landTables } from "./spots.mjs";

// Annealing steps for each country of the map.
const STEPS_PER_COUNTRY = 4000;

export function placeAll(grid, countries, insets) {
  const t = landTables(grid, insets);
  const options = countries.map((c) => optionsOf(t, c).map(prepare));
  const empty = countries.filter((c, i) => !options[i].length).map((c) => c.code);
  if (empty.length) throw new Error(`no place at all for ${empty.join(" ")}`);
  // The boxed countries start on the squares the assignment gives them.
  const start = options.map(() => 0);
  const boxed = countries.map((c, i) => i).filter((i) => options[i][0].kind === "box");
  firstBoxes(t, boxed.map((i) => countries[i])).forEach((square, k) => {
    const i = boxed[k], mine = boxAt(t, countries[i], square).filter((o) => o.cost < UNDRAWN).map(prepare);
    if (!mine.length) return;
    options[i] = [...options[i], ...mine].sort((a, b) => a.cost - b.cost);
    start[i] = options[i].indexOf(mine[0]);
  });
  const { pick, clashes } = anneal(options, STEPS_PER_COUNTRY * countries.length, start);
  const placed = new Map(countries.map((c, i) => [c.code, options[i][pick[i]]]));
  return { placed, failed: countries.filter((c, i) => clashes[i]).map((c) => c.code) };
}
