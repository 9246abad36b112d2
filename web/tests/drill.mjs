// Drives Vexo's web site in a real browser, as a user would, served as plain
// files by a static server that can be stopped to cut the network:
//   node drill.mjs SITE chromium|firefox BROWSER_PATH
// The desktop size: the window wholly on the page, three typed answers
// judged, the flags listing by Alt+H and Escape, a switch to the word quiz
// by the drop-down and an answer there. A phone: the window filling its
// width, text arriving as an on-screen keyboard sends it, a tap on a box.
// Then with the server gone, a reload that still drills. No error or warning
// in the console throughout. Verdicts are read from the page's live region.
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';

const [site, browserName, executablePath] = process.argv.slice(2);
// Where pictures of the page are kept, when asked for (the README's).
const pictures = process.env.VEXO_WEB_PICTURES;
const picture = async (page, name) => {
  if (pictures)
    await page.screenshot({ path: `${pictures}/web-${name}.png` });
};
let passed = 0;
let failed = 0;
const check = (ok, what) => {
  ok ? passed++ : failed++;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${browserName}: ${what}`);
  return ok;
};

const port = 18000 + Math.floor(Math.random() * 2000);
const origin = `http://127.0.0.1:${port}`;
let server;
const startServer = async (folder = site) => { server = await serve(folder, port); };
const stopServer = async () => {
  server.kill();
  await new Promise(resolve => server.once('exit', resolve));
};

// Polls a function in the page until it returns something true, or gives up.
const until = async (page, fn, arg, seconds = 20) => {
  const end = Date.now() + seconds * 1000;
  while (Date.now() < end) {
    const value = await page.evaluate(fn, arg).catch(() => undefined);
    if (value)
      return value;
    await sleep(50);
  }
  return undefined;
};
// The program's windows shown on the page: title, and frame and inner area.
const shownWindows = () => {
  const root = document.getElementById('qt-shadow-container')?.shadowRoot;
  if (!root)
    return [];
  const box = element => {
    const r = element.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width };
  };
  return [...root.querySelectorAll('.qt-window')]
    .filter(w => getComputedStyle(w).display !== 'none')
    .map(w => ({ title: w.querySelector('.window-name')?.textContent ?? '', frame: box(w),
                 inner: box(w.querySelector('.qt-window-contents')) }));
};
const verdict = () => document.getElementById('vexo-verdict').textContent;
const waitForVerdict = (page, pattern, seconds = 5) =>
  until(page, source => {
    const text = document.getElementById('vexo-verdict').textContent;
    return new RegExp(source).test(text) && text;
  }, pattern.source, seconds);
// Qt's elements for screen readers: role (or tag and type) and name.
const described = () => [...document.getElementById('qt-shadow-container').shadowRoot
  .querySelectorAll('.qt-window-a11y-container [id]')]
  .filter(e => e.ariaHidden !== 'true' && e.ariaHidden !== true)
  .map(e => `${e.getAttribute('role') ?? e.tagName.toLowerCase() + (e.tagName === 'INPUT' ? ':' + e.type : '')} ${e.getAttribute('aria-label') ?? ''}`);
const windowTitled = (page, title) =>
  until(page, title => shownWindows().find(w => w.title === title), title, 5);
const noWindowTitled = (page, title) =>
  until(page, title => !shownWindows().some(w => w.title === title), title, 5);

