// The web page's two budgets, printed rather than tested: what the page downloads, gzipped
// (at most 100 KB), and the median time from navigation to a window ready for input in
// headless Chromium, each load cold, with no cache and no service worker (at most 300 ms).
//   node bench/web_budget.mjs [site folder] [loads]     after tools/build-web.sh
import { readFileSync } from "node:fs";
import path from "node:path";
import { gzipSync } from "node:zlib";
import { defaultSite, launch, serve } from "../tools/web/chromium.mjs";

const site = process.argv[2] ?? defaultSite;
const loads = Number(process.argv[3] ?? 15);
const server = await serve(site);
const browser = await launch();

// One cold load in a browser context of its own: the files it fetched and its time to ready.
async function coldLoad() {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const fetched = [];
  page.on("requestfinished", request => fetched.push(new URL(request.url()).pathname));
  await page.goto(server.url);
  await page.waitForSelector("#main.ready");
  const ready = await page.evaluate(() => performance.getEntriesByName("quillmar-ready")[0].startTime);
  await context.close();
  return { fetched, ready };
}

const runs = [];
for (let i = 0; i < loads; ++i) runs.push(await coldLoad());
await browser.close();
await server.stop();

// What the page itself asked for before it was ready, not what the service worker keeps after.
const files = [...new Set(runs[0].fetched)].map(name => (name === "/" ? "index.html" : name.slice(1)));
let total = 0;
console.log("Downloaded before ready (gzip -9):");
for (const file of files) {
  const bytes = readFileSync(path.join(site, file));
  const gzipped = gzipSync(bytes, { level: 9 }).length;
  total += gzipped;
  console.log(`  ${file.padEnd(24)} ${String(bytes.length).padStart(8)} B  ${String(gzipped).padStart(7)} B gzipped`);
}
const times = runs.map(run => run.ready).sort((a, b) => a - b);
const median = times[Math.floor(times.length / 2)];
console.log(`Download, gzipped:   ${(total / 1024).toFixed(1)} KB (budget 100 KB)`);
console.log(`Cold load to ready:  ${median.toFixed(0)} ms median of ${loads}, ` +
            `${times[0].toFixed(0)} to ${times[times.length - 1].toFixed(0)} ms (budget 300 ms)`);
