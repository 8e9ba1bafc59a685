// The page needs the network only to be loaded: once loaded it makes no
// request, once served it opens again with every request blocked, and
// opened from a folder (file://) it works without any server at all.
import assert from "node:assert/strict";
import { pathToFileURL } from "node:url";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { callInPage, dist, example, startPage } from "./browser.mjs";

let session;
before(async () => {
  session = await startPage();
});
after(() => session.close());

async function calculates(page) {
  const { value, refusal } = await callInPage(page, "calculate", example("one-block.nbr"), "one-block.nbr");
  assert.equal(refusal, undefined);
  assert.equal(value.equivalentModulus, 6860);
}

test("once loaded, calculating and writing a workbook make no request", async () => {
  const page = await session.open();
  const requests = [];
  await page.route("**/*", (route) => {
    requests.push(route.request().url());
    return route.abort();
  });
  await calculates(page);
  const workbook = await callInPage(page, "workbook", example("five-blocks-lateral.nbr"), "a.nbr");
  assert.equal(workbook.refusal, undefined);
  assert.deepEqual(requests, []);
  await page.close();
});

test("a page load with every request blocked after the first still calculates", async () => {
  const page = await session.open();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await session.context.setOffline(true);
  try {
    await page.reload();
    await page.waitForFunction(() => window.nubera !== undefined);
    await calculates(page);
  } finally {
    await session.context.setOffline(false);
    await page.close();
  }
});

test("opened from a folder, the page calculates", async () => {
  const page = await session.open(pathToFileURL(join(dist, "index.html")).href);
  await calculates(page);
  assert.deepEqual(page.errors, []);
  await page.close();
});
