// The page in headless Chromium, driven as a person drives it, with real clicks and keys.
//   node --test-name-pattern=<case> page_test.mjs <site folder>
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { launch, openPage, serve } from "../../tools/web/chromium.mjs";

const site = process.argv[2];
const plugs = ["tvex", "morlu", "kasprel", "ulvo", "vietnamci"];

async function start(t, options) {
  const server = await serve(site);
  const browser = await launch(options);
  t.after(async () => {
    await browser.close();
    await server.stop();
  });
  return { page: await openPage(browser, server.url), server };
}

// What the window shows once the handler last started has ended or waits in its message, and
// that message: each event either ends its handler at once or leaves it waiting, so this
// never waits for a timeout.
async function settled(page) {
  await page.waitForFunction(() => document.getElementById("message").open ||
                                   document.getElementById("main").getAttribute("aria-busy") !== "true");
  return page.evaluate(() => {
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
const keys = async (page, ...names) => {
  for (const name of names) {
    const [modifier, key] = name.includes("+") ? name.split("+") : [null, name];
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
  }
  return settled(page);
};
const type = async (page, id, text) => {
  await page.click(`#${id}`, { count: 3 });
  await page.keyboard.press("Backspace");
  await page.keyboard.type(text);
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
  assert.deepEqual(await page.evaluate(() => [document.activeElement.id, document.activeElement.selectionStart,
                                              document.activeElement.selectionEnd]), ["plug_text", 0, 11]);
  // The layout's places in twips, at 15 to the CSS pixel.
  const places = { main: [0, 0, 363, 378], Quillmar_text: [112, 8, 145, 25], select_plug: [120, 72, 121, 21],
                   skera_box: [120, 144, 121, 25], real_amount_box: [144, 312, 73, 33],
                   Calculate_btn: [120, 224, 121, 41], Label1_0: [134, 120, 93, 16], Label1_1: [137, 288, 91, 16],
                   About_btn: [280, 344, 73, 25] };
  const shown = await page.evaluate(ids => {
    const origin = document.getElementById("main").getBoundingClientRect();
    return Object.fromEntries(ids.map(id => {
      const box = document.getElementById(id).getBoundingClientRect();
      return [id, [box.left - origin.left, box.top - origin.top, box.width, box.height]];
    }));
  }, Object.keys(places));
  assert.deepEqual(shown, places);
  const named = (await page.accessibility.snapshot()).children
    .filter(node => ["combobox", "textbox", "button"].includes(node.role)).map(node => `${node.role} ${node.name}`);
  assert.deepEqual(named, ["combobox Plug", "button Plug", "textbox Enter Amount", "textbox Real Amount",
                           "button Calculate", "button About"]);

  // Each step, and what the window shows after it.
  const steps = [
    [() => keys(page, "Alt+ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter"), "kasprel", ""],
    [() => type(page, "skera_box", "10").then(() => keys(page, "Enter")), "kasprel", "13.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "ArrowUp")), "morlu", ""],
    [() => press(page, "Calculate_btn"), "morlu", "7.50g"],
    [() => pick(page, "tvex").then(() => press(page, "Calculate_btn")), "tvex", "9.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "F4", "ArrowDown", "Escape")), "tvex", "9.00g"],
    [() => type(page, "plug_text", "ulvo"), "ulvo", "9.00g"],
    [() => press(page, "Calculate_btn"), "ulvo", "10.00g"],
    [() => press(page, "plug_text").then(() => keys(page, "Tab", "Tab", "Tab", "Space")), "ulvo", "10.00g"],
  ];
  for (const [step, plug, result] of steps) {
    const state = await step();
    assert.deepEqual([state.plug, state.result, state.message], [plug, result, null], step.toString());
  }
  assert.equal(await page.evaluate(() => document.activeElement.id), "Calculate_btn");
  const title = () => page.$eval("#Quillmar_text", title => getComputedStyle(title).color);
  assert.equal(await title(), "rgb(255, 255, 255)");
});

test("ShowsEachMessageAndTakesNoOtherInputMeanwhile", async t => {
  const { page } = await start(t);
  const invalid = { title: "Invalid Input", prompt: "Please enter a valid numeric amount.", style: 48, focus: "OK" };
  const warning = { title: "Warning", prompt: "budou to mordy skera tak ara", style: 48, focus: "OK" };
  const amount = text => () => type(page, "skera_box", text);
  const calculate = () => press(page, "Calculate_btn");
  const warn = () => pick(page, "vietnamci");
  // Each case: what comes first, what shows the message, how it is closed, the message, and
  // what the window shows meanwhile and after, beyond what it showed before. The warning comes
  // before the reset, and picking the same plug again warns again.
  const cases = [
    [amount(""), calculate, "OK", invalid],
    [amount("5"), calculate, "Enter", { title: "Quillmar95", prompt: "Please select a plug.", style: 0, focus: "OK" }],
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
    const dialog = (await page.accessibility.snapshot()).children.find(node => node.role === "alertdialog");
    assert.deepEqual([dialog.name, dialog.description], [message.title, message.prompt]);
    // The page takes no other input while the message is up, and a click that a script
    // sends meanwhile starts no second handler.
    assert.deepEqual(await press(page, "About_btn"), up);
    await page.$eval("#About_btn", about => about.click());
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
  // The result, its font size in CSS pixels (12 pt is 16 px, 7 pt 9.33 px), and whether it is cut.
  const cases = [["10", "10.00g", 16, false], ["123456", "123456.00g", 12, false],
                 ["1e20", "100000000000000000000.00g", 9.3333, true]];
  for (const [amount, whole, size, cut] of cases) {
    await type(page, "skera_box", amount);
    await press(page, "Calculate_btn");
    const box = await page.$eval("#real_amount_box", box => ({
      value: box.value, tooltip: box.title, size: parseFloat(getComputedStyle(box).fontSize),
      overflow: getComputedStyle(box).textOverflow, cut: box.scrollWidth > box.clientWidth }));
    assert.deepEqual({ ...box, size: Math.round(box.size * 1e4) / 1e4 },
                     { value: whole, tooltip: whole, size, overflow: "ellipsis", cut }, amount);
  }
});

test("WritesTheGermanComma", async t => {
  const { page } = await start(t, { lang: "de-DE" });
  // The amounts the desktop windows are tested with under a German locale, in turn.
  const shared = readFileSync(new URL("../window/german_amounts.h", import.meta.url), "utf8");
  const amounts = [...shared.matchAll(/\{"([^"]*)", "([^"]*)"\}/g)].map(match => match.slice(1));
  const refused = /refused\[\] = "([^"]*)"/.exec(shared)[1];
  assert.ok(amounts.length >= 4);
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
});

test("OpensOfflineOnceVisited", async t => {
  const { page, server } = await start(t);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
  await server.stop();
  await assert.rejects(fetch(server.url));
  const reloaded = await page.reload();
  assert.deepEqual([reloaded?.ok(), reloaded?.fromServiceWorker()], [true, true]);
  await page.waitForSelector("#main.ready");
  await type(page, "skera_box", "10");
  assert.equal((await pick(page, "tvex").then(() => press(page, "Calculate_btn"))).result, "9.00g");
});
