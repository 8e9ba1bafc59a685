// A workbook made in the page is the native program's: every part of it,
// inflated, equals the one nubera-cli writes for the same file, but for the
// run's time. The name is the desktop's for a saved project.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { mkdirSync, readdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { example, examples, nativeCli, root, sharedPage } from "./browser.mjs";

const shared = sharedPage({ native: true });

// The workbook records the program's version, which holds the commit.
test("the native build is of the page's version", async () => {
  const native = execFileSync(nativeCli, ["--version"], { encoding: "utf8" }).trim();
  const page = await shared.page.evaluate(() => window.nubera.version());
  assert.equal(native, page, "build the native programs (build/) and the page at the same commit");
});

// The native workbook of an example, written from a copy under its own name.
function nativeWorkbook(name) {
  const run = join(shared.folder, name.replace(".nbr", ""));
  mkdirSync(join(run, "out"), { recursive: true });
  writeFileSync(join(run, name), example(name));
  execFileSync(nativeCli, ["calc", name, "--out", "out"], { cwd: run });
  const [book] = readdirSync(join(run, "out"));
  return join(run, "out", book);
}

for (const name of examples) {
  test(`${name}: every part of the page's workbook is the native one's`, async () => {
    const made = await shared.page.evaluate(
      async ({ bytes, name }) => {
        const book = await window.nubera.workbook(new Uint8Array(bytes), name);
        let binary = "";
        for (const byte of book.bytes) binary += String.fromCharCode(byte);
        return { name: book.name, base64: btoa(binary) };
      },
      { bytes: Array.from(example(name)), name },
    );
    assert.equal(made.name, name.replace(".nbr", "") + "_即時沈下量計算結果.xlsx");
    const ours = join(shared.folder, made.name);
    writeFileSync(ours, Buffer.from(made.base64, "base64"));
    const comparison = spawnSync(
      "/usr/bin/python3", [join(root, "web", "tests", "compare_workbooks.py"), nativeWorkbook(name), ours],
      { encoding: "utf8" },
    );
    assert.equal(comparison.stdout + comparison.stderr, "");
    assert.equal(comparison.status, 0);
  });
}
