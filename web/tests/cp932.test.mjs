// The project file's code page through the page's API: the examples read
// and written back byte for byte, and what the code page lacks refused.
import assert from "node:assert/strict";
import { test } from "node:test";
import { example, examples, sharedPage } from "./browser.mjs";

const shared = sharedPage();

const roundTrip = (bytes) =>
  shared.page.evaluate(async (bytes) => {
    const text = await window.nubera.decodeCp932(new Uint8Array(bytes));
    return { text, bytes: Array.from(await window.nubera.encodeCp932(text)) };
  }, Array.from(bytes));

test("the examples decode and encode back to their bytes", async () => {
  for (const name of examples) {
    const { text, bytes } = await roundTrip(example(name));
    assert.ok(text.startsWith("[ヌベラ100]\r\n"), name);
    assert.deepEqual(bytes, Array.from(example(name)), name);
  }
});

test("the code page's own characters", async () => {
  const { text } = await roundTrip(Buffer.from([0x81, 0x60, 0x87, 0x40, 0xce, 0xdf]));
  assert.equal(text, "～①ﾎﾟ");
});

test("bytes outside the code page and characters it lacks are refused", async () => {
  const refusals = await shared.page.evaluate(async () => {
    const refusal = (promise) => promise.then(() => "", (error) => error.message);
    return [
      await refusal(window.nubera.decodeCp932(new Uint8Array([0x31, 0x80]))),
      await refusal(window.nubera.encodeCp932("¥")),
    ];
  });
  assert.ok(refusals.every((message) => message.length > 0), refusals.join(" / "));
});
