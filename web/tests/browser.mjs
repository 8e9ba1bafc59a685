// What the browser tests share: Debian's Chromium started headless by
// playwright-core (no browser is downloaded), the built page served on
// 127.0.0.1, the examples and the native build to compare with.
import { chromium } from "playwright-core";
import assert from "node:assert/strict";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { after, before } from "node:test";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { serve } from "./serve.mjs";

export const root = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
export const dist = join(root, "build-web", "dist");
export const nativeBuild = process.env.NUBERA_NATIVE_BUILD ?? join(root, "build");
export const nativeCli = join(nativeBuild, "bin", "nubera-cli");
export const examples = [
  "one-block.nbr",
  "manual-points.nbr",
  "five-blocks-lateral.nbr",
  "four-blocks-manual-lateral.nbr",
];

export function example(name) {
  return readFileSync(join(root, "examples", name));
}

// Chromium as this machine allows it: no sandbox (root), no GPU, and none
// of the background connections a closed network refuses.
export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), "nubera-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: [
      "--headless",
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
  return {
    context,
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The page served from dist/, with the browser: open() gives a page whose
// window.nubera is ready.
export async function startPage() {
  const { server, url } = await serve(dist);
  const browser = await launchChromium();
  return {
    url,
    context: browser.context,
    async open(address = url) {
      const page = await browser.context.newPage();
      const errors = [];
      page.on("pageerror", (error) => errors.push(error));
      await page.goto(address);
      await page.waitForFunction(() => window.nubera !== undefined);
      page.errors = errors;
      return page;
    },
    async close() {
      await browser.close();
      server.close();
    },
  };
}

// window.nubera's `method` called in the page on the bytes: its value, or
// {refusal} with the message it was rejected with.
export function callInPage(page, method, bytes, ...rest) {
  return page.evaluate(
    async ({ method, bytes, rest }) => {
      try {
        const value = await window.nubera[method](new Uint8Array(bytes), ...rest);
        return value instanceof Uint8Array ? { bytes: Array.from(value) } : { value };
      } catch (error) {
        return { refusal: error.message };
      }
    },
    { method, bytes: Array.from(bytes), rest },
  );
}

// What the tests of a file share, set up before them and taken down after:
// the served page (`session`), one page of it opened (`page`) and a fresh
// folder (`folder`). With `native`, the native build's nubera-cli must be
// there to compare with.
export function sharedPage({ native = false } = {}) {
  const shared = {};
  before(async () => {
    if (native) assert.ok(existsSync(nativeCli), `the native build's ${nativeCli} is needed to compare with`);
    shared.folder = mkdtempSync(join(tmpdir(), "nubera-web-test-"));
    shared.session = await startPage();
    shared.page = await shared.session.open();
  });
  after(async () => {
    await shared.session.close();
    rmSync(shared.folder, { recursive: true, force: true });
  });
  return shared;
}
