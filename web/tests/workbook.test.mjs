// A workbook made in the page is the native program's: every part of it,
// inflated, equals the one nubera-cli writes for the same file, but for the
// run's time. The name is the desktop's for a saved project.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { example, examples, nativeBuild, root, startPage } from "./browser.mjs";

const cli = join(nativeBuild, "bin", "nubera-cli");

let session;
let page;
let folder;
before(async () => {
  assert.ok(existsSync(cli), `the native build's ${cli} is needed to compare with`);
  folder = mkdtempSync(join(tmpdir(), "nubera-workbooks-"));
  session = await startPage();
  page = await session.open();
});
after(async () => {
  await session.close();
  rmSync(folder, { recursive: true, force: true });
});

// The native workbook of an example, written from a copy under its own name.
function nativeWorkbook(name) {
  const run = join(folder, name.replace(".nbr", ""));
  execFileSync("mkdir", ["-p", join(run, "out")]);
  writeFileSync(join(run, name), example(name));
  execFileSync(cli, ["calc", name, "--out", "out"], { cwd: run });
  const [book] = readdirSync(join(run, "out"));
  return join(run, "out", book);
}

for (const name of examples) {
  test(`${name}: every part of the page's workbook is the native one's`, async () => {
    const made = await page.evaluate(
      async ({ bytes, name }) => {
        const book = await window.nubera.workbook(new Uint8Array(bytes), name);
        let binary = "";
        for (const byte of book.bytes) binary += String.fromCharCode(byte);
        return { name: book.name, base64: btoa(binary) };
      },
      { bytes: Array.from(example(name)), name },
    );
    assert.equal(made.name, name.replace(".nbr", "") + "_即時沈下量計算結果.xlsx");
    const ours = join(folder, made.name);
    writeFileSync(ours, Buffer.from(made.base64, "base64"));
    const comparison = spawnSync(
      "/usr/bin/python3", [join(root, "web", "tests", "compare_workbooks.py"), nativeWorkbook(name), ours],
      { encoding: "utf8" },
    );
    assert.equal(comparison.stdout + comparison.stderr, "");
    assert.equal(comparison.status, 0);
  });
}
