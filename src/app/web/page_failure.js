// Says in the page why the program could not start, or that it stopped, rather than leaving
// a blank page or a window that looks alive and ignores every click. Written into the page
// ahead of quillmar95.js: it must work when that file never arrives, arrives cut off or does
// not parse, and when the program never ends its start.
"use strict";
(() => {
  const startLimit = 15000; // ms; a start still going by then counts as failed
  // The page's own files are those of its folder, and its program, which some engines name
  // wasm://. A browser extension's script may throw in the page too, and must not stop it.
  const folder = new URL(".", location.href).href;
  const own = url => typeof url === "string" && (url.startsWith(folder) || url.startsWith("wasm://"));
  const byId = id => document.getElementById(id);
  let told = false;

  // Before the window is ready, the failure takes its place; once it is ready, the window
  // stays in sight, greyed and taking no input, with the failure below it. Only the first
  // failure is told: what follows from it adds nothing.
  function failed(reason) {
    if (told) return;
    told = true;
    const tell = () => {
      const main = byId("main");
      const stopped = main.classList.contains("ready");
      if (stopped) {
        main.inert = true;
        main.classList.add("stopped");
      } else {
        main.hidden = true;
      }
      const failure = byId("failure");
      for (const part of failure.querySelectorAll("[data-when]"))
        part.hidden = part.dataset.when !== (stopped ? "stopped" : "start");
      byId("failure_reason").textContent = String((reason && reason.message) || reason);
      failure.hidden = false;
    };
    if (document.readyState === "loading") addEventListener("DOMContentLoaded", tell);
    else tell();
  }
  window.quillmarFailed = failed;

  // A script of the page's that did not load (caught on the way down, as such errors do not
  // bubble), or one of its scripts that threw.
  addEventListener("error", event => {
    const element = event.target;
    if (element instanceof HTMLScriptElement && own(element.src))
      failed(`${element.src.slice(folder.length)} could not be loaded.`);
    else if (own(event.filename))
      failed(event.error || event.message);
  }, true);
  // A rejection tells where it was thrown only in its stack, whose first address is the
  // innermost frame's.
  addEventListener("unhandledrejection", event => {
    const reason = event.reason;
    if (own(String(reason && reason.stack).split(/[\s@(]/).find(part => part.includes("://"))))
      failed(reason);
  });
  setTimeout(() => {
    if (!byId("main").classList.contains("ready"))
      failed(`It did not start within ${startLimit / 1000} seconds.`);
  }, startLimit);
})();
