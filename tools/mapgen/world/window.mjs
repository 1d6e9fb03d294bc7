// The quiz window of a world map: the panel of names in the banner at the
// bottom, and the map picture above it, all in client pixels.
import { panelWidth } from "./text.mjs";

export const MIN_W = 784, MAX_W = 1240, HEIGHT = 690;
// Fixed by the quiz's panel: where its name cells start, their pitch and height.
const FIRST_X = 148, ROW_PITCH = 14, CELL_H = 19, FIRST_ROW = 6, COLUMN_GAP = 10, MIN_ROWS = 10;

// The name cells in columns of `rows` names, down each column first; null
// when the last column would end past the right margin.
function columns(names, rows, width) {
  const cells = [];
  let x = FIRST_X;
  for (let c = 0; c * rows < names.length; c++) {
    const column = names.slice(c * rows, (c + 1) * rows);
    const w = Math.ceil(Math.max(...column.map(panelWidth))) + 6;
    column.forEach((name, row) => cells.push({ name, x, row, w }));
    x += w + COLUMN_GAP;
  }
  return x - COLUMN_GAP <= width - 10 ? cells : null;
}

// The layout of a window `width` wide for these names (in panel order), or
// null when they do not fit at any number of rows.
export function windowLayout(names, width) {
  for (let rows = MIN_ROWS; rows <= names.length; rows++) {
    const cells = columns(names, rows, width);
    if (!cells) continue;
    const bannerH = ROW_PITCH * rows + 20;
    const banner = { x: 6, y: HEIGHT - 4 - bannerH, w: width - 12, h: bannerH };
    return {
      client: { w: width, h: HEIGHT },
      picture: { x: 6, y: 6, w: width - 12, h: banner.y - 6 },
      banner,
      rows,
      cells: cells.map(({ name, x, row, w }) => ({ name, x, y: banner.y + FIRST_ROW + ROW_PITCH * row, w, h: CELL_H })),
    };
  }
  return null;
}

// The window width whose picture shows the map largest: `extent` gives the
// map's scale for a picture size; among widths within 0.5 % of the best
// scale, the narrowest. A map may set its width instead, to leave sea beside
// the land for the boxes of small countries.
export function chooseWindow(names, extent, width) {
  if (width) return windowLayout(names, width);
  const options = [];
  for (let width = MIN_W; width <= MAX_W; width += 4) {
    const layout = windowLayout(names, width);
    if (layout) options.push({ layout, scale: extent(layout.picture) });
  }
  const best = Math.max(...options.map((o) => o.scale));
  return options.find((o) => o.scale >= best * 0.995).layout;
}
