// Text widths from the fonts' advance widths, and the names' sort order.
import { bold, narrow } from "./fontwidths.mjs";

// Width in pixels of a text in a font at a size, kerning ignored, with 10 %
// and 2 px to spare so that the real font (hinted, or a close substitute)
// still fits.
function measure(font, size, text) {
  let units = 0;
  for (const ch of text) {
    const w = font.advances[ch];
    if (w === undefined) throw new Error(`no advance width for ${JSON.stringify(ch)}`);
    units += w;
  }
  return (units * size) / font.unitsPerEm * 1.1 + 2;
}

// A panel name: Liberation Sans Bold at 15 px.
export const panelWidth = (text) => measure(bold, 15, text);
// A name placed on the map: Liberation Sans Narrow at 11 px, or in the
// smaller type a country too narrow for its name takes.
export const PLACED_PX = 11, SMALL_PX = 9;
export const placedWidth = (text, px = PLACED_PX) => measure(narrow, px, text);
// Placed names stand in a box this tall, a line of the smaller type in one
// as much shorter.
export const PLACED_HEIGHT = 14;
export const lineHeight = (px) => PLACED_HEIGHT - (PLACED_PX - px);

// The sort key of a name: accents folded to their ASCII letters (Unicode
// canonical decomposition, marks dropped), then plain byte order.
export const foldAccents = (text) => text.normalize("NFD").replace(/[\u0300-\u036f]/g, "");
export const byName = (a, b) => {
  const x = foldAccents(a), y = foldAccents(b);
  return x < y ? -1 : x > y ? 1 : 0;
};