const browser = await puppeteer.launch({
  browser: browserName === 'firefox' ? 'firefox' : 'chrome',
  executablePath,
  headless: true,
  args: browserName === 'firefox' ? [] : ['--no-sandbox'],
});
const problems = [];
const open = async viewport => {
  const page = await browser.newPage();
  page.on('console', message => {
    if (['error', 'warn', 'warning', 'assert'].includes(message.type()))
      problems.push(`${message.type()}: ${message.text()}`);
  });
  page.on('pageerror', error => problems.push(`page error: ${error.message}`));
  page.on('requestfailed', request => {
    if (server.exitCode === null)
      problems.push(`failed request: ${request.url()}`);
  });
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(`window.shownWindows = ${shownWindows}; window.described = ${described};`);
  return page;
};
const firstWindow = async (page, what) => {
  const started = Date.now();
  await page.goto(`${origin}/`);
  const shown = await until(page, () => shownWindows()[0], null, 30);
  check(shown?.title === 'Vexo', `${what}: the flag quiz window appears (${Date.now() - started} ms)`);
  check(await page.evaluate(() => document.getElementById('splash').hidden),
        `${what}: the loading page has gone`);
  return shown;
};

try {
  await startServer();

  // A desktop's browser.
  let page = await open({ width: 1280, height: 800 });
  const shown = await firstWindow(page, 'desktop');
  const viewport = page.viewport();
  check(shown && shown.frame.top >= 0 && shown.frame.left >= 0 && shown.frame.right <= viewport.width &&
        shown.frame.bottom <= viewport.height && shown.inner.top > shown.frame.top,
        `the window stands wholly on the page, its title bar in view (${JSON.stringify(shown?.frame)})`);
  // Every verdict the live region speaks.
  await page.evaluate(() => {
    window.spoken = [];
    new MutationObserver(() => {
      const text = document.getElementById('vexo-verdict').textContent;
      if (text)
        window.spoken.push(text);
    }).observe(document.getElementById('vexo-verdict'), { childList: true, characterData: true, subtree: true });
  });
  for (const [i, key] of ['b', 'q', '7'].entries())
    check(await (async () => { await page.keyboard.type(key); return waitForVerdict(page, new RegExp(`Score is \\d / ${i + 1}\\. \\d`)); })(),
          `typed "${key}" is judged: "${await page.evaluate(verdict)}"`);

  // Qt's elements for screen readers, made when its hidden button is pressed
  // as a screen-reader user does: each control says what it is.
  await page.evaluate(() => [...document.getElementById('qt-shadow-container').shadowRoot
    .querySelectorAll('button')].find(b => b.textContent === 'Enable Screen Reader').click());
  const controls = await until(page, () => { const all = described(); return all.length > 20 && all; },
                               null, 5) ?? [];
  for (const control of ['region Flag Quiz - Vexo', 'combobox Program mode', 'input:text Answer',
                         'img Flag to name', 'input:checkbox ICS Letters', 'button Flags Help'])
    check(controls.includes(control), `a screen reader hears "${control}"`);
  if (browserName === 'chromium') {
    // As the browser hands it to a screen reader.
    const names = [];
    const walk = node => { names.push(`${node.role} ${node.name}`); (node.children ?? []).forEach(walk); };
    walk(await page.accessibility.snapshot({ interestingOnly: false }));
    check(['combobox Program mode', 'checkbox ICS Letters', 'textbox Answer'].every(n => names.includes(n)),
          'the browser\'s accessibility tree has the drop-down, a check box and the answer box by name');
  }

  await page.keyboard.down('Alt');
  await page.keyboard.press('h');
  await page.keyboard.up('Alt');
  check(await windowTitled(page, 'Flags Listing'), 'Alt+H opens the flags listing');
  // The quiz's two pictures, then the listing's 40 flags, each by name.
  const flags = await until(page, () => { const f = described().filter(c => /^img \S/.test(c)); return f.length >= 42 && f; },
                            null, 5);
  check(flags, `the listing reads flag by flag ("${flags?.slice(2, 4).join('", "')}", …)`);
  await page.keyboard.press('Escape');
  check(await noWindowTitled(page, 'Flags Listing'), 'Escape closes it');
  await page.keyboard.type('b');
  check(await waitForVerdict(page, /Score is \d \/ 4\./), 'the quiz answers again after the listing');
  const spoken = await page.evaluate(() => window.spoken);
  check(spoken.length === 4 && spoken.every((text, i) => text.includes(`/ ${i + 1}.`)),
        `each verdict is spoken once, none when a window comes back (${spoken.length} spoken)`);
  await picture(page, 'desktop');

  // About, by its access key; its web link opens in a new tab.
  await page.keyboard.down('Alt');
  await page.keyboard.press('b');
  await page.keyboard.up('Alt');
  const about = await windowTitled(page, 'About Vexo');
  if (check(about, 'Alt+B opens About')) {
    const tab = browser.waitForTarget(target => target.url().includes('tobrin.net'), { timeout: 5000 })
      .catch(() => null);
    await page.mouse.click(about.inner.left + 188, about.inner.top + 149);
    check(await tab, 'its web link opens in a new tab');
    await page.bringToFront();
    await page.mouse.click(about.inner.left + 188, about.inner.top + 188);
    check(await noWindowTitled(page, 'About Vexo'), 'its OK closes it');
  }

  // The drop-down at the top, by mouse: it opens, and Word Quiz is picked.
  const quiz = (await page.evaluate(() => shownWindows()))[0];
  await page.mouse.click(quiz.inner.right - 60, quiz.inner.top + 26);
  await sleep(300);
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await sleep(300);
  await page.keyboard.type('qqq');
  await page.keyboard.press('Enter');
  check(await waitForVerdict(page, /^Your answer "qqq" was WRONG\. The word was .+\. Score is 0\/1\./),
        `the word quiz judges a typed word: "${await page.evaluate(verdict)}"`);
  await page.close();

  // Where the program cannot run or arrive: a message on the page, not a
  // blank one (a fresh profile each, without the service worker).
  for (const [what, prepare, expected] of [
    ['a browser without WebAssembly', page => page.evaluateOnNewDocument(() => { delete window.WebAssembly; }),
     /cannot run Vexo: it lacks WebAssembly/],
    ['a download that fails', async page => {
      await page.setRequestInterception(true);
      page.on('request', request => request.url().includes('.wasm') ? request.abort() : request.continue());
    }, /Vexo could not be downloaded\. Check the connection/]]) {
    const context = await browser.createBrowserContext();
    const failing = await context.newPage();
    await prepare(failing);
    await failing.goto(`${origin}/`);
    const message = await until(failing, () => !document.getElementById('splash').hidden &&
                                              document.getElementById('again').hidden === false &&
                                              document.getElementById('status').textContent, null, 10);
    check(expected.test(message ?? ''), `${what}: the page says so ("${message}")`);
    await context.close();
  }

  // A phone held upright, touch only: the window across its width.
  page = await open({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const phone = await firstWindow(page, 'phone');
  const scroll = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  const coarse = await page.evaluate(() => matchMedia('(pointer: coarse)').matches);
  check(phone && phone.frame.left >= 0 && phone.frame.right <= 390 && scroll <= 0 &&
        (!coarse || phone.frame.width >= 0.85 * 390),
        `the window fits the phone's width${coarse ? ' and nearly fills it, as the widest mode window does' : ''}, no sideways scrolling (${JSON.stringify(phone?.frame)})`);
  // A tap on the answer box, then text as an on-screen keyboard sends it.
  const box = await until(page, () => {
    const root = document.getElementById('qt-shadow-container').shadowRoot;
    const w = root.querySelector('.qt-window-contents').getBoundingClientRect();
    return { x: w.left + w.width * 0.55, y: w.top + w.height * 0.165 };
  }, null, 2);
  await page.touchscreen.tap(box.x, box.y);
  await sleep(200);
  await page.keyboard.sendCharacter('k');
  check(await waitForVerdict(page, /Score is \d \/ 1\. \d/), `text from an on-screen keyboard is judged: "${await page.evaluate(verdict)}"`);
  await picture(page, 'phone');
  // The drop-down by touch: a tap opens its list, a tap on Word Quiz picks it.
  const width = phone.inner.right - phone.inner.left;
  await page.touchscreen.tap(phone.inner.left + width * 0.75, phone.inner.top + width * 0.09);
  const list = await windowTitled(page, '');
  if (check(list, 'a tap opens the drop-down\'s list')) {
    // Five modes, the second the word quiz.
    await page.touchscreen.tap(list.inner.left + 20, list.inner.top + (list.inner.bottom - list.inner.top) * 0.3);
    await sleep(300);
    for (const letter of 'qqq')
      await page.keyboard.sendCharacter(letter);
    await page.keyboard.press('Enter');
    check(await waitForVerdict(page, /^Your answer "qqq" was WRONG/), 'a tap on Word Quiz picks it, and it judges a word');
  }

  if (browserName === 'chromium') {
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    check(installabilityErrors.length === 0,
          `the browser would add it to a home screen as an app${installabilityErrors.map(e => ': ' + e.errorId).join('')}`);
  }

  // The network cut: the page, the program and the drill come from the
  // service worker.
  await until(page, () => navigator.serviceWorker?.controller !== null &&
                          caches.keys().then(keys => keys.some(k => k.startsWith('vexo-'))), null, 30);
  await stopServer();
  await page.reload();
  const offline = await until(page, () => shownWindows()[0], null, 30);
  check(offline?.title === 'Vexo', 'with the network cut, a reload shows the window');
  await page.keyboard.sendCharacter('k');
  check(await waitForVerdict(page, /Score is \d \/ 1\. \d/), 'and drills');

  // A new version on the host, of another build id: the next visit with the
  // network shows it, every file asked for by its id, and so does the one
  // after, offline.
  const build = await page.evaluate(() => vexoBuild);
  const next = [...build].reverse().join('');
  const newer = mkdtempSync(join(tmpdir(), 'vexo-newer-'));
  cpSync(site, newer, { recursive: true });
  for (const file of ['index.html', 'sw.js'])
    writeFileSync(join(newer, file), readFileSync(join(newer, file), 'utf8').replaceAll(build, next));
  await startServer(newer);
  const asked = [];
  page.on('request', request => asked.push(request.url()));
  await page.reload();
  const upgraded = (await until(page, () => shownWindows()[0], null, 30)) && await page.evaluate(() => vexoBuild);
  // The program's files; a browser may still ask for the last page's icon.
  const byId = asked.filter(url => /\.(js|wasm)\?v=/.test(url));
  check(upgraded === next && byId.every(url => url.endsWith(`?v=${next}`)),
        `the next visit with the network runs the new version whole (${byId.length} files by its id)` +
        (upgraded === next && byId.every(url => url.endsWith(`?v=${next}`)) ? "" : `: build ${upgraded}, files ${byId.map(url => url.split("/").pop())}`));
  const kept = await until(page, async next => {
    const registration = await navigator.serviceWorker.getRegistration();
    return registration.active && !registration.installing && !registration.waiting &&
           (await caches.keys()).includes(`vexo-${next}`);
  }, next, 30);
  // Where it stands when it is not, for whoever reads a failure.
  const workers = kept ? '' : await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    const state = worker => worker ? `${worker.state} ${worker.scriptURL.split('/').pop()}` : 'none';
    return `: active ${state(registration?.active)}, waiting ${state(registration?.waiting)}, ` +
           `installing ${state(registration?.installing)}; caches ${(await caches.keys()).join(' ')}`;
  }).catch(error => `: ${error.message}`);
  check(kept, `the new version is kept, and its service worker serves${workers}`);
  await stopServer();
  rmSync(newer, { recursive: true });
  await page.reload();
  check((await until(page, () => shownWindows()[0], null, 30)) && await page.evaluate(() => vexoBuild) === next,
        'offline, the new version opens');
  await page.close();
  check(problems.length === 0, `the console stays clean${problems.length ? ': ' + problems.join(' | ') : ''}`);
} catch (error) {
  check(false, `the drill ran to its end (${error.stack})`);
} finally {
  await browser.close();
  if (server?.exitCode === null)
    server.kill();
}
console.log(`${browserName}: ${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
