// The files the command line refuses (tests/cli/golden/refused.json) are
// refused by the page with the same messages.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { callInPage, example, root, sharedPage } from "./browser.mjs";

// The list writes bytes one character each (U+0000..U+00FF).
const bytesOf = (text) => Buffer.from(text, "latin1");

function caseBytes(refusal) {
  if (refusal.bytes !== undefined) return bytesOf(refusal.bytes);
  const bytes = example(refusal.example);
  const [from, to] = refusal.replace.map(bytesOf);
  const at = bytes.indexOf(from);
  assert.notEqual(at, -1, refusal.name);
  return Buffer.concat([bytes.subarray(0, at), to, bytes.subarray(at + from.length)]);
}

const refusals = JSON.parse(readFileSync(join(root, "tests", "cli", "golden", "refused.json"), "utf8"));

const shared = sharedPage();

test("the list holds the sixteen cases", () => assert.equal(refusals.length, 16));

for (const refusal of refusals) {
  test(`${refusal.name} is refused with the program's message`, async () => {
    const bytes = caseBytes(refusal);
    for (const method of ["calculate", "workbook"]) {
      const answer = await callInPage(shared.page, method, bytes, refusal.name);
      assert.deepEqual(answer, { refusal: refusal.message }, method);
    }
  });
}
