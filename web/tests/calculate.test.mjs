// The page's results are the command line's: each example's JSON equals the
// golden `nubera-cli calc --json` within 1e-12 relative (the browser's atan
// may differ from the native one in the last bit), everything else exactly.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { callInPage, example, examples, root, sharedPage } from "./browser.mjs";

const TOLERANCE = 1e-12;

function differences(expected, actual, path = "", found = []) {
  if (typeof expected === "number" && typeof actual === "number") {
    if (Math.abs(expected - actual) > TOLERANCE * Math.max(Math.abs(expected), Math.abs(actual))) {
      found.push(`${path}: ${actual} instead of ${expected}`);
    }
  } else if (Array.isArray(expected) && Array.isArray(actual) && expected.length === actual.length) {
    expected.forEach((item, i) => differences(item, actual[i], `${path}[${i}]`, found));
  } else if (expected && actual && typeof expected === "object" && typeof actual === "object" &&
             !Array.isArray(expected) && !Array.isArray(actual)) {
    assert.deepEqual(Object.keys(actual), Object.keys(expected), `the keys of ${path || "the result"}`);
    for (const key of Object.keys(expected)) differences(expected[key], actual[key], `${path}.${key}`, found);
  } else if (expected !== actual) {
    found.push(`${path}: ${JSON.stringify(actual)} instead of ${JSON.stringify(expected)}`);
  }
  return found;
}

const shared = sharedPage();

for (const name of examples) {
  test(`${name} gives the golden results`, async () => {
    const golden = JSON.parse(
      readFileSync(join(root, "tests", "cli", "golden", name.replace(".nbr", ".json")), "utf8"));
    const { value, refusal } = await callInPage(shared.page, "calculate", example(name), name);
    assert.equal(refusal, undefined);
    assert.deepEqual(differences(golden, value), []);
  });
}

test("the page raised no error", () => assert.deepEqual(shared.page.errors, []));
