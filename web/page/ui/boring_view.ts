// A boring log's proposed layers for review, with the options of the
// desktop's 「ボーリングから読込」 and the project of the layers to save. The
// proposal, its texts and every refusal are the module's.
import type { BoringOptions, BoringResult, NuberaClient } from "../nubera_client";
import { download, element, textTable } from "./dom";

const PROJECT = "application/octet-stream";

// An entry box of the form: its caption and the number typed, or null.
function numberBox(caption: string, value = ""): [HTMLLabelElement, () => number | null] {
  const box = element("input", { type: "text", inputmode: "decimal", value, size: "8" });
  const read = () => (box.value.trim() === "" ? null : Number(box.value));
  return [element("label", {}, caption, box), read];
}

export class BoringView {
  readonly element = element("section", { class: "boring" });
  private readonly proposal = element("div");
  private readonly message = element("p", { class: "message", role: "alert" });
  private result?: BoringResult;

  constructor(
    private readonly nubera: NuberaClient,
    private readonly bytes: Uint8Array,
    private readonly name: string,
    first: BoringResult,
  ) {
    const [alpha, readAlpha] = numberBox("係数α（Es = α·N、kN/㎡）", String(first.proposal.alpha));
    const [depth, readDepth] = numberBox("深度H(m)");
    const [width, readWidth] = numberBox("開削幅(m)");
    const [levee, readLevee] = numberBox("堤体幅(m)");
    const merge = element("input", { type: "checkbox" });
    const options = (): BoringOptions => ({
      alpha: readAlpha(),
      depth: readDepth(),
      merge: merge.checked,
      excavationWidth: readWidth(),
      leveeWidth: readLevee(),
    });
    const save = element("button", { type: "button", class: "save" }, "書き込み");
    save.addEventListener("click", () => this.saveProject());
    const form = element(
      "form",
      { class: "options" },
      alpha,
      depth,
      element("label", {}, merge, "隣り合う同じ土質名の層をまとめる"),
      width,
      levee,
    );
    form.addEventListener("input", () => void this.propose(options()));
    form.addEventListener("submit", (event) => event.preventDefault());
    this.element.append(element("h2", {}, "ボーリングから読込"), form, this.message, this.proposal, save);
    this.show(first);
  }

  private async propose(options: BoringOptions): Promise<void> {
    try {
      this.show(await this.nubera.boring(this.bytes, this.name, options));
      this.message.textContent = "";
    } catch (error) {
      this.message.textContent = (error as Error).message;
    }
  }

  private show(result: BoringResult): void {
    this.result = result;
    const lines = result.view.lines.map((cells) => element("p", {}, cells.join("　")));
    const warnings = result.view.warnings.map((w) => element("p", { class: "warning", role: "status" }, w));
    this.proposal.replaceChildren(...lines, ...warnings, textTable("層", result.view.headers, result.view.rows));
  }

  private saveProject(): void {
    const project = this.result?.project;
    if (project) {
      download(project.name, project.bytes, PROJECT);
      this.message.textContent = "";
    } else {
      this.message.textContent = this.result?.projectRefusal ?? "";
    }
  }
}
