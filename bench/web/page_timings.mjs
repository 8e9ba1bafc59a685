// The browser edition's figures, in Debian's Chromium: the sizes of dist/
// (raw and gzip), the time from opening the page to its first result, and
// the time per calculation and per workbook on the largest example, against
// the native tool's time per project in one batch call (no process start).
// Run after scripts/web.sh and a native build: node bench/web/page_timings.mjs
import { execFileSync } from "node:child_process";
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { dist, example, launchChromium, nativeBuild, root } from "../../web/tests/browser.mjs";
import { serve } from "../../web/tests/serve.mjs";

const project = "five-blocks-lateral.nbr";
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

console.log("dist/ (raw, gzip -9):");
let raw = 0;
let packed = 0;
for (const name of readdirSync(dist)) {
  const bytes = readFileSync(join(dist, name));
  const gz = gzipSync(bytes, { level: 9 }).length;
  raw += bytes.length;
  packed += gz;
  console.log(`  ${name.padEnd(20)} ${kb(bytes.length).padStart(9)} ${kb(gz).padStart(9)}`);
}
console.log(`  ${"all".padEnd(20)} ${kb(raw).padStart(9)} ${kb(packed).padStart(9)}`);

const { server, url } = await serve(dist);
const browser = await launchChromium();
const page = await browser.context.newPage();
const bytes = Array.from(example(project));

// A fresh profile: nothing cached. From the start of navigation to the first
// calculation's answer, as a script calls it the moment the page is there.
await page.goto(url);
const first = await page.evaluate(async (bytes) => {
  const answer = await window.nubera.calculate(new Uint8Array(bytes), "p.nbr");
  return { ms: performance.now(), em: answer.equivalentModulus };
}, bytes);
console.log(`\nfirst result after opening the page: ${first.ms.toFixed(0)} ms (Em ${first.em})`);

const timed = (method, runs) =>
  page.evaluate(
    async ({ bytes, method, runs }) => {
      const input = new Uint8Array(bytes);
      await window.nubera[method](input, "p.nbr");
      const start = performance.now();
      for (let i = 0; i < runs; i++) await window.nubera[method](input, "p.nbr");
      return (performance.now() - start) / runs;
    },
    { bytes, method, runs },
  );
console.log(`per calculation in the page: ${(await timed("calculate", 200)).toFixed(2)} ms (${project}, 200 runs)`);
console.log(`per workbook in the page:    ${(await timed("workbook", 30)).toFixed(1)} ms (30 runs)`);
await browser.close();
server.close();

// The native tool: one batch call over 200 (or 30) copies, one job, per project.
const folder = mkdtempSync(join(tmpdir(), "nubera-bench-"));
const native = (copies, workbook) => {
  const projects = join(folder, `projects-${copies}`);
  for (let i = 0; i < copies; i++) cpSync(join(root, "examples", project), join(projects, `p${i}.nbr`));
  const args = ["calc", projects, "--jobs", "1", workbook ? "--out" : "--no-workbook"];
  if (workbook) args.push(join(folder, `out-${copies}`));
  const start = process.hrtime.bigint();
  execFileSync(join(nativeBuild, "bin", "nubera-cli"), args, { stdio: "ignore" });
  return Number(process.hrtime.bigint() - start) / 1e6 / copies;
};
console.log(`\nnative, per calculation: ${native(200, false).toFixed(2)} ms (batch of 200, one job)`);
console.log(`native, per workbook:    ${native(30, true).toFixed(1)} ms (batch of 30, one job)`);
rmSync(folder, { recursive: true, force: true });
