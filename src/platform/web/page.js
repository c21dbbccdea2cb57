// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own script (index.html), in a file of its own so that a strict
// Content-Security-Policy, which refuses inline scripts, lets it run.
"use strict";
(function () {
  const screen = document.getElementById("screen");
  const message = document.getElementById("message");
  const text = document.getElementById("text");
  const progress = document.getElementById("progress");
  const again = document.getElementById("again");

  function say(line, { showProgress = false, offerRestart = false } = {}) {
    screen.style.display = "none";
    message.hidden = false;
    text.textContent = line;
    progress.hidden = !showProgress;
    again.hidden = !offerRestart;
    if (offerRestart)
      again.focus();
  }
  again.addEventListener("click", () => location.reload());

  // The share of the program downloaded so far, counted as the bytes arrive, decoded, against
  // its size, which the build writes into the page: a server that sends it compressed tells
  // the size of what it sends. Without that size (a page not built so), the server's, if it
  // sends the file as it is; else the line says how much has arrived.
  const percent = new Intl.NumberFormat("ar", { style: "percent" });
  const megabytes = new Intl.NumberFormat("ar", { maximumFractionDigits: 1 });
  const programBytes = Number(progress.dataset.programBytes) || 0;
  const fetchAll = window.fetch.bind(window);
  // A page being left stops its downloads before it goes: their errors, told a second later,
  // are told only where the page stays.
  const later = (error) => new Promise((_, fail) => setTimeout(() => fail(error), 1000));
  window.fetch = async function (resource, options) {
    const response = await fetchAll(resource, options).catch(later);
    if (!String(resource).endsWith(".wasm") || !response.ok || !response.body)
      return response;
    const compressed = response.headers.has("Content-Encoding");
    const size = programBytes ||
                 (compressed ? 0 : Number(response.headers.get("Content-Length")) || 0);
    const reader = response.body.getReader();
    let arrived = 0;
    const counted = new ReadableStream({
      async pull(controller) {
        const { done, value } = await reader.read().catch(later);
        if (done) {
          controller.close();
          return;
        }
        arrived += value.byteLength;
        if (size > 0) {
          const share = Math.min(1, arrived / size);
          progress.value = Math.floor(100 * share);
          text.textContent = "جارٍ تحميل كوزماط… " + percent.format(share);
        } else {
          progress.removeAttribute("value");
          text.textContent = "جارٍ تحميل كوزماط… " + megabytes.format(arrived / 1048576) +
                             " ميغابايت";
        }
        controller.enqueue(value);
      },
      cancel(reason) { return reader.cancel(reason); }
    });
    return new Response(counted, { status: response.status, statusText: response.statusText,
                                   headers: response.headers });
  };

  function keepKeyboard() {
    if (document.activeElement !== screen)
      screen.focus({ preventScroll: true });
  }

  // Qt asks the browser for the clipboard's permissions at start and never reads the answer: a
  // browser that does not know the permission rejects (WebKit), and the rejection, handled by
  // no one, reaches the console; one that throws would stop the program. Either is taken as a
  // refusal here, which changes nothing else.
  const permissions = navigator.permissions;
  if (permissions && typeof permissions.query === "function") {
    const query = permissions.query.bind(permissions);
    permissions.query = function (descriptor) {
      let answer;
      try {
        answer = Promise.resolve(query(descriptor));
      } catch (error) {
        answer = Promise.reject(error);
      }
      answer.catch(() => {});
      return answer;
    };
  }

  // Kept for the next visit, with or without network (sw.js), once the program runs: its files
  // are then in the browser's cache, and keeping them downloads nothing again. A browser that
  // cannot keep them (no service workers; a page served from another machine without HTTPS;
  // cookies blocked, where even asking throws) loads them from the server each time.
  function keep() {
    try {
      navigator.serviceWorker.register("sw.js").catch(() => {});
    } catch (refused) {
      // Nothing kept.
    }
  }

  function canRun() {
    if (typeof WebAssembly !== "object")
      return false;
    try {
      const canvas = document.createElement("canvas");
      return !!(window.WebGLRenderingContext &&
                (canvas.getContext("webgl") || canvas.getContext("experimental-webgl")));
    } catch (error) {
      return false;
    }
  }

  function script(file) {
    return new Promise((loaded, failed) => {
      const element = document.createElement("script");
      element.src = file;
      element.onload = loaded;
      element.onerror = () => failed(new Error(file));
      document.body.append(element);
    });
  }

  async function compile(file) {
    const response = await fetch(file);
    if (!response.ok)
      throw new Error(`${file}: ${response.status}`);
    try {
      return await WebAssembly.compileStreaming(response);
    } catch (error) {
      // Sent with another type than application/wasm: compiled once it has all arrived.
      say("جارٍ تجهيز كوزماط…", { showProgress: true });
      return WebAssembly.compile(await response.arrayBuffer());
    }
  }

  // The program, loaded as Qt's own loader does, but with kozmat.js run as the script file it
  // is: Qt's loader builds it from its text (eval), which a strict Content-Security-Policy
  // refuses. kozmat.wasm is compiled while it downloads.
  let program;
  function stopped(why) {
    say("توقّف كوزماط بسبب خطأ.", { offerRestart: true });
    console.error(why);
  }
  async function start() {
    let compiled;
    try {
      [compiled] = await Promise.all([compile("kozmat.wasm"), script("kozmat.js")]);
    } catch (error) {
      say("تعذّر تحميل كوزماط. تحقّق من الاتصال ثم أعد تحميل الصفحة.", { offerRestart: true });
      return;
    }
    createQtAppInstance({
      qtContainerElements: [screen],
      qtFontDpi: 96,
      instantiateWasm(imports, instantiated) {
        WebAssembly.instantiate(compiled, imports)
          .then((instance) => instantiated(instance, compiled)).catch(stopped);
        return {};
      },
      // Said as main() starts; the canvas is shown once it has returned, as Qt's loader does.
      setStatus(text) {
        if (text.startsWith("Running"))
          setTimeout(() => {
            message.hidden = true;
            screen.style.display = "block";
            keepKeyboard();
            keep();
          }, 0);
      },
      print() {},
      printErr() {},
      onAbort: stopped,
      // The program may end with 0 and leave the page running (the farewell).
      quit(code, why) {
        if (code !== 0)
          stopped(why);
      },
    }).then((instance) => { program = instance; }, stopped);
  }

  if (!canRun()) {
    say("لا يعمل كوزماط في هذا المتصفح: فهو يحتاج إلى WebAssembly وWebGL. " +
        "افتح الصفحة في نسخة حديثة من Chrome أو Edge أو Firefox أو Safari.");
    return;
  }
  say("جارٍ تحميل كوزماط…", { showProgress: true });
  // On a touch screen, while a box of the program has the focus, the page's own field has it
  // instead: a canvas raises no on-screen keyboard, the field raises the number pad. What is
  // typed there goes to the program as keys (numberpad.cpp).
  const pad = document.getElementById("pad");
  const touchScreen = () => navigator.maxTouchPoints > 0;
  let typing = false;
  document.addEventListener("kozmat-typing", (event) => {
    typing = event.detail === "box";
    if (typing && touchScreen())
      pad.focus({ preventScroll: true });
    else if (document.activeElement === pad)
      keepKeyboard();
  });
  pad.addEventListener("beforeinput", (event) => {
    event.preventDefault();
    if (!program)
      return;
    if (event.inputType === "insertLineBreak" || event.inputType === "insertParagraph")
      program.kozmatKey("Enter");
    else if (event.inputType.startsWith("insert") && event.data)
      program.kozmatType(event.data);
    else if (event.inputType.startsWith("delete"))
      program.kozmatKey(event.inputType.endsWith("Forward") ? "Delete" : "Backspace");
  });
  const padKeys = ["Backspace", "Delete", "Enter", "Tab", "Escape", "ArrowLeft", "ArrowRight",
                   "ArrowUp", "ArrowDown", "Home", "End"];
  pad.addEventListener("keydown", (event) => {
    if (program && padKeys.includes(event.key)) {
      event.preventDefault();
      program.kozmatKey(event.key);
    }
  });
  // Qt listens for keys on its canvas only: a pupil who clicks once can then type, Tab and
  // press Enter.
  screen.addEventListener("pointerdown", () => {
    if (!(typing && touchScreen()))
      keepKeyboard();
  });
  // A screen reader sees nothing of what Qt draws: it is told the window in front, and each
  // result and message the program shows.
  const spoken = document.getElementById("spoken");
  document.addEventListener("kozmat-window", (event) => {
    screen.setAttribute("aria-label", event.detail);
  });
  let unsaid = 0;
  document.addEventListener("kozmat-say", (event) => {
    // A new element each time, so that the same text twice is said twice. Once said it leaves
    // the page, so that reading the page later finds no message long gone.
    const line = document.createElement("p");
    line.textContent = event.detail;
    spoken.replaceChildren(line);
    clearTimeout(unsaid);
    unsaid = setTimeout(() => line.remove(), 2000);
  });
  // The controls of the window in front, inside the canvas (its fallback content, which is
  // what a screen reader reads of it): made when the window comes in front, changed in place
  // after, and the canvas points at the one with the focus as its active descendant. Elements
  // made anew on each move, or kept outside the canvas, are not heard (controls.cpp tells
  // what each is).
  let elements = new Map();
  function update(element, told) {
    element.setAttribute("role", told.role);
    element.setAttribute("aria-label", told.name);
    const states = { "aria-description": told.description, "aria-checked": told.checked,
                     "aria-disabled": told.disabled, "aria-readonly": told.readonly };
    for (const [name, value] of Object.entries(states)) {
      if (value === undefined)
        element.removeAttribute(name);
      else
        element.setAttribute(name, String(value));
    }
    if (told.value !== undefined)
      element.textContent = told.value;
  }
  function make(told, kept) {
    const element = elements.get(told.id) ?? document.createElement("div");
    element.id = told.id;
    element.lang = "ar";
    element.dir = "rtl";
    update(element, told);
    kept.set(told.id, element);
    return element;
  }
  document.addEventListener("kozmat-controls", (event) => {
    // The same window told again (a control shown or hidden) keeps the elements it had.
    const kept = new Map();
    const shown = event.detail ? JSON.parse(event.detail) : { controls: [] };
    const frame = document.createElement("div");
    // Qt makes its canvas editable, for typing; the controls are not text to edit.
    frame.contentEditable = "false";
    frame.lang = "ar";
    frame.dir = "rtl";
    frame.replaceChildren(...shown.controls.map((told) => make(told, kept)));
    if (shown.role) {
      // A message box: named by its title, described by its text.
      const said = document.createElement("p");
      said.id = "kozmat-said";
      said.textContent = shown.description;
      frame.prepend(said);
      frame.setAttribute("role", shown.role);
      frame.setAttribute("aria-label", shown.name);
      frame.setAttribute("aria-describedby", said.id);
    }
    elements = kept;
    screen.replaceChildren(frame);
  });
  document.addEventListener("kozmat-control", (event) => {
    const told = JSON.parse(event.detail);
    const element = elements.get(told.id);
    if (element)
      update(element, told);
  });
  document.addEventListener("kozmat-focus", (event) => {
    if (event.detail)
      screen.setAttribute("aria-activedescendant", event.detail);
    else
      screen.removeAttribute("aria-activedescendant");
  });
  document.addEventListener("kozmat-ended", () => {
    say("انتهى كوزماط. مع السلامة.", { offerRestart: true });
  });
  // What the program throws as it starts stops it too.
  start().catch(stopped);
})();
