// The screen: a project file (.nbr) or a boring log (.xml) is opened by the
// picker or dropped anywhere on the page; a project shows its results and
// gives its workbook, a log its proposed layers and a project of them.
import type { NuberaClient } from "../nubera_client";
import { download, element } from "./dom";
import { BoringView } from "./boring_view";
import { projectView, ResultView } from "./project_view";

const XLSX = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

export class App {
  private readonly content = element("div", { class: "content" });
  private readonly message = element("p", { class: "message", role: "alert" });

  constructor(private readonly nubera: NuberaClient, root: HTMLElement) {
    const picker = element("input", { type: "file", accept: ".nbr,.xml", hidden: "" });
    picker.addEventListener("change", () => {
      const file = picker.files?.[0];
      picker.value = "";
      if (file) void this.open(file);
    });
    const open = element("button", { type: "button", class: "open" }, "読み込み");
    open.addEventListener("click", () => picker.click());
    const version = element("span", { class: "version" });
    void nubera.version().then((text) => (version.textContent = text));
    root.append(
      element("header", {}, element("h1", {}, "ヌベラ"), open, picker, version),
      this.message,
      this.content,
    );
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      const file = event.dataTransfer?.files[0];
      if (file) void this.open(file);
    });
  }

  async open(file: File): Promise<void> {
    this.message.textContent = "";
    const bytes = new Uint8Array(await file.arrayBuffer());
    try {
      if (/\.xml$/i.test(file.name)) {
        await this.showBoring(bytes, file.name);
      } else {
        await this.showProject(bytes, file.name);
      }
    } catch (error) {
      this.content.replaceChildren();
      this.message.textContent = (error as Error).message;
    }
  }

  private async showBoring(bytes: Uint8Array, name: string): Promise<void> {
    const first = await this.nubera.boring(bytes, name);
    this.content.replaceChildren(new BoringView(this.nubera, bytes, name, first).element);
  }

  private async showProject(bytes: Uint8Array, name: string): Promise<void> {
    const { view } = await this.nubera.calculateWithView(bytes, name);
    const run = element("button", { type: "button", class: "run" }, "実行");
    run.addEventListener("click", async () => {
      try {
        const workbook = await this.nubera.workbook(bytes, name);
        download(workbook.name, workbook.bytes, XLSX);
      } catch (error) {
        this.message.textContent = (error as Error).message;
      }
    });
    const shown = projectView(JSON.parse(view) as ResultView, name);
    shown.querySelector("h2")!.after(run);
    this.content.replaceChildren(shown);
  }
}
