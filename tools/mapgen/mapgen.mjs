// Generates assets/map.svg: the fifty states drawn into the map rectangle of
// the quiz window, fitted so that each state lies under the hit rectangles
// that carry its code.
//
//   cd tools/mapgen && npm ci && npm run generate -- <layoutdump> [out.svg]
//
// <layoutdump> is the program the build makes in tools/layoutdump: it prints
// the quiz's own layout, and which code receives a drop at each sample of the
// map by the quiz's own hit test. The output depends only on the pinned data
// packages and on that layout, so running it twice gives the same bytes.

import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { CODES, H, LOWER48, W, byCode, projectRings, root, stateArcs } from "./layout.mjs";
import { rasterize } from "./raster.mjs";
import { correctLocally, figures, fitMainland, mainlandProjection, projectArcs } from "./lower48.mjs";
import { fitAlaska, fitHawaii } from "./insets.mjs";
import { PALETTE, colourStates } from "./colours.mjs";
import { lakeRings, pathData } from "./svg.mjs";

function main() {
  const fit = fitMainland();
  const p = fit.x;
  console.log(`lower 48: ${(fit.value * 100).toFixed(2)} % of rectangle area on its own state`);
  console.log(`  central meridian ${p[0].toFixed(2)}, parallels ${p[1].toFixed(2)} / ${p[2].toFixed(2)}`);

  const globalArcs = projectArcs(stateArcs, mainlandProjection(p));
  const before = figures(rasterize(CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), globalArcs) : null))));
  const local = correctLocally(globalArcs);
  const mainArcs = projectArcs(globalArcs, local);
  const after = figures(rasterize(CODES.map((c) => (LOWER48.includes(c) ? projectRings(byCode.get(c), mainArcs) : null))));
  for (const [label, f] of [["global fit", before], ["with local correction", after]]) {
    console.log(`${label}: a ${(f.a * 100).toFixed(2)} %, b mean ${(f.meanB * 100).toFixed(1)} %, ` +
      `b min ${(f.minB * 100).toFixed(1)} %, names and lines off their state ${f.misses}`);
  }
  const akArcs = projectArcs(stateArcs, fitAlaska());
  const hiArcs = projectArcs(stateArcs, fitHawaii());
  const arcsFor = (code) => (code === "AK" ? akArcs : code === "HI" ? hiArcs : mainArcs);

  const { colour, borders } = colourStates();
  const lines = [];
  lines.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">`);
  // Which states share a land border (the build reads this line).
  lines.push(`<metadata id="borders">${borders.join(" ")}</metadata>`);
  lines.push(`<rect width="${W}" height="${H}" fill="#ffffff"/>`);
  const lakeProjection = mainlandProjection(p);
  lines.push(`<path id="lakes" fill="#1b2a5c" fill-rule="evenodd" d="${pathData(lakeRings((pt) => local(lakeProjection(pt))))}"/>`);
  lines.push(`<g stroke="#8a8a8a" stroke-width="0.6" stroke-linejoin="round" fill-rule="evenodd">`);
  for (const code of CODES) {
    const rings = projectRings(byCode.get(code), arcsFor(code));
    lines.push(`<path id="${code}" fill="${PALETTE[colour.get(code)]}" d="${pathData(rings)}"/>`);
  }
  lines.push(`</g>`);
  lines.push(`</svg>`);
  const out = process.argv[3] ?? join(root, "assets/map.svg");
  writeFileSync(out, lines.join("\n") + "\n");
  console.log(`wrote ${out}`);
}

main();
