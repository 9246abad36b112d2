// What the first visit of a web site transfers, and how soon its first window
// is drawn in headless Chromium, Vexo against a bare Qt window built with the
// same Qt and served by the same kind of page:
//   node bench.mjs VEXO_SITE BARE_SITE CHROMIUM [RUNS]
// Each run is a fresh profile on a local static server, the two programs in
// turn; the time is from navigation to the first frame in which a window's
// canvas holds a drawn pixel. Then Vexo's second visit, from its service worker.
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';

const [vexoSite, bareSite, executablePath, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 7);

const transfer = site => {
  const sizes = { raw: 0, gzip: 0, brotli: 0 };
  // The licence texts are there to read, not fetched by a visit.
  for (const name of readdirSync(site).filter(name => !name.endsWith('.txt'))) {
    const data = readFileSync(join(site, name));
    sizes.raw += data.length;
    sizes.gzip += gzipSync(data, { level: 9 }).length;
    sizes.brotli += brotliCompressSync(data, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
  }
  return sizes;
};

// Marks the first frame with a drawn window: a canvas pixel not transparent.
const watchFirstWindow = () => {
  const look = () => {
    const root = document.getElementById('qt-shadow-container')?.shadowRoot;
    for (const canvas of root?.querySelectorAll('.qt-window canvas') ?? []) {
      if (!canvas.width || getComputedStyle(canvas.closest('.qt-window')).display === 'none')
        continue;
      const pixel = canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data;
      if (pixel[3]) {
        window.firstWindowAt = performance.now();
        return;
      }
    }
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
};

const browser = await puppeteer.launch({ executablePath, headless: true, args: ['--no-sandbox'] });
const visit = async (page, url) => {
  await page.goto(url);
  for (let i = 0; i < 600; i++) {
    const at = await page.evaluate(() => window.firstWindowAt);
    if (at)
      return at;
    await sleep(20);
  }
  throw new Error(`no window drawn at ${url}`);
};
const median = values => [...values].sort((a, b) => a - b)[values.length >> 1];

const servers = [await serve(vexoSite, 18731), await serve(bareSite, 18732)];
const times = { vexo: [], bare: [], again: [] };
try {
  for (let run = 0; run < runs; run++) {
    for (const [name, port] of run % 2 ? [['bare', 18732], ['vexo', 18731]] : [['vexo', 18731], ['bare', 18732]]) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.evaluateOnNewDocument(watchFirstWindow);
      times[name].push(await visit(page, `http://127.0.0.1:${port}/`));
      if (name === 'vexo') {
        // The second visit, once the service worker keeps the site.
        await page.evaluate(() => navigator.serviceWorker.ready);
        for (let i = 0; i < 300 && !(await page.evaluate(() => !!navigator.serviceWorker.controller)); i++)
          await sleep(20);
        times.again.push(await visit(page, `http://127.0.0.1:${port}/`));
      }
      await context.close();
    }
  }
} finally {
  await browser.close();
  servers.forEach(server => server.kill());
}

const mb = bytes => (bytes / 1e6).toFixed(2);
const ms = value => value.toFixed(0);
const [vexo, bare] = [transfer(vexoSite), transfer(bareSite)];
console.log('first visit, every file   raw MB   gzip -9 MB   brotli -q 11 MB');
console.log(`  Vexo                    ${mb(vexo.raw)}    ${mb(vexo.gzip)}         ${mb(vexo.brotli)}`);
console.log(`  bare Qt window          ${mb(bare.raw)}    ${mb(bare.gzip)}         ${mb(bare.brotli)}`);
console.log(`navigation to first drawn window, median of ${runs} (ms): Vexo ${ms(median(times.vexo))}, ` +
            `bare Qt window ${ms(median(times.bare))}, ratio ${(median(times.vexo) / median(times.bare)).toFixed(2)}`);
console.log(`  Vexo runs: ${times.vexo.map(ms).join(' ')}; bare: ${times.bare.map(ms).join(' ')}`);
console.log(`second visit, from the service worker (ms): median ${ms(median(times.again))} (${times.again.map(ms).join(' ')})`);
