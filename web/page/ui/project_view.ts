// A computed project as the page shows it: the description, the inputs, Em,
// the eleven points with both totals and the profile plot; every text is
// the module's (ResultView).
import { element, lines, textTable } from "./dom";
import { PlotData, profilePlot } from "./profile_plot";

export interface ResultView {
  description: [string, string][];
  lines: [string, string][];
  tables: { title: string; headers: string[]; rows: string[][] }[];
  modulus: string;
  points: { headers: string[]; rows: string[][] };
  warnings: string[];
  plot: PlotData;
}

// The headings of the points table's total columns ("即時沈下量\n合計"), which
// name the plot's two curves.
function totalCaptions(headers: string[]): [string, string] {
  const totals = headers.filter((h) => h.endsWith("\n合計")).map((h) => h.replace("\n", " "));
  return [totals[0] ?? "", totals[1] ?? ""];
}

export function projectView(view: ResultView, fileName: string): HTMLElement {
  const names = view.points.rows.map((row) => row[0]);
  return element(
    "section",
    { class: "project", "aria-label": fileName },
    element("h2", {}, fileName),
    ...(view.description.length ? [lines(view.description)] : []),
    lines(view.lines),
    ...view.tables.map((t) => textTable(t.title, t.headers, t.rows)),
    element("p", { class: "modulus" }, view.modulus),
    ...view.warnings.map((w) => element("p", { class: "warning", role: "status" }, w)),
    textTable("着目点", view.points.headers, view.points.rows),
    profilePlot(view.plot, names, totalCaptions(view.points.headers)),
  );
}
