// The six world maps: which continent each quizzes, its projection, and the
// part of the globe its picture is fitted to. A fit box is [west, south,
// east, north] in degrees; east may pass 180 for land beyond the antimeridian.
import { geoAzimuthalEqualArea, geoConicEqualArea } from "d3-geo";

export const MAPS = [
  {
    id: "africa", title: "Africa", continent: "AF",
    // Cape Verde to Mauritius and Rodrigues; Spain's and France's islands off
    // Africa are cut away by the fit, not by the frame.
    projection: () => geoAzimuthalEqualArea().rotate([-17, -2]).clipAngle(100),
    fit: [[-26, -36, 64, 38]],
  },
  {
    id: "asia", title: "Asia", continent: "AS",
    // Turkey to Japan, Kazakhstan to Indonesia. Russia, which countries-list
    // counts in Asia, is cut at the picture's top: fitted whole, it would
    // shrink the Middle East and South-East Asia to specks.
    projection: () => geoConicEqualArea().parallels([10, 40]).rotate([-68, 0]),
    fit: [[25, -11, 150, 55]],
    // The widest window, the land to its right: the Mediterranean to the
    // west holds the boxes of the Levant's small countries.
    width: 1240, align: [1, 0.5],
  },
  {
    id: "europe", title: "Europe", continent: "EU",
    // Iceland to the Urals' foot; the Azores, Madeira, the Canaries, Svalbard
    // and the overseas parts of France, the Netherlands and Portugal are left
    // out of the fit.
    projection: () => geoConicEqualArea().parallels([43, 62]).rotate([-12, 0]),
    fit: [[-25, 34, 45, 72]],
    // Russia, which runs on across Asia, is cut by the frame wherever the
    // rest of Europe puts it: fitting its European part too would shrink
    // the Baltic states and the Balkans.
    unfitted: ["RU"],
    // The widest window, the land centred: the seas on both sides and the
    // Black Sea hold the boxes of the small countries near them.
    width: 1240,
  },
  {
    id: "north-america", title: "North America", continent: "NA",
    // Alaska to Newfoundland, Ellesmere Island to Panama and Trinidad; Hawaii
    // and the far Aleutians are left out.
    projection: () => geoAzimuthalEqualArea().rotate([98, -47]).clipAngle(100),
    fit: [[-170, 24, -50, 84], [-120, 6, -58, 24]],
  },
  {
    id: "south-america", title: "South America", continent: "SA",
    // The Galápagos to Brazil's Atlantic islands; Easter Island is left out.
    projection: () => geoAzimuthalEqualArea().rotate([60, 22]).clipAngle(100),
    fit: [[-92, -56, -28, 13]],
  },
  {
    id: "oceania", title: "Oceania", continent: "OC",
    // Australia to Kiribati's Line Islands across the antimeridian; New
    // Zealand's subantarctic islands are left out.
    projection: () => geoAzimuthalEqualArea().rotate([-162, 16]).clipAngle(100),
    fit: [[110, -48, 212, 16]],
  },
];

// Whether a longitude/latitude lies in one of a map's fit boxes.
export function inFit(map, [lon, lat]) {
  return map.fit.some(([w, s, e, n]) => lat >= s && lat <= n &&
    ((lon >= w && lon <= e) || (lon + 360 >= w && lon + 360 <= e)));
}
