// The messages between the page and its Web Worker: a request names the
// module's function and its arguments; the reply carries the module's answer
// to the request of the same id.

export type Operation = "calculate" | "workbook" | "boring" | "version" | "decodeCp932" | "encodeCp932";

export interface Request {
  id: number;
  op: Operation;
  args: unknown[];
}

// What the module answers: the program's message when it refuses, or what
// was asked for.
export interface Answer {
  refusal?: string;
  json?: string;
  view?: string;
  name?: string;
  bytes?: Uint8Array;
  text?: string;
  project?: Uint8Array;
  projectName?: string;
  projectRefusal?: string;
}

export interface Reply {
  id: number;
  answer: Answer;
}
