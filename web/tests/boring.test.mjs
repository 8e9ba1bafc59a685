// A boring log in the page gives what nubera-cli boring gives: the same
// proposal (--json) and, with the widths, the same project file byte for
// byte (--write-project); refusals with the same messages.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { nativeCli, root, sharedPage } from "./browser.mjs";

const sample = (name) => readFileSync(join(root, "tests", "core", "boring", "samples", name));
const shared = sharedPage({ native: true });

// The command line on a copy of the sample in the folder, run from there.
function native(name, ...options) {
  writeFileSync(join(shared.folder, name), sample(name));
  return spawnSync(nativeCli, ["boring", name, ...options], { cwd: shared.folder, encoding: "utf8" });
}

function inPage(name, options) {
  return shared.page.evaluate(
    async ({ bytes, name, options }) => {
      try {
        const result = await window.nubera.boring(new Uint8Array(bytes), name, options);
        const project = result.project && { name: result.project.name, bytes: Array.from(result.project.bytes) };
        return { ...result, project };
      } catch (error) {
        return { refusal: error.message };
      }
    },
    { bytes: Array.from(sample(name)), name, options },
  );
}

const cases = [
  { sample: "LEVEE_NO3_BED0300.XML", options: {}, arguments: [] },
  { sample: "SMALL_BED0400.XML", options: { alpha: 1000, depth: 5.5, merge: true },
    arguments: ["--alpha", "1000", "--depth", "5.5", "--merge"] },
  { sample: "SMALL_BED0210.XML", options: { depth: 1e6 }, arguments: ["--depth", "1000000"] },
];

for (const c of cases) {
  test(`${c.sample} ${c.arguments.join(" ")}: the proposal is the command line's`, async () => {
    const expected = native(c.sample, ...c.arguments, "--json");
    const ours = await inPage(c.sample, c.options);
    if (expected.status === 0) {
      assert.deepEqual(ours.proposal, JSON.parse(expected.stdout));
    } else {
      assert.equal(ours.refusal + "\n", expected.stderr);
    }
  });
}

test("the project of the layers is the file the command line writes", async () => {
  const widths = { excavationWidth: 10, leveeWidth: 20 };
  const args = ["--excavation-width", "10", "--levee-width", "20"];
  // The humus layer has no test: no project, and the same reason.
  const refused = native("LEVEE_NO3_BED0300.XML", "--write-project", "a.nbr", ...args);
  const withoutEs = await inPage("LEVEE_NO3_BED0300.XML", widths);
  assert.equal(withoutEs.project, undefined);
  assert.equal(withoutEs.projectRefusal + "\n", refused.stderr);

  const written = native("LEVEE_NO3_BED0300.XML", "--depth", "2.85", "--write-project", "b.nbr", ...args);
  assert.equal(written.status, 0, written.stderr);
  const ours = await inPage("LEVEE_NO3_BED0300.XML", { depth: 2.85, ...widths });
  assert.equal(ours.project.name, "LEVEE_NO3_BED0300.nbr");
  assert.deepEqual(ours.project.bytes, Array.from(readFileSync(join(shared.folder, "b.nbr"))));
});
