// The page's side of the window: it hands the user's clicks and keys to the program's
// handlers, one at a time, and makes the chooser the editable combo box of the WAI-ARIA
// combobox pattern: a text field, a button and a list, with no autocompletion or filtering.
// Built into quillmar95.js ahead of the program, with which it shares Module; Emscripten's
// minifier reads no syntax newer than ES2019 (no ?. nor ??).
(() => {
  const byId = id => document.getElementById(id);
  const main = byId("main");

  // The page's failure script (page_failure.js, written into index.html) tells why the
  // program could not start or why it stopped; an abort is the program's own word on it.
  const failure = byId("failure");
  const startEnded = () => main.classList.contains("ready") || !failure.hidden;
  Module.onAbort = what => quillmarFailed(what ? `The program aborted: ${what}` : "The program aborted.");

  // A handler that shows a message returns here while the message is up, and its promise
  // settles once the handler has ended. Until then no other handler starts, so a click that
  // arrives meanwhile is dropped, as the desktop's modal box drops it. An exception that leaves
  // a handler, at once or once its message is closed, means that the program has stopped: the
  // handler will never end, and the page says so.
  let busy = false;
  function run(handler, then) {
    if (busy) return;
    busy = true;
    main.setAttribute("aria-busy", "true");
    let ended;
    try {
      ended = Module.ccall(handler, null, [], [], {async: true});
    } catch (error) {
      quillmarFailed(error);
      return;
    }
    ended.then(() => {
      busy = false;
      main.setAttribute("aria-busy", "false");
      if (then) then();
    }, quillmarFailed);
  }

  const field = byId("plug_text");
  const button = byId("plug_button");
  const list = byId("plug_list");
  const options = () => [...list.children];
  let selected = -1; // the entry last picked; typing into the field leaves it as it is
  let active = -1;   // the entry highlighted in the open list

  function highlight(index) {
    active = index;
    options().forEach((option, i) => option.setAttribute("aria-selected", i === index));
    if (index >= 0) field.setAttribute("aria-activedescendant", options()[index].id);
    else field.removeAttribute("aria-activedescendant");
  }

  function show(open) {
    list.hidden = !open;
    field.setAttribute("aria-expanded", open);
    button.setAttribute("aria-expanded", open);
    highlight(open ? selected : -1);
  }

  // An entry becomes the selection: by the mouse, by Return in the open list, or by Up or Down
  // in the closed one. Picking the entry already selected runs the handler again. Once it has
  // ended, the field's whole text is selected, as a desktop's combo box leaves it, so that
  // typing replaces the picked name.
  function pick(index) {
    if (busy || index < 0 || index >= options().length) return;
    show(false);
    selected = index;
    field.value = options()[index].textContent;
    run("quillmar_select_plug_click", () => document.activeElement === field && field.select());
  }

  // Keys that end an input method's composition are its own, Safari's Return among them, which
  // it sends as not composing but with the key code 229.
  const composing = event => event.isComposing || event.keyCode === 229;

  field.addEventListener("keydown", event => {
    if (composing(event)) return;
    const open = !list.hidden;
    const last = options().length - 1;
    if (event.key === "F4" || (event.altKey && event.key === "ArrowDown")) show(!open);
    else if (open && event.key === "ArrowDown") highlight(Math.min(active + 1, last));
    else if (open && event.key === "ArrowUp") highlight(Math.max(active - 1, 0));
    else if (open && event.key === "Enter") active >= 0 ? pick(active) : show(false);
    else if (open && event.key === "Escape") show(false);
    else if (event.key === "ArrowDown") pick(selected + 1);
    else if (event.key === "ArrowUp") pick(selected - 1);
    else return;
    event.preventDefault();
  });
  field.addEventListener("blur", () => show(false));
  // The field keeps the focus while the mouse works the button and the list. A finger's tap
  // leaves the field without it instead, as the focus there calls up a phone's keyboard over
  // the list; a tap outside the chooser then closes the list.
  let pointer = "mouse";
  button.addEventListener("pointerdown", event => (pointer = event.pointerType));
  button.addEventListener("mousedown", event => {
    event.preventDefault();
    const open = list.hidden;
    if (pointer !== "touch") field.focus();
    else if (document.activeElement === field) field.blur();
    show(open);
  });
  addEventListener("pointerdown", event => byId("select_plug").contains(event.target) || show(false));
  const entryAt = event => options().indexOf(event.target.closest("li"));
  list.addEventListener("mousedown", event => event.preventDefault());
  list.addEventListener("mousemove", event => entryAt(event) >= 0 && highlight(entryAt(event)));
  list.addEventListener("click", event => pick(entryAt(event)));

  // A click in the message or beside it leaves the focus on OK, which Return and Space press.
  byId("message").addEventListener("mousedown", event => {
    if (event.target.tagName !== "BUTTON") event.preventDefault();
  });

  byId("Calculate_btn").addEventListener("click", () => run("quillmar_calculate_click"));
  byId("About_btn").addEventListener("click", () => run("quillmar_about_click"));
  // Return in the amount box does what a press of Calculate does. The key is consumed: the
  // message it may open takes the focus at once, and the same key's press must not land on
  // that message's OK and close it. Return that ends a composition only ends it.
  byId("skera_box").addEventListener("keydown", event => {
    if (event.key !== "Enter" || composing(event)) return;
    event.preventDefault();
    run("quillmar_calculate_click");
  });
  matchMedia("(prefers-color-scheme: dark)")
      .addEventListener("change", () => Module.ccall("quillmar_colour_title"));

  // Once the program has filled the chooser's list: the window, drawn since the page's first
  // paint, takes input, with the chooser's text selected as when tabbing into it, and the
  // page's files are kept for working offline.
  Module.postRun = [() => {
    if (startEnded()) return;
    main.inert = false;
    main.setAttribute("aria-busy", "false");
    main.classList.add("ready");
    field.focus();
    field.select();
    performance.mark("quillmar-ready");
    if ("serviceWorker" in navigator) navigator.serviceWorker.register("service_worker.js");
  }];
})();
