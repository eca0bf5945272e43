// Takes the web page's pictures in headless Chromium, at twice the pixel ratio: at start, after
// 10 with "kasprel", a message up, under German and under a dark colour scheme, and on a phone
// 390 pixels wide at start, with the list open and with a message up. The README shows the
// pictures at start and after a calculation, and the phone at start, copied to docs/.
//   node tools/web/screenshots.mjs [folder]      after tools/build-web.sh; build-web/screenshots
import { mkdirSync } from "node:fs";
import path from "node:path";
import { defaultSite, launch, serve } from "./chromium.mjs";

const folder = process.argv[2] ?? path.join(defaultSite, "../screenshots");
mkdirSync(folder, { recursive: true });
const server = await serve();

const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };

async function picture(name, { lang, dark, screen = { width: 395, height: 410 }, input = async () => {} } = {}) {
  const browser = await launch({ lang });
  const page = await browser.newPage();
  await page.setViewport({ ...screen, deviceScaleFactor: 2 });
  if (dark) await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  await page.goto(server.url);
  await page.waitForSelector("#main.ready");
  await input(page);
  await page.screenshot({ path: path.join(folder, `${name}.png`) });
  await browser.close();
}

async function calculate(page, amount) {
  await page.click("#skera_box");
  await page.keyboard.type(amount);
  await page.click("#plug_button");
  await page.click("#plug_list_2"); // kasprel
  await page.click("#skera_box");
  await page.keyboard.press("Enter");
}

await picture("web-at-start");
await picture("web-after-calculate", { input: page => calculate(page, "10") });
await picture("web-message", { input: page => page.click("#Calculate_btn").then(() => page.waitForSelector("#message[open]")) });
await picture("web-german", { lang: "de-DE", input: page => calculate(page, "1,5") });
await picture("web-dark", { dark: true, input: page => calculate(page, "10") });
await picture("web-phone-390", { screen: phone });
await picture("web-phone-390-list", { screen: phone, input: page => page.tap("#plug_button") });
await picture("web-phone-390-message", { screen: phone, input: page => page.tap("#Calculate_btn").then(() => page.waitForSelector("#message[open]")) });
await server.stop();
