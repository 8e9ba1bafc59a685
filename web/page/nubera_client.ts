// The page's side of the Web Worker: each call posts a request and resolves
// with the module's answer, or rejects with the program's own message.
import type { Answer, Operation, Reply, Request } from "./protocol";

declare global {
  interface Window {
    // Defined by nubera-worker.js, whose source becomes the worker: a page
    // opened from a folder may start a worker only from text it holds.
    nuberaWorker?: () => void;
  }
}

export interface Workbook {
  name: string;
  bytes: Uint8Array;
}

export interface BoringOptions {
  alpha?: number | null;
  depth?: number | null;
  merge?: boolean;
  excavationWidth?: number | null;
  leveeWidth?: number | null;
}

export interface ProposalView {
  lines: string[][];
  headers: string[];
  rows: string[][];
  warnings: string[];
}

export interface BoringResult {
  proposal: { alpha: number; depth: number };
  view: ProposalView;
  project?: Workbook;
  projectRefusal?: string;
}

export class NuberaClient {
  private readonly worker: Worker;
  private readonly pending = new Map<number, (answer: Answer) => void>();
  private nextId = 1;

  constructor() {
    if (!window.nuberaWorker) throw new Error("nubera-worker.js is missing");
    const source = `(${window.nuberaWorker.toString()})();`;
    const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
    this.worker = new Worker(url);
    this.worker.onmessage = (event: MessageEvent<Reply>) => {
      const resolve = this.pending.get(event.data.id);
      this.pending.delete(event.data.id);
      resolve?.(event.data.answer);
    };
  }

  ask(op: Operation, ...args: unknown[]): Promise<Answer> {
    const id = this.nextId++;
    const request: Request = { id, op, args };
    return new Promise((resolve, reject) => {
      this.pending.set(id, (answer) =>
        answer.refusal !== undefined ? reject(new Error(answer.refusal)) : resolve(answer),
      );
      this.worker.postMessage(request);
    });
  }

  // nubera-cli calc --json's object for the project file's bytes.
  async calculate(bytes: Uint8Array, name = "project.nbr"): Promise<unknown> {
    return JSON.parse((await this.ask("calculate", bytes, name, false)).json!);
  }

  // The same with what the page shows of it (the module's ResultView, JSON).
  async calculateWithView(bytes: Uint8Array, name: string): Promise<{ results: unknown; view: string }> {
    const answer = await this.ask("calculate", bytes, name, true);
    return { results: JSON.parse(answer.json!), view: answer.view! };
  }

  // The result workbook and its file name.
  async workbook(bytes: Uint8Array, name = "project.nbr"): Promise<Workbook> {
    const answer = await this.ask("workbook", bytes, name);
    return { name: answer.name!, bytes: answer.bytes! };
  }

  // The layers proposed from a boring log (nubera-cli boring --json's object)
  // and the table of them as texts; with both widths, the project of them
  // or why there is none. Options left out take the command line's defaults.
  async boring(bytes: Uint8Array, name: string, options: BoringOptions = {}): Promise<BoringResult> {
    const given = (value?: number | null) => (value === undefined || value === null ? NaN : value);
    const answer = await this.ask(
      "boring", bytes, name, given(options.alpha), given(options.depth), options.merge ?? false,
      given(options.excavationWidth), given(options.leveeWidth),
    );
    return {
      proposal: JSON.parse(answer.json!),
      view: JSON.parse(answer.view!) as ProposalView,
      project: answer.project ? { name: answer.projectName!, bytes: answer.project } : undefined,
      projectRefusal: answer.projectRefusal,
    };
  }

  // The program's name and version, as --version prints it.
  async version(): Promise<string> {
    return (await this.ask("version")).text!;
  }

  async decodeCp932(bytes: Uint8Array): Promise<string> {
    return (await this.ask("decodeCp932", bytes)).text!;
  }

  async encodeCp932(text: string): Promise<Uint8Array> {
    return (await this.ask("encodeCp932", text)).bytes!;
  }
}
