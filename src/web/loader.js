// Brimblet's loader, the one script of the page's own: the browser runs no C++ before the
// module has arrived and compiled. It fetches the module, showing how much of it has arrived,
// and starts the program's script with it. When the program cannot start (no WebAssembly, a
// file missing, cut short or refused, the network lost), it says so in the game's error box.
(() => {
  const MODULE = "brimblet.wasm", SCRIPT = "brimblet.js";
  const element = (id) => document.getElementById(id);
  let failed = false;

  const fail = (text) => {
    if (failed) return;
    failed = true;
    element("LoadingText").textContent = text;
    element("LoadingBar").hidden = true;
    element("ErrorBoxText").textContent = text;
    element("ErrorBox").hidden = false;
    element("ErrorBoxOk").addEventListener("click", () => { element("ErrorBox").hidden = true; });
    element("ErrorBoxOk").focus();
  };
  const unopened = (file) => `Cannot open file ${file}. Check the connection to the internet, then reload the page.`;

  if (typeof WebAssembly !== "object" || typeof WebAssembly.compileStreaming !== "function") {
    fail("Brimblet needs WebAssembly, which this browser has switched off or does not have. " +
         "Switch it on (on an iPhone or iPad, turn off Lockdown Mode for this site), or play in another browser.");
    return;
  }
  // The module handles errors with WebAssembly's own exceptions (Chrome 95, Firefox 100,
  // Safari 15.2 and later): a function of one empty try and catch_all tells whether this
  // browser compiles them, before anything is fetched.
  const EXCEPTIONS = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0,
                                     10, 8, 1, 6, 0, 6, 64, 25, 11, 11]);
  if (!WebAssembly.validate(EXCEPTIONS)) {
    fail("This browser is too old for Brimblet. Update it, or play in another browser.");
    return;
  }

  // How much of the module has arrived: the bar when its size is known, the kilobytes always.
  const shown = (arrived, size) => {
    element("LoadingText").textContent = `Loading Brimblet\u2026 ${Math.round(arrived / 1024)} KB`;
    if (size > 0) element("LoadingBar").value = Math.min(arrived / size, 1);
  };
  // Compiled as it arrives, its bytes counted on the way.
  const damaged = (file) => `The file ${file} arrived cut short or damaged. Reload the page to fetch it again.`;
  const module = fetch(MODULE).catch(() => null).then((response) => {
    if (response === null || !response.ok) throw new Error(unopened(MODULE));
    const encoded = response.headers.get("Content-Encoding");
    const size = !encoded || encoded === "identity" ? Number(response.headers.get("Content-Length")) : 0;
    let arrived = 0;
    const counted = response.body.pipeThrough(new TransformStream({
      transform(part, next) {
        arrived += part.length;
        shown(arrived, size);
        next.enqueue(part);
      },
    }));
    return WebAssembly.compileStreaming(new Response(counted, {headers: {"Content-Type": "application/wasm"}}))
      .catch(() => { throw new Error(damaged(MODULE)); });
  });
  module.catch((error) => fail(error.message));  // at once, whether or not the script has come

  // Read by the program's script as it starts: the module compiled from the bytes above; and
  // the game kept for this tab alone (TabKeeper.cpp). Storage that the browser refuses (set to
  // keep nothing, or full) throws, which the program cannot catch: here it keeps nothing.
  const TAB_ENTRY = "brimblet.game";
  let started = false;
  window.Module = {
    instantiateWasm(imports, done) {
      started = true;
      module.then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled)))
        .catch((error) => fail(error.message));
      return {};
    },
    readTabEntry() {
      try { return sessionStorage.getItem(TAB_ENTRY); } catch { return null; }
    },
    writeTabEntry(entry) {
      try { sessionStorage.setItem(TAB_ENTRY, entry); } catch {
        try { sessionStorage.removeItem(TAB_ENTRY); } catch { /* nothing kept */ }
      }
    },
  };
  const script = document.createElement("script");
  script.src = SCRIPT;
  script.onerror = () => fail(unopened(SCRIPT));
  script.onload = () => started || fail(damaged(SCRIPT));
  document.head.append(script);
})();
