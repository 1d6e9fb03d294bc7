// One world map from the data to its three files and its figures.
import { continentsOf, features, landBorders, shapes } from "./data.mjs";
import { checkMap, passes } from "./checks.mjs";
import { colourCountries } from "./colour.mjs";
import { COUNTRIES } from "./countries.mjs";
import { mapText, namesText, svgText } from "./output.mjs";
import { placeGroupRings } from "./groups.mjs";
import { placeAll } from "./place.mjs";
import { landTotal, placementFigures, placementPasses, placementReport } from "./placement.mjs";
import { fitPoints, pictureProjection, projectShape, simplestWeight, unitBox } from "./project.mjs";
import { GREY, absorbSpecks, fill, makeGrid } from "./raster.mjs";
import { coverage, rectangles, targetGrid } from "./rects.mjs";
import { survey } from "./survey.mjs";
import { islandFacts } from "./whereabouts.mjs";
import { byName, placedWidth } from "./text.mjs";
import { chooseWindow } from "./window.mjs";
import { insetViews, paintInsets } from "./zoom.mjs";

// The map's countries in panel order, each with its grid label.
function quizzed(map) {
  return shapes.filter((s) => s.code && continentsOf(s.code).includes(map.continent))
    .map((s) => ({ code: s.code, name: COUNTRIES[s.code], shape: s }))
    .sort((a, b) => byName(a.name, b.name))
    .map((c, k) => ({ ...c, label: k + 2, nameW: Math.ceil(placedWidth(c.name)) }));
}

const wholeFeatures = features(0);

// The picture: the window chosen for the map's shape, and every shape in it
// rasterised, grey land first.
function picture(map, list) {
  const fitted = list.filter((c) => !map.unfitted?.includes(c.code));
  const box = unitBox(map, fitPoints(map, fitted.map((c) => wholeFeatures[c.shape.index])));
  const win = chooseWindow(list.map((c) => c.name), box.scaleFor, map.width);
  const projection = pictureProjection(map, box, win.picture);
  const detailFor = (p) => features(simplestWeight(p));
  const shown = detailFor(projection);
  const grid = makeGrid(win.picture.w, win.picture.h);
  const codes = new Set(list.map((c) => c.code));
  const greyShapes = shapes.filter((s) => !codes.has(s.code));
  const grey = greyShapes.map((s) => projectShape(shown[s.index], projection)).filter((r) => r.length);
  for (const rings of grey) fill(grid, rings, GREY);
  const countries = list.map((c) => ({ ...c, rings: projectShape(shown[c.shape.index], projection), zoomed: [] }));
  for (const c of countries) {
    if (!c.rings.length) throw new Error(`${c.code} lies outside the ${map.id} map`);
    fill(grid, c.rings, c.label);
  }
  const insets = insetViews(map, projection, win.picture);
  paintInsets(grid, insets, detailFor, greyShapes, countries);
  absorbSpecks(grid, countries.map((c) => c.label));
  for (const c of countries) if (map.markAt?.[c.code]) c.markAt = projection(map.markAt[c.code]);
  for (const c of countries) if (map.groups?.[c.code]) c.groups = map.groups[c.code].map((p) => projection(p));
  return { win, grid, grey, countries, insets };
}

function report(map, win, countries, rects, f, svgBytes) {
  const kinds = (k) => f.marks.filter((m) => m.endsWith(k)).map((m) => m.split(":")[0]);
  return [
    `${map.id}: ${countries.length} countries, window ${win.client.w}x${win.client.h}, picture ${win.picture.w}x${win.picture.h}, ${win.rows} rows`,
    `  ${rects.length} rectangles; core covered at least ${(f.coverage.share * 100).toFixed(1)} % (${f.coverage.code}); ` +
      `target pixels on other land ${f.targetsOnOtherLand}`,
    `  smallest target ${f.area.value} px² (${f.area.code}), narrowest ${f.span.value} px (${f.span.code}), ` +
      `smallest square ${f.square.value} px (${f.square.code})`,
    `  rings ${kinds("ring").length} (${kinds("ring").join(" ")}), boxes ${kinds("box").length} (${kinds("box").join(" ")})`,
    `  name overlaps ${f.nameOverlaps}, name/line crossings ${f.nameLineCrossings}, line/line crossings ${f.lineCrossings}; svg ${(svgBytes / 1024).toFixed(0)} KB`,
  ].join("\n");
}

export function buildMap(map) {
  const { win, grid, grey, countries: drawn, insets } = picture(map, quizzed(map));
  const countries = survey(grid, drawn, insets);
  const { placed, failed } = placeAll(grid, countries, insets);
  placeGroupRings(grid, countries, placed);
  const target = targetGrid(grid, countries, placed);
  const rects = rectangles(target);
  const f = checkMap(grid, target, countries, placed, rects, coverage(grid, rects, countries.length + 2));
  const codes = new Set(countries.map((c) => c.code));
  const borders = landBorders.filter((p) => p.split(" ").every((c) => codes.has(c)));
  const svg = svgText(win.picture, countries, grey, colourCountries([...codes], borders), placed, insets);
  const files = {
    [`${map.id}.svg`]: svg,
    [`${map.id}.txt`]: namesText(countries),
    [`${map.id}.map`]: mapText(map, win, countries, placed, rects, borders, islandFacts(grid, insets, countries)),
  };
  const p = placementFigures(grid, countries, placed);
  const text = report(map, win, countries, rects, f, Buffer.byteLength(svg)) + "\n" + placementReport(p) +
    (failed.length ? `\n  still clashing: ${failed.join(" ")}` : "");
  return { files, report: text, ok: passes(f) && placementPasses(p) && !failed.length, overLand: landTotal(p) };
}
