// Fits the window to the screen from the page's first paint on, before and after its program
// has started: written into the page right after the window. On a screen narrower than the
// window the window is scaled down evenly to fit it, and on a touch screen, as a phone's, up
// or down to fill its width; zoom lays it out anew at that size, so its text stays sharp. A
// desktop's wider window leaves it as it is. The style sheet reads the scale as --scale. On a
// touch screen the two fields draw their text at 16 px or more as rendered, as iOS zooms into
// a focused field whose text is smaller: at the window's size, or larger.
"use strict";
(() => {
  const main = document.getElementById("main");
  const touch = matchMedia("(pointer: coarse)");
  const fields = ["plug_text", "skera_box"].map(id => document.getElementById(id));
  const sizes = fields.map(box => parseFloat(getComputedStyle(box).fontSize));
  function fitScreen() {
    let scale = 1;
    // Twice: a scroll bar that the window's whole width brought goes once the window fits,
    // and leaves more room.
    for (let pass = 0; pass < 2; ++pass) {
      const fill = document.documentElement.clientWidth / main.offsetWidth;
      scale = fill < 1 || touch.matches ? fill : 1;
      main.style.zoom = scale === 1 ? "" : scale;
      document.documentElement.style.setProperty("--scale", scale);
    }
    fields.forEach((box, i) => (box.style.fontSize = `${Math.max(sizes[i], touch.matches ? 16 / scale : 0)}px`));
  }
  fitScreen();
  addEventListener("resize", fitScreen);
  touch.addEventListener("change", fitScreen);
})();
