// The totals of the eleven points across the section: settlement and, when
// computed, lateral displacement, each a line over the points' x. Only the
// drawing is done here; the values and labels are the module's.
import { element } from "./dom";

export interface PlotData {
  x: (number | null)[];
  settlement: (number | null)[];
  lateral: (number | null)[] | null;
}

const SVG = "http://www.w3.org/2000/svg";
const WIDTH = 640;
const HEIGHT = 260;
const MARGIN = { left: 56, right: 16, top: 16, bottom: 36 };

function svg(tag: string, attributes: Record<string, string | number>, text?: string): SVGElement {
  const node = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, String(value));
  if (text !== undefined) node.textContent = text;
  return node;
}

interface Curve {
  caption: string;
  values: (number | null)[];
  className: string;
}

export function profilePlot(data: PlotData, names: string[], captions: [string, string]): HTMLElement {
  const curves: Curve[] = [{ caption: captions[0], values: data.settlement, className: "settlement" }];
  if (data.lateral) curves.push({ caption: captions[1], values: data.lateral, className: "lateral" });
  const placed = data.x.map((x, k) => (x === null ? null : k)).filter((k): k is number => k !== null);
  const xs = placed.map((k) => data.x[k]!);
  const ys = curves.flatMap((c) => placed.map((k) => c.values[k] ?? 0)).concat([0]);
  const [xLow, xHigh] = [Math.min(...xs), Math.max(...xs)];
  const [yLow, yHigh] = [Math.min(...ys), Math.max(...ys)];
  const sx = (x: number) =>
    MARGIN.left + ((x - xLow) / (xHigh - xLow || 1)) * (WIDTH - MARGIN.left - MARGIN.right);
  // Settlement downwards, as the ground moves: larger values lower.
  const sy = (y: number) =>
    MARGIN.top + ((y - yLow) / (yHigh - yLow || 1)) * (HEIGHT - MARGIN.top - MARGIN.bottom);
  const plot = svg("svg", { viewBox: `0 0 ${WIDTH} ${HEIGHT}`, role: "img", class: "profile" });
  plot.append(svg("line", { x1: MARGIN.left, x2: WIDTH - MARGIN.right, y1: sy(0), y2: sy(0), class: "axis" }));
  for (const k of placed) {
    plot.append(svg("text", { x: sx(data.x[k]!), y: HEIGHT - 12, class: "point" }, names[k]));
  }
  for (const curve of curves) {
    const points = placed.map((k) => `${sx(data.x[k]!)},${sy(curve.values[k] ?? 0)}`).join(" ");
    plot.append(svg("polyline", { points, class: curve.className }));
    for (const k of placed) {
      plot.append(svg("circle", { cx: sx(data.x[k]!), cy: sy(curve.values[k] ?? 0), r: 3, class: curve.className }));
    }
  }
  const legend = element(
    "p",
    { class: "legend" },
    ...curves.map((c) => element("span", { class: c.className }, c.caption)),
  );
  const figure = element("figure", {}, legend);
  figure.prepend(plot as unknown as Node);
  return figure;
}
