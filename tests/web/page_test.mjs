// The page in each browser engine, driven as a person drives it, with real clicks, keys and
// taps, one case at a time:
//   node page_test.mjs <site folder> <chromium|firefox|webkit> <case>
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import path from "node:path";
import { test as nodeTest } from "node:test";
import { copySite, serve } from "../../tools/web/chromium.mjs";
import { cannot, open } from "../../tools/web/engines.mjs";

const [site, engine, only] = process.argv.slice(2);
let ran = false;
const test = (name, body) => name === only && (ran = true) && nodeTest(name, body);
process.on("exit", () => ran || (console.error(`no case ${only}`), (process.exitCode = 1)));
const plugs = ["tvex", "morlu", "kasprel", "ulvo", "vietnamci"];

async function start(t, options) {
  const server = await serve(site);
  const page = await open(engine, server.url, options);
  t.after(async () => {
    const thrown = await page.errors();
    await page.close();
    await server.stop();
    assert.deepEqual(thrown, [], "errors the page threw");
  });
  assert.equal(await shown(page), "window");
  return { page, server };
}

// What the page shows once it has started: the window, or the message that it could not
// start, or neither where the page itself did not load.
async function shown(page) {
  const started = () => document.querySelector("#main.ready, #failure:not([hidden])") || !document.getElementById("main");
  await page.waitFor(started);
  return page.eval(() => (document.querySelector("#main.ready") ? "window" : document.getElementById("failure")?.innerText));
}

// What the window shows once the handler last started has ended or waits in its message, and
// that message: each event either ends its handler at once or leaves it waiting, so this
// never waits for a timeout.
async function settled(page) {
  await page.waitFor(() => document.getElementById("message").open ||
                            document.getElementById("main").getAttribute("aria-busy") !== "true");
  return page.eval(() => {
    const byId = id => document.getElementById(id);
    const dialog = byId("message");
    return {
      plug: byId("plug_text").value,
      result: byId("real_amount_box").value,
      caption: byId("Calculate_btn").textContent,
      plugs: [...byId("plug_list").children].map(option => option.textContent),
      message: dialog.open ? { title: byId("message_title").textContent, prompt: byId("message_prompt").textContent,
                               style: Number(dialog.dataset.style), focus: document.activeElement.textContent } : null,
    };
  });
}

const press = (page, id) => page.click(`#${id}`).then(() => settled(page));
const keys = (page, ...names) => page.keys(...names).then(() => settled(page));
const type = async (page, id, text) => {
  await page.click(`#${id}`);
  await page.keys("Control+a", "Backspace");
  await page.type(text);
  return settled(page);
};
async function pick(page, name) {
  await page.click("#plug_button");
  const index = (await settled(page)).plugs.indexOf(name);
  return press(page, `plug_list_${index}`);
}
const dismiss = (page, how) => (how === "OK" ? press(page, "message button") : keys(page, how));

