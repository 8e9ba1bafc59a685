// The Web Worker: loads the module once and hands each request to it, bytes
// in and bytes out. Nothing is computed or worded here.
import type { Answer, Reply, Request } from "./protocol";

type ModuleFunction = (...args: unknown[]) => Answer;
declare const createNuberaModule: () => Promise<Record<string, ModuleFunction>>;

const loaded = createNuberaModule();

function transferables(answer: Answer): Transferable[] {
  return [answer.bytes, answer.project].filter((b): b is Uint8Array => !!b).map((b) => b.buffer);
}

self.onmessage = async (event: MessageEvent<Request>) => {
  const { id, op, args } = event.data;
  const module = await loaded;
  const answer = module[op](...args);
  const reply: Reply = { id, answer };
  (self as unknown as Worker).postMessage(reply, transferables(answer));
};
