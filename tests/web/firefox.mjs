// Firefox for the browser games of play.py, driven by puppeteer-core over WebDriver BiDi: one
// command a line on standard input (JSON, its verb in `do`), one answer a line on standard
// output, {value} or {error}.
import readline from 'node:readline';
import puppeteer from 'puppeteer-core';

const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
  // The closed network here: nothing of Mozilla's is asked for.
  extraPrefsFirefox: {'network.captive-portal-service.enabled': false, 'app.update.enabled': false,
                      'browser.safebrowsing.update.enabled': false, 'network.connectivity-service.enabled': false,
                      // The player's language, as the browser's settings give it.
                      ...(process.env.BRIMBLET_BROWSER_LANGUAGE ? {'intl.accept_languages': process.env.BRIMBLET_BROWSER_LANGUAGE} : {})},
});
const page = (await browser.pages())[0] || await browser.newPage();
const sleep = seconds => new Promise(done => setTimeout(done, seconds * 1000));

const verbs = {
  script: async c => { await page.evaluateOnNewDocument(c.source); },
  goto: async c => { await page.goto(c.url, {waitUntil: 'load'}); },
  // A script's body, as Selenium's execute_script takes it; a promise it returns is awaited.
  js: c => page.evaluate(`(async function () { ${c.body}\n}).apply(null, ${JSON.stringify(c.args)})`),
  viewport: c => page.setViewport({width: c.width, height: c.height}),
  mouse: async c => {
    for (const [what, x, y] of c.steps) {
      if (what === 'move') await page.mouse.move(x, y);
      else if (what === 'pause') await sleep(x);
      else await page.mouse[what]();
    }
  },
  key: async c => {
    const [modifier, key] = c.key.includes('+') ? c.key.split('+') : [null, c.key];
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
  },
  type: c => page.keyboard.type(c.text),
};

const answer = a => process.stdout.write(JSON.stringify(a) + '\n');
for await (const line of readline.createInterface({input: process.stdin})) {
  const command = JSON.parse(line);
  try {
    const value = await verbs[command.do](command);
    answer({value: value === undefined ? null : value});
  } catch (error) {
    answer({error: String(error && error.message || error)});
  }
}
await browser.close();  // standard input closed: the games are over
process.exit(0);
