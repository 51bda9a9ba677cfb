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

  if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
    fail("Brimblet needs WebAssembly, which this browser has switched off or does not have. " +
         "Switch it on (on an iPhone or iPad, turn off Lockdown Mode for this site), or play in another browser.");
    return;
  }

  // The module's bytes as they arrive: the bar when the size is known, the kilobytes always.
  const shown = (arrived, size) => {
    element("LoadingText").textContent = `Loading Brimblet\u2026 ${Math.round(arrived / 1024)} KB`;
    if (size > 0) element("LoadingBar").value = Math.min(arrived / size, 1);
  };
  const module = fetch(MODULE).catch(() => null).then(async (response) => {
    if (response === null || !response.ok) throw new Error(unopened(MODULE));
    const encoded = response.headers.get("Content-Encoding");
    const size = !encoded || encoded === "identity" ? Number(response.headers.get("Content-Length")) : 0;
    const reader = response.body.getReader(), parts = [];
    let arrived = 0;
    for (;;) {
      const part = await reader.read().catch(() => { throw new Error(unopened(MODULE)); });
      if (part.done) break;
      parts.push(part.value);
      arrived += part.value.length;
      shown(arrived, size);
    }
    const bytes = new Uint8Array(arrived);
    parts.reduce((at, part) => (bytes.set(part, at), at + part.length), 0);
    return bytes;
  });

  // Read by the program's script as it starts: the module compiled from the bytes above.
  let started = false;
  window.Module = {
    instantiateWasm(imports, done) {
      started = true;
      module.then((bytes) => WebAssembly.instantiate(bytes, imports).catch(() => {
        throw new Error(`The file ${MODULE} arrived cut short or damaged. Reload the page to fetch it again.`);
      })).then((result) => done(result.instance, result.module), (error) => fail(error.message));
      return {};
    },
  };
  const script = document.createElement("script");
  script.src = SCRIPT;
  script.onerror = () => fail(unopened(SCRIPT));
  script.onload = () => started || fail(`The file ${SCRIPT} arrived cut short or damaged. Reload the page to fetch it again.`);
  document.head.append(script);
})();
