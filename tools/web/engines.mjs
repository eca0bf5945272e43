// The three browser engines the page's test runs in, each behind the same few calls, so that
// its cases are written once: Debian's Chromium and Firefox ESR through puppeteer-core, and
// WebKitGTK's MiniBrowser through WebKitWebDriver and selenium-webdriver. Every input is real:
// mouse clicks at a control's place, keys and taps, never a script's click.
import { spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { connect, createServer } from "node:net";
import puppeteer from "puppeteer-core";
import { Builder, By, Key, Origin } from "selenium-webdriver";
import { launch } from "./chromium.mjs";

const timeout = 10000;

// What an engine cannot do here; a case that needs it is skipped with this reason.
const limits = {
  chromium: {},
  firefox: { touch: "Firefox cannot emulate a phone's touch screen; the mouse stands in" },
  webkit: {
    touch: "WebKitGTK cannot emulate a phone's touch screen; the mouse stands in",
    narrow: "MiniBrowser's window is never narrower than 447 pixels",
    languages: "WebKitGTK takes a single language from the locale, one that Intl accepts",
  },
};

class PuppeteerPage {
  constructor(browser, page, touch) {
    Object.assign(this, { browser, page, touch, thrown: [] });
    page.setDefaultTimeout(timeout);
    page.on("pageerror", error => this.thrown.push(error.message));
  }
  click(selector) { return this.touch ? this.page.tap(selector) : this.page.click(selector); }
  async keys(...names) {
    for (const name of names) {
      const [key, ...modifiers] = name.split("+").reverse();
      for (const modifier of modifiers) await this.page.keyboard.down(modifier);
      await this.page.keyboard.press(key === "Space" ? " " : key); // Firefox has no "Space"
      for (const modifier of modifiers) await this.page.keyboard.up(modifier);
    }
  }
  type(text) { return this.page.keyboard.type(text); }
  eval(script, ...args) { return this.page.evaluate(script, ...args); }
  addScript(content) { return this.page.addScriptTag({ content }); }
  async waitFor(condition) { await this.page.waitForFunction(condition); }
  goto(url) { return this.page.goto(url); }
  reload() { return this.page.reload(); }
  // The id of the element with this role and accessible name, as assistive tools find it.
  async named(role, name) {
    const element = await this.page.$(`::-p-aria([name="${name}"][role="${role}"])`);
    return element && element.evaluate(found => found.id);
  }
  errors() { return this.thrown; }
  close() { return this.browser.close(); }
}

// WebKitWebDriver has no headless mode and no log of the page's errors; an element under the
// modal dialog refuses an element click, so clicks go to the viewport's coordinates.
class SeleniumPage {
  constructor(driver, stop) { Object.assign(this, { driver, stop }); }
  async click(selector) {
    const [x, y] = await this.eval(found => {
      const box = document.querySelector(found).getBoundingClientRect();
      return [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2)];
    }, selector);
    await this.driver.actions().move({ x, y, origin: Origin.VIEWPORT }).click().perform();
  }
  async keys(...names) {
    for (const name of names) {
      const [key, ...modifiers] = name.split("+").reverse().map(part => seleniumKeys[part] ?? part);
      const actions = modifiers.reduce((chain, modifier) => chain.keyDown(modifier), this.driver.actions());
      await modifiers.reduce((chain, modifier) => chain.keyUp(modifier), actions.sendKeys(key)).perform();
    }
  }
  async type(text) {
    if (text) await this.driver.actions().sendKeys(text).perform(); // no keys is an error here
  }
  eval(script, ...args) {
    return this.driver.executeScript(`return (${script}).apply(null, arguments)`, ...args);
  }
  addScript(content) { return this.driver.executeScript(content); }
  async waitFor(condition) { await this.driver.wait(() => this.eval(condition), timeout); }
  async goto(url) {
    await this.driver.get(url);
    await this.watchErrors();
  }
  async reload() {
    await this.driver.navigate().refresh();
    await this.watchErrors();
  }
  // WebKit answers no accessibility query on what a modal dialog has made inert.
  async named(role, name) {
    for (const element of await this.driver.findElements(By.css("[id]"))) {
      const found = await Promise.all([element.getAriaRole(), element.getAccessibleName()]).catch(() => []);
      if (found[0] === role && found[1] === name) return element.getAttribute("id");
    }
    return null;
  }
  watchErrors() {
    return this.eval(() => {
      window.thrown = [];
      addEventListener("error", event => window.thrown.push(event.message));
      addEventListener("unhandledrejection", event => window.thrown.push(String(event.reason)));
    });
  }
  errors() { return this.eval(() => window.thrown); }
  async close() {
    await this.driver.quit();
    this.stop();
  }
}

