// SPDX-License-Identifier: MIT
// node bench/web.mjs [runs]: the page's size and speed in Debian's headless Chromium,
// as rows of bench/run.sh's table. Size: every file of the page folder gzipped
// (-9), against 150 KB. First paint: from a local web server, the browser's first
// paint and the moment the program has drawn every field, median of the runs,
// against 300 ms. A keystroke: from the key's event to the page laid out anew
// (the program's action, every field drawn, style and layout), median and worst
// over typed addresses, against 5 ms.
import { readdirSync, readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, PAGE } from '../web/tests/browser.mjs';

const runs = Number(process.argv[2] || 10);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const row = (name, value, target, met) =>
  console.log(`| ${name} | ${value} | | | ${target}: ${met ? 'met' : 'MISSED'} |`);

let gzipped = 0;
for (const file of readdirSync(PAGE)) gzipped += gzipSync(readFileSync(join(PAGE, file)), { level: 9 }).length;
row('page: the whole folder, gzip -9', `${(gzipped / 1024).toFixed(1)} KB`, '<= 150 KB', gzipped <= 150 * 1024);

const types = { '.html': 'text/html', '.js': 'text/javascript' };
const server = createServer((request, response) => {
  const path = new URL(request.url, 'http://localhost').pathname;
  const file = path === '/' ? 'index.html' : path.slice(1);
  try {
    response.writeHead(200, { 'Content-Type': types[file.slice(file.lastIndexOf('.'))] || 'application/octet-stream' });
    response.end(readFileSync(join(PAGE, file)));
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
const browser = await launch();
try {
  const paints = [];
  const drawn = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector('html[data-ready]');
    const times = await page.evaluate(() => ({
      paint: performance.getEntriesByName('first-paint')[0]?.startTime,
      ready: performance.getEntriesByName('quorvane-ready')[0]?.startTime ?? performance.now(),
    }));
    paints.push(times.paint);
    drawn.push(times.ready);
    await context.close();
  }
  row('page: first paint from a local server', `${median(paints).toFixed(0)} ms`, '< 300 ms', median(paints) < 300);
  row('page: every field drawn by the program', `${median(drawn).toFixed(0)} ms`, '< 300 ms', median(drawn) < 300);

  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector('html[data-ready]');
  await page.evaluate(() => {
    // Around the page's own handler: the first listener of all, and the last.
    window.keystrokes = [];
    let start = 0;
    window.addEventListener('keydown', () => { start = performance.now(); }, true);
    window.addEventListener('beforeinput', () => {
      void document.body.offsetHeight;
      window.keystrokes.push(performance.now() - start);
    });
  });
  for (let i = 0; i < runs; ++i) {
    await page.click('#IP_Part1');
    await page.keyboard.type(i % 2 ? '10.0.0.1/30' : '192.168.100.200');
    await page.click('#IP_Part4');
    for (let back = 0; back < 3; ++back) await page.keyboard.press('Backspace');
  }
  const keys = await page.evaluate(() => window.keystrokes);
  row(`page: a keystroke to the page laid out (${keys.length} keys)`,
    `${median(keys).toFixed(2)} ms median, ${Math.max(...keys).toFixed(2)} ms worst`, 'median < 5 ms', median(keys) < 5);
  await context.close();
} finally {
  await browser.close();
  server.closeAllConnections();
  server.close();
}
