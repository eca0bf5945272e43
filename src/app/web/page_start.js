// Starts the program once the window is on screen. Its script and its WebAssembly are most of
// what the page downloads: asked for with the page, they would share a slow line with its HTML
// and CSS and hold back the window's first paint. Both are asked for together, so that the
// WebAssembly arrives while the script does. Written into the page after the window and its
// dialog, which the program's script uses.
"use strict";
(() => {
  let started = false;
  function start() {
    if (started) return;
    started = true;
    const wasm = Object.assign(document.createElement("link"), {
      rel: "preload", as: "fetch", type: "application/wasm", crossOrigin: "anonymous", href: "quillmar95.wasm"
    });
    document.head.append(wasm, Object.assign(document.createElement("script"), { src: "quillmar95.js" }));
  }
  // Once the window's first paint is on screen, as the engine reports it; where it reports no
  // paints, two frames on, the first of which has drawn the window. A hidden page paints
  // nothing until it is shown, so one hidden from the start, or before its first paint, starts
  // at once.
  if (document.hidden) start();
  else document.addEventListener("visibilitychange", start, { once: true });
  if (PerformanceObserver.supportedEntryTypes.includes("paint"))
    new PerformanceObserver(painted => painted.getEntriesByName("first-contentful-paint").length && start())
      .observe({ type: "paint", buffered: true });
  else
    requestAnimationFrame(() => requestAnimationFrame(start));
})();
