// What the page's browser test, its benchmark and its screenshots share: Debian's Chromium,
// started headless with a profile of its own, and the site served by tools/serve-web.sh, as it
// is or copied with one file changed.
import { spawn } from "node:child_process";
import { mkdirSync, readdirSync, readFileSync, symlinkSync, writeFileSync } from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
export const defaultSite = path.join(root, "build-web/site");

// Puppeteer gives each start a new profile, and removes it when the browser closes. Root
// needs --no-sandbox; the rest keeps Chromium from reaching for a network it cannot have,
// which slows every start on a closed one.
export function launch({ lang = "en-US" } = {}) {
  return puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", `--lang=${lang}`, `--accept-lang=${lang}`],
  });
}

// A copy of the site in the folder copy, its files linked, but for file: missing, or changed
// by change, a function of its text.
export function copySite(site, copy, file, change) {
  mkdirSync(copy, { recursive: true });
  for (const each of readdirSync(site).filter(each => each !== file))
    symlinkSync(path.resolve(site, each), path.join(copy, each));
  if (change) writeFileSync(path.join(copy, file), change(readFileSync(path.join(site, file), "utf8")));
}

// Serves the site on a free port of 127.0.0.1; resolves once the server listens. Its log of
// requests is left out.
export function serve(site = defaultSite) {
  const server = spawn(path.join(root, "tools/serve-web.sh"), ["0", site],
                       { stdio: ["ignore", "pipe", "ignore"] });
  const stopped = new Promise(resolve => server.once("exit", resolve));
  return new Promise((resolve, reject) => {
    server.once("exit", code => reject(new Error(`the server ended with status ${code}`)));
    server.stdout.on("data", text => {
      const port = /port (\d+)/.exec(text)?.[1];
      if (port) resolve({ url: `http://127.0.0.1:${port}/`, stop: () => (server.kill(), stopped) });
    });
  });
}

// A page of the site, shown once the program has filled the window and made it take input.
export async function openPage(browser, url) {
  const page = await browser.newPage();
  page.setDefaultTimeout(10000);
  await page.goto(url);
  await page.waitForSelector("#main.ready");
  return page;
}