const seleniumKeys = { Alt: Key.ALT, Control: Key.CONTROL, Enter: Key.ENTER, Escape: Key.ESCAPE,
                       Tab: Key.TAB, Space: " ", ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
                       F4: Key.F4, Backspace: Key.BACK_SPACE };

function freePort() {
  return new Promise(resolve => {
    const server = createServer().listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// Resolves once something listens on the port, which WebKitWebDriver says in no other way.
async function listening(port, child) {
  for (;;) {
    if (child.exitCode !== null) throw new Error(`WebKitWebDriver ended with status ${child.exitCode}`);
    const up = await new Promise(resolve => connect(port, "127.0.0.1").once("connect", function () {
      this.end();
      resolve(true);
    }).once("error", () => resolve(false)));
    if (up) return;
    await new Promise(resolve => setTimeout(resolve, 50));
  }
}

// A tag that Intl accepts, which WebKitGTK takes from LANG.
function accepted(tag) {
  try {
    return Intl.NumberFormat.supportedLocalesOf(tag).length > 0;
  } catch {
    return false;
  }
}

async function openWebKit(languages) {
  const language = languages.find(accepted) ?? "en-US";
  // A display of its own: Xvfb takes a free one and writes its number to the given descriptor.
  const display = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const number = await new Promise((resolve, reject) => {
    display.stdio[3].once("data", text => resolve(String(text).trim()));
    display.once("exit", code => reject(new Error(`Xvfb ended with status ${code}`)));
  });
  const port = await freePort();
  const env = { ...process.env, DISPLAY: `:${number}`, LANG: `${language.replace("-", "_")}.UTF-8` };
  const driver = spawn("WebKitWebDriver", [`--port=${port}`], { env, stdio: "ignore" });
  const stop = () => [driver, display].forEach(child => child.kill());
  try {
    await listening(port, driver);
    const session = new Builder().usingServer(`http://127.0.0.1:${port}/`).withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary: miniBrowser, args: ["--automation"] },
    }).build();
    // Without a display the request hangs with no answer.
    const late = new Promise((_, reject) => setTimeout(() => reject(new Error("WebKit's session did not start")), timeout).unref());
    return new SeleniumPage(await Promise.race([session, late]), stop);
  } catch (error) {
    stop();
    throw error;
  }
}
// Debian ships MiniBrowser in the folder of the machine's multiarch name.
const miniBrowser = readdirSync("/usr/lib").map(folder => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`)
  .find(path => existsSync(path));

// Opens the page in an engine, with the browser's languages and, where given, a phone's
// screen, and resolves once the window shows or the page tells that it could not start.
export async function open(engine, url, { languages = ["en-US"], phone } = {}) {
  let page;
  if (engine === "webkit") {
    page = await openWebKit(languages);
  } else {
    const browser = engine === "chromium" ? await launch({ lang: languages.join(",") }) : await puppeteer.launch({
      browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
      extraPrefsFirefox: { "intl.accept_languages": languages.join(","), "intl.locale.requested": languages.join(",") },
    });
    const touch = Boolean(phone) && !limits[engine].touch;
    page = new PuppeteerPage(browser, await browser.newPage(), touch);
    if (phone) await page.page.setViewport({ ...phone, isMobile: touch, hasTouch: touch, deviceScaleFactor: 2 });
  }
  await page.goto(url);
  return page;
}

export const cannot = engine => limits[engine];
