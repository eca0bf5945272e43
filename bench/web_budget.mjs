// The web page's budgets, printed rather than tested: what the page downloads, gzipped (at most
// 100 KB); the median time from navigation to a window ready for input in headless Chromium,
// each load cold, with no cache and no service worker (at most 300 ms); and the median time to
// the page's first paint, which shows the whole window, against the floor the same page's HTML
// and CSS set without any script, measured in the same run (at most 1.2 times the floor).
//   node bench/web_budget.mjs [site folder] [loads]     after tools/build-web.sh
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { gzipSync } from "node:zlib";
import { copySite, defaultSite, launch, serve } from "../tools/web/chromium.mjs";

const site = process.argv[2] ?? defaultSite;
const loads = Number(process.argv[3] ?? 15);
// The floor: the site's page without its scripts, beside the site's other files.
const floor = mkdtempSync(path.join(tmpdir(), "quillmar-floor-"));
copySite(site, floor, "index.html", text => text.replace(/<script[^]*?<\/script>/g, ""));
const [server, floorServer] = await Promise.all([serve(site), serve(floor)]);
const browser = await launch();

// One cold load in a browser context of its own: the files it fetched, its first paint and,
// where the page has its scripts, its time to ready.
async function coldLoad(url, scripts = true) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const fetched = [];
  page.on("requestfinished", request => fetched.push(new URL(request.url()).pathname));
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName("first-contentful-paint").length > 0);
  if (scripts) await page.waitForSelector("#main.ready");
  const [firstPaint, ready] = await page.evaluate(() => ["first-contentful-paint", "quillmar-ready"]
    .map(name => performance.getEntriesByName(name)[0]?.startTime));
  // The context closes once the service worker the page registers is running: closed while it
  // starts, it can take the browser's session down with it.
  if (scripts) await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
  await context.close();
  return { fetched, firstPaint, ready };
}

// The page and its floor in turn, so that both meet the same state of the machine.
const runs = [];
const floorRuns = [];
for (let i = 0; i < loads; ++i) {
  runs.push(await coldLoad(server.url));
  floorRuns.push(await coldLoad(floorServer.url, false));
}
await browser.close();
await Promise.all([server.stop(), floorServer.stop()]);
rmSync(floor, { recursive: true });

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
const sorted = (all, key) => all.map(run => run[key]).sort((a, b) => a - b);
const median = times => times[Math.floor(times.length / 2)];
const times = sorted(runs, "ready");
const [paint, floorPaint] = [median(sorted(runs, "firstPaint")), median(sorted(floorRuns, "firstPaint"))];
console.log(`Download, gzipped:   ${(total / 1024).toFixed(1)} KB (budget 100 KB)`);
console.log(`Cold load to ready:  ${median(times).toFixed(0)} ms median of ${loads}, ` +
            `${times[0].toFixed(0)} to ${times[times.length - 1].toFixed(0)} ms (budget 300 ms)`);
console.log(`First paint:         ${paint.toFixed(0)} ms median, against ${floorPaint.toFixed(0)} ms for the ` +
            `page's HTML and CSS alone: ${(paint / floorPaint).toFixed(2)} times (budget 1.2)`);
