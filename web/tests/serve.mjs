// Serves a folder on 127.0.0.1 and prints its address: `node serve.mjs
// FOLDER`. The tests start it in-process on a free port.
import { createReadStream, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
};

export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const file = normalize(join(root, path === "/" ? "index.html" : path));
    let found = file.startsWith(root + "/");
    try {
      found &&= statSync(file).isFile();
    } catch {
      found = false;
    }
    if (!found) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
    createReadStream(file).pipe(response);
  });
  return new Promise((done, fail) => {
    server.once("error", fail);
    server.listen(port, "127.0.0.1", () => done({ server, url: `http://127.0.0.1:${server.address().port}/` }));
  });
}

// As a program: on port 8080, or on a free one when that is taken.
if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const folder = process.argv[2] ?? "build-web/dist";
  const { url } = await serve(folder, 8080).catch(() => serve(folder));
  console.log(`ヌベラ: ${url}  (Ctrl+C で終了)`);
}
