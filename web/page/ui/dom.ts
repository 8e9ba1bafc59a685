// Small helpers that build the page's elements from texts the module gave.

export function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Record<string, string> = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
  node.append(...children);
  return node;
}

// A table of texts: a caption, the header row (line breaks kept), the rows.
export function textTable(caption: string, headers: string[], rows: string[][]): HTMLTableElement {
  const head = element("tr", {}, ...headers.map((h) => element("th", { scope: "col" }, h)));
  const body = rows.map((row) => element("tr", {}, ...row.map((cell) => element("td", {}, cell))));
  return element(
    "table",
    {},
    element("caption", {}, caption),
    element("thead", {}, head),
    element("tbody", {}, ...body),
  );
}

// Name/value lines as a description list.
export function lines(pairs: [string, string][]): HTMLDListElement {
  return element("dl", {}, ...pairs.flatMap(([name, value]) => [element("dt", {}, name), element("dd", {}, value)]));
}

// Saves bytes as a download under `name`.
export function download(name: string, bytes: Uint8Array, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes as Uint8Array<ArrayBuffer>], { type }));
  const link = element("a", { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}
