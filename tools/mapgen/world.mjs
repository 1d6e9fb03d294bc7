// Generates the world maps: for each continent a picture of its countries
// (<id>.svg), their names in panel order (<id>.txt) and the quiz window's
// layout, names, leader lines, drop targets and land borders (<id>.map);
// and the list of the maps (maps.list: id and title, a tab between), which
// the build, the program's catalogue, the tests and the bench read.
//
//   cd tools/mapgen && npm ci && npm run world -- [outdir]
//
// outdir defaults to assets/maps. The output depends only on the pinned
// packages and the committed font widths, so running it twice gives the
// same bytes. It prints each map's checks and exits 1 if one fails.
import { mkdirSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { MAPS } from "./world/maps.mjs";
import { buildMap } from "./world/build.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const MOST_OVER_LAND = 200;
const outdir = resolve(process.argv[2] ?? join(here, "..", "..", "assets", "maps"));

function main() {
  mkdirSync(outdir, { recursive: true });
  let failed = 0, overLand = 0;
  for (const map of MAPS) {
    const started = Date.now();
    const { files, report, ok, overLand: mine } = buildMap(map);
    overLand += mine;
    for (const [name, text] of Object.entries(files)) writeFileSync(join(outdir, name), text);
    console.log(`${report}\n  ${((Date.now() - started) / 1000).toFixed(1)} s${ok ? "" : "  FAILED"}`);
    if (!ok) failed++;
  }
  const list = [...MAPS].sort((a, b) => (a.id < b.id ? -1 : 1)).map((m) => `${m.id}\t${m.title}\n`).join("");
  writeFileSync(join(outdir, "maps.list"), list);
  console.log(`wrote ${MAPS.length} maps to ${outdir}`);
  // Lines may cross other countries only where a coast leaves no room.
  console.log(`leader lines over other countries' land, all maps: ${overLand} px (at most ${MOST_OVER_LAND})`);
  if (failed || overLand > MOST_OVER_LAND) process.exit(1);
}

main();