test("StartsWithTheChooserFocusedAndCalculates", async t => {
  const { page } = await start(t);
  assert.deepEqual(await settled(page), { plug: "select plug", result: "", caption: "Calculate", plugs, message: null });
  assert.deepEqual(await page.eval(() => [document.activeElement.id, document.activeElement.selectionStart,
                                          document.activeElement.selectionEnd]), ["plug_text", 0, 11]);
  // The layout's places in twips, at 15 to the CSS pixel.
  const places = { main: [0, 0, 363, 378], Quillmar_text: [112, 8, 145, 25], select_plug: [120, 72, 121, 21],
                   skera_box: [120, 144, 121, 25], real_amount_box: [144, 312, 73, 33],
                   Calculate_btn: [120, 224, 121, 41], Label1_0: [134, 120, 93, 16], Label1_1: [137, 288, 91, 16],
                   About_btn: [280, 344, 73, 25] };
  const placed = await page.eval(ids => {
    const origin = document.getElementById("main").getBoundingClientRect();
    return Object.fromEntries(ids.map(id => {
      const box = document.getElementById(id).getBoundingClientRect();
      return [id, [box.left - origin.left, box.top - origin.top, box.width, box.height]];
    }));
  }, Object.keys(places));
  assert.deepEqual(placed, places);
  const named = [["combobox", "Plug"], ["button", "Plug"], ["textbox", "Enter Amount"], ["textbox", "Real Amount"],
                 ["button", "Calculate"], ["button", "About"]];
  const found = [];
  for (const [role, name] of named) found.push(await page.named(role, name));
  assert.deepEqual(found, ["plug_text", "plug_button", "skera_box", "real_amount_box", "Calculate_btn", "About_btn"]);
  // A phone's keyboard neither capitalises nor corrects what is typed, offers "-" and "e" for
  // an amount, and its Return key reads as starting the calculation.
  const keyboard = await page.eval(() => ["plug_text", "skera_box"].map(id => {
    const field = document.getElementById(id);
    return ["autocapitalize", "autocorrect", "spellcheck", "inputMode", "enterKeyHint"]
      .map(name => (name in field ? field[name] : field.getAttribute(name.toLowerCase()) ?? ""))
      .map(value => (value === true ? "on" : value === false ? "off" : value));
  }));
  assert.deepEqual(keyboard, [["none", "off", "off", "", ""], ["none", "off", "off", "text", "go"]]);

  // Each step, and what the window shows after it.
  const steps = [
    [() => keys(page, "Alt+ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter"), "kasprel", ""],
    [() => type(page, "skera_box", "10").then(() => keys(page, "Enter")), "kasprel", "13.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "ArrowUp")), "morlu", ""],
    [() => press(page, "Calculate_btn"), "morlu", "7.50g"],
    [() => pick(page, "tvex").then(() => press(page, "Calculate_btn")), "tvex", "9.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "F4", "ArrowDown", "Escape")), "tvex", "9.00g"],
    // What is typed after a pick, by keys or by the mouse, replaces the picked name.
    [() => keys(page, "ArrowDown", "x"), "x", ""],
    [() => pick(page, "ulvo").then(() => keys(page, "x")), "x", ""],
    [() => type(page, "plug_text", "ulvo"), "ulvo", ""],
    [() => press(page, "Calculate_btn"), "ulvo", "10.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "Tab", "Tab", "Tab", "Space")), "ulvo", "10.00g"],
  ];
  for (const [step, plug, result] of steps) {
    const state = await step();
    assert.deepEqual([state.plug, state.result, state.message], [plug, result, null], step.toString());
  }
  assert.equal(await page.eval(() => document.activeElement.id), "Calculate_btn");
  assert.equal(await page.eval(() => getComputedStyle(document.getElementById("Quillmar_text")).color),
               "rgb(255, 255, 255)");
});

test("ShowsEachMessageAndTakesNoOtherInputMeanwhile", async t => {
  const { page } = await start(t);
  const invalid = { title: "Invalid Input", prompt: "Please enter a valid numeric amount.", style: 48, focus: "OK" };
  const warning = { title: "Warning", prompt: "budou to mordy skera tak ara", style: 48, focus: "OK" };
  const amount = text => () => type(page, "skera_box", text);
  const calculate = () => press(page, "Calculate_btn");
  const enter = () => keys(page, "Enter"); // in the amount box
  const warn = () => pick(page, "vietnamci");
  // Each case: what comes first, what shows the message, how it is closed, the message, and
  // what the window shows meanwhile and after, beyond what it showed before. The warning comes
  // before the reset, and picking the same plug again warns again.
  const cases = [
    [amount(""), enter, "OK", invalid],
    [amount("5"), enter, "Enter", { title: "Quillmar95", prompt: "Please select a plug.", style: 0, focus: "OK" }],
    [amount("five"), calculate, "Space", invalid],
    [() => pick(page, "kasprel").then(amount("1.5e308")), calculate, "Escape",
     { title: "Quillmar95", prompt: "Overflow", style: 16, focus: "OK" }],
    [() => amount("10")().then(calculate), warn, "Enter", warning, { plug: "vietnamci" }, { result: "" }],
    [() => settled(page), warn, "OK", warning],
  ];
  for (const [first, show, close, message, meanwhile = {}, after = {}] of cases) {
    const before = await first();
    const up = await show();
    assert.deepEqual(up, { ...before, ...meanwhile, message }, message.prompt);
    assert.equal(await page.named("alertdialog", message.title), "message");
    // The page takes no other input while the message is up, and a click that a script
    // sends meanwhile starts no second handler.
    assert.deepEqual(await press(page, "About_btn"), up);
    await page.eval(() => document.getElementById("About_btn").click());
    assert.deepEqual(await settled(page), up);
    assert.deepEqual(await dismiss(page, close), { ...before, ...meanwhile, ...after }, close);
  }
});

test("UnlocksTheExtraPlugAtTheFifthAboutPress", async t => {
  const { page } = await start(t);
  const about = { title: "About Quillmar95", prompt: "Made by Orvane Enterprise", style: 64, focus: "OK" };
  const unlocked = { title: "huleni", prompt: "smack unlocked", style: 64, focus: "OK" };
  // For each press: the messages in turn, and the plugs once they are gone.
  const presses = [[about], [about], [about], [about], [about, unlocked], [unlocked]];
  for (const [index, messages] of presses.entries()) {
    let state = await press(page, "About_btn");
    for (const message of messages) {
      assert.deepEqual(state.message, message, `press ${index + 1}`);
      state = await dismiss(page, "Escape");
    }
    assert.deepEqual(state.plugs, index < 4 ? plugs : [...plugs, "smack"], `press ${index + 1}`);
  }
  // The life of "NERES": each step, and the result and caption after it.
  await type(page, "skera_box", "10");
  const steps = [
    [() => pick(page, "tvex").then(() => press(page, "Calculate_btn")), "9.00g", "Calculate"],
    [() => pick(page, "smack"), "9.00g", "Calculate"],
    [() => press(page, "Calculate_btn"), "infinite", "NERES"],
    [() => type(page, "plug_text", "kasprel").then(() => press(page, "Calculate_btn")), "13.00g", "NERES"],
    [() => pick(page, "smack"), "13.00g", "NERES"],
    [() => pick(page, "tvex"), "", "Calculate"],
  ];
  for (const [step, result, caption] of steps) {
    const state = await step();
    assert.deepEqual([state.result, state.caption, state.message], [result, caption, null], step.toString());
  }
});

test("CutsALongResultWithAnEllipsis", async t => {
  const { page } = await start(t);
  await pick(page, "ulvo");
  // The result, its font size in CSS pixels (12 pt is 16 px, 7 pt 9.33 px; between them as the
  // engine's box and font leave room), and whether it is cut.
  const between = size => size > 9.34 && size < 16;
  const cases = [["10", "10.00g", 16, false], ["123456", "123456.00g", between, false],
                 ["1e20", "100000000000000000000.00g", 9.3333, true]];
  for (const [amount, whole, size, cut] of cases) {
    await type(page, "skera_box", amount);
    await press(page, "Calculate_btn");
    const box = await page.eval(() => {
      const box = document.getElementById("real_amount_box");
      return { value: box.value, tooltip: box.title, size: parseFloat(getComputedStyle(box).fontSize),
               overflow: getComputedStyle(box).textOverflow, cut: box.scrollWidth > box.clientWidth };
    });
    const rounded = Math.round(box.size * 1e4) / 1e4;
    assert.deepEqual({ ...box, size: typeof size === "function" && size(rounded) ? size : rounded },
                     { value: whole, tooltip: whole, size, overflow: "ellipsis", cut }, amount);
  }
});

// Calculates each amount with "kasprel" and checks what the result box or the message shows.
async function calculateEach(page, amounts, refused) {
  await pick(page, "kasprel");
  for (const [amount, shown] of amounts) {
    await type(page, "skera_box", amount);
    let state = await press(page, "Calculate_btn");
    if (state.message) {
      assert.equal(state.message.prompt, refused, amount);
      state = await dismiss(page, "Enter");
    }
    assert.equal(state.result, shown, amount);
  }
}

// Tags that Intl rejects, which a user may type into a browser's list of languages, are passed
// over: the first that it accepts gives the separator.
test("WritesTheGermanComma", async t => {
  const { page } = await start(t, { languages: ["C", "x-", "de-DE"] });
  // The amounts the desktop windows are tested with under a German locale, in turn.
  const shared = readFileSync(new URL("../window/german_amounts.h", import.meta.url), "utf8");
  const amounts = [...shared.matchAll(/\{"([^"]*)", "([^"]*)"\}/g)].map(match => match.slice(1));
  assert.ok(amounts.length >= 4);
  await calculateEach(page, amounts, /refused\[\] = "([^"]*)"/.exec(shared)[1]);
});

test("ReadsThePointWhenIntlRejectsEveryLanguage", async t => {
  if (cannot(engine).languages) return t.skip(cannot(engine).languages);
  const { page } = await start(t, { languages: ["C", "x-"] });
  await calculateEach(page, [["1.5", "1.95g"], ["1,5", "1.95g"]], "Please enter a valid numeric amount.");
});

// Copies of the site, each with one file changed (by a function of its text) or missing (where
// there is none), each in a folder of its own, served and visited in turn by one browser.
async function openSites(t, changes) {
  const folder = mkdtempSync(path.join(tmpdir(), "quillmar-sites-"));
  t.after(() => rmSync(folder, { recursive: true }));
  for (const [index, [file, change]] of changes.entries()) copySite(site, path.join(folder, String(index)), file, change);
  writeFileSync(path.join(folder, "index.html"), ""); // the server's mark of a site
  const server = await serve(folder);
  const urls = changes.map((_, index) => `${server.url}${index}/`);
  const page = await open(engine, urls[0]);
  t.after(() => page.close().then(server.stop));
  return { page, urls };
}

// The window is drawn from the page alone, before its program starts (here it never does), busy
// and taking no input, and as the program keeps it once ready: the same places, texts, fonts and
// colours. The program does not hold back that first paint.
test("DrawsTheWholeWindowBeforeItsProgramStarts", async t => {
  const { page, urls } = await openSites(t, [["quillmar95.js", () => ""], ["index.html", text => text]]);
  const drawn = () => page.eval(() => {
    const origin = document.getElementById("main").getBoundingClientRect();
    return [...document.querySelectorAll("#main, #main > *, #plug_text, #plug_button")].map(element => {
      const [box, style] = [element.getBoundingClientRect(), getComputedStyle(element)];
      return [element.id, box.left - origin.left, box.top - origin.top, box.width, box.height, style.font, style.color,
              style.backgroundColor, element.matches("input") ? element.value : element.children.length ? "" : element.textContent];
    });
  });
  const before = await drawn();
  assert.deepEqual(await page.eval(() => [document.getElementById("main").inert, document.getElementById("main").ariaBusy,
                                          getComputedStyle(document.body).cursor]), [true, "true", "wait"]);
  await page.goto(urls[1]);
  assert.equal(await shown(page), "window");
  assert.deepEqual(await drawn(), before);
  // The program's files are asked for only once the window is on screen.
  const [painted, ...asked] = await page.eval(() => [performance.getEntriesByName("first-contentful-paint")[0].startTime,
    ...performance.getEntriesByType("resource").filter(file => /quillmar95\.(js|wasm)$/.test(file.name)).map(file => file.startTime)]);
  assert.ok(asked.length >= 2 && asked.every(time => time >= painted), `painted at ${painted}, asked for at ${asked}`);
});

// The site with a file missing or cut off, as when a download breaks off, says why it could
// not start; a stray script that is not the page's own, as an extension's, changes nothing. A
// program that stops, here by an abort as Calculate shows its message, leaves the window
// greyed and taking no input, above the reason and what brings it back.
test("SaysWhyItCouldNotStartOrStopped", async t => {
  const stray = `<script src="data:text/javascript,Promise.reject(Error('stray'));throw(Error('stray'))" defer></script>`;
  const failed = /^Quillmar95 could not start in this browser\.\n+\S/;
  const sites = [["quillmar95.wasm", null, failed], ["quillmar95.js", null, /\n+quillmar95\.js could not be loaded\.$/],
                 ["quillmar95.js", text => text.slice(0, text.length / 2), failed],
                 ["index.html", text => text.replace("</head>", `${stray}</head>`), /^window$/]];
  const { page, urls } = await openSites(t, sites);
  for (const [index, [file, , shows]] of sites.entries()) {
    if (index > 0) await page.goto(urls[index]);
    assert.match(await shown(page), shows, file);
  }
  await page.eval(() => { HTMLDialogElement.prototype.showModal = () => abort("forced"); });
  await page.click("#Calculate_btn");
  await page.click("#skera_box");
  const [said, ...after] = await page.eval(() => [document.getElementById("failure").innerText,
                                                  document.activeElement.id === "skera_box",
                                                  getComputedStyle(document.getElementById("main")).filter]);
  assert.match(said, /^Quillmar95 stopped because of an error\.\n+.*forced\n+Reloading the page starts it again\.$/);
  assert.deepEqual(after, [false, "grayscale(1)"], "the amount box took the focus, or the window is not greyed");
});

// On a phone's screen the window fills its width evenly, scaled down or, with touch, up, with
// nothing to scroll sideways, and the list button is still a target of 24 by 24. With touch the
// page is the window's green, the fields' text is 16 px or more and the list's entries 44 px
// tall as rendered, the list opens and picks with the keyboard down, and taps alone calculate.
test("FitsAPhoneAndWorksByTouch", async t => {
  if (cannot(engine).narrow) return t.skip(cannot(engine).narrow);
  if (cannot(engine).touch) t.diagnostic(cannot(engine).touch);
  const touch = !cannot(engine).touch;
  for (const phone of [{ width: 320, height: 568 }, { width: 360, height: 640 }, { width: 430, height: 932 }]) {
    const { page } = await start(t, { phone });
    const fit = await page.eval(() => {
      const box = id => document.getElementById(id).getBoundingClientRect();
      const [main, button] = [box("main"), box("plug_button")];
      const scale = main.width / document.getElementById("main").offsetWidth;
      const text = id => Math.round(parseFloat(getComputedStyle(document.getElementById(id)).fontSize) * scale * 100) / 100;
      const theme = document.createElement("i").style; // the installed app's colour, as CSS reads it
      theme.color = document.querySelector("meta[name=theme-color]").content;
      return { sideways: document.documentElement.scrollWidth - innerWidth, width: main.width,
               proportions: Math.round((main.width / main.height) * 1000), button: button.width >= 24 && button.height >= 24,
               green: getComputedStyle(document.body).backgroundColor === getComputedStyle(document.getElementById("main")).backgroundColor,
               theme: theme.color === getComputedStyle(document.getElementById("main")).backgroundColor,
               text: Math.min(text("plug_text"), text("skera_box")) >= 16 };
    });
    const width = touch ? phone.width : Math.min(phone.width, 363);
    assert.deepEqual(fit, { sideways: 0, width, proportions: 960, button: true, green: touch, theme: true, text: touch },
                     phone.width);
    // Where the focus is after a tap on the list button, the list's entries, and after a tap on one.
    await page.click("#plug_button");
    const list = await page.eval(() => [document.activeElement.id,
      ...[...document.querySelectorAll("#plug_list li")].map(li => li.getBoundingClientRect())
        .map(entry => entry.height >= 44 && entry.bottom <= innerHeight)]);
    assert.deepEqual(list, [touch ? "" : "plug_text", ...Array(5).fill(touch)], phone.width);
    assert.equal((await press(page, "plug_list_0").then(() => page.eval(() => document.activeElement.id))), touch ? "" : "plug_text");
    await type(page, "skera_box", "10");
    assert.equal((await press(page, "Calculate_btn")).result, "9.00g");
    await type(page, "skera_box", "");
    assert.equal((await press(page, "Calculate_btn")).message.title, "Invalid Input");
    assert.ok(await page.eval(() => document.getElementById("message").getBoundingClientRect().right <= innerWidth));
  }
});

test("PassesAxeAtStartWithTheListOpenAndWithAMessage", async t => {
  const { page } = await start(t);
  const axe = readFileSync(createRequire(import.meta.url).resolve("../../tools/web/node_modules/axe-core/axe.min.js"), "utf8");
  const check = async when => {
    await page.addScript(axe);
    const found = await page.eval(() => axe.run({ runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"] })
      .then(result => result.violations.map(rule => `${rule.id}: ${rule.nodes.map(node => node.target).join(", ")}`)));
    assert.deepEqual(found, [], when);
  };
  await check("at start");
  await page.click("#plug_button");
  await check("with the list open");
  await press(page, "Calculate_btn");
  await check("with a message open");
});

test("OpensOfflineOnceVisited", async t => {
  const { page, server } = await start(t);
  await page.eval(() => navigator.serviceWorker.ready.then(() => undefined));
  await server.stop();
  await assert.rejects(fetch(server.url));
  await page.reload();
  assert.equal(await shown(page), "window");
  await type(page, "skera_box", "10");
  assert.equal((await pick(page, "tvex").then(() => press(page, "Calculate_btn"))).result, "9.00g");
});
