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
    insets: [
      { id: "west-coast", area: [-17.8, 4.2, -7.3, 16.8], zoom: 2, at: [8, 180] },
      { id: "gulf-of-guinea", area: [-3.4, 5.8, 3.9, 11.3], zoom: 2.5, at: [-8, 340] },
      { id: "great-lakes", area: [28.7, -4.6, 35.2, 4.4], zoom: 2.5, at: [-8, 8] },
    ],
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
    insets: [
      { id: "caucasus", area: [39.5, 38.2, 51, 43.8], zoom: 3, at: [8, 8] },
      { id: "levant", area: [33.6, 29, 37.5, 35], zoom: 4, at: [8, 196] },
      { id: "gulf", area: [46.5, 22.5, 56.5, 30.2], zoom: 2.5, at: [164, 196] },
      { id: "central-asia", area: [67, 36.5, 80.5, 43.5], zoom: 1.6, at: [-4, 190] },
      { id: "himalaya", area: [80, 26, 92.2, 30.5], zoom: 1.8, at: [440, -6] },
    ],
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
    insets: [
      { id: "benelux", area: [2.4, 49.3, 7.3, 53.7], zoom: 3, at: [8, 110] },
      { id: "alps", area: [5.8, 43.5, 17.2, 48.9], zoom: 2, at: [162, 110] },
      { id: "balkans", area: [15.5, 40.3, 23.1, 46.3], zoom: 2.5, at: [-8, -8] },
      { id: "baltic", area: [20.9, 53.8, 28.3, 59.8], zoom: 1.6, at: [8, 322] },
      { id: "liechtenstein", area: [9.45, 47.03, 9.65, 47.28], zoom: 18, at: [8, 24] },
    ],
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
    insets: [
      { id: "central-america", area: [-92.4, 7.1, -77.1, 18.6], zoom: 2, at: [8, -8] },
      { id: "lesser-antilles", area: [-63.2, 10, -59.3, 17.8], zoom: 2.5, at: [-8, 8] },
    ],
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
    // Island states whose largest island is not where they live: their ring
    // goes on the capital's group (Tarawa in the Gilberts, Pohnpei).
    markAt: { KI: [173.0, 1.4], FM: [158.2, 6.9] },
    // Their other groups far apart get rings of their own: Kiribati's
    // Phoenix and Line Islands, Micronesia's Chuuk and Yap.
    groups: { KI: [[-171.7, -3.8], [-157.4, 1.9]], FM: [[151.8, 7.4], [138.1, 9.5]] },
  },
];

// Whether a longitude/latitude lies in one of a map's fit boxes.
export function inFit(map, [lon, lat]) {
  return map.fit.some(([w, s, e, n]) => lat >= s && lat <= n &&
    ((lon >= w && lon <= e) || (lon + 360 >= w && lon + 360 <= e)));
}
