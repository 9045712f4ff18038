// SPDX-License-Identifier: MIT
// The page's own promises, in headless Chromium: a link is a result, nothing is sent
// (from a web server and from file:// with the network off), nothing is inaccessible
// (axe-core), the design fits a phone without moving, and Ctrl+Shift+C copies.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join } from 'node:path';
import { after, before, test } from 'node:test';
import { launch, openPage, PAGE, pageUrl } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

async function fresh(url, options = {}) {
  const context = await browser.newContext(options);
  return { context, page: await openPage(context, url) };
}

const boxes = (page) => page.$$eval('input[type=text]', (inputs) => inputs.map((input) => input.value).join('.'));
const shownMask = (page) => page.$eval('#SubnetList', (list) => list.value);

test('a link opens its result and reads back the same', async () => {
  const rows = [
    { link: '10.20.30.40/27', address: '10.20.30.40', mask: '255.255.255.224', supernet: false },
    { link: '192.168.0.0/22', address: '192.168.0.0', mask: '255.255.252.0', supernet: true },
    { link: '192.168.1.0/24,supernet', address: '192.168.1.0', mask: '255.255.255.0', supernet: true },
    { link: '172.16.5.4/16', address: '172.16.5.4', mask: '255.255.0.0', supernet: false },
    { link: '224.1.2.3', address: '224.1.2.3', mask: 'N/A', supernet: false },
  ];
  for (const row of rows) {
    const { context, page } = await fresh(`${pageUrl(PAGE)}#${row.link}`);
    assert.equal(await boxes(page), row.address, row.link);
    assert.equal(await shownMask(page), row.mask, row.link);
    assert.equal(await page.isChecked('#Subsuper2'), row.supernet, row.link);
    assert.equal(await page.evaluate(() => location.hash), `#${row.link}`, row.link);
    await context.close();
  }
});

test('the link follows the user, and a changed link is entered', async () => {
  const { context, page } = await fresh(pageUrl(PAGE));
  assert.equal(await page.evaluate(() => location.hash), '');
  await page.keyboard.type('10.1.2.3');
  assert.equal(await page.evaluate(() => location.hash), '#10.1.2.3/8');
  await page.click('#Subsuper2');
  assert.equal(await page.evaluate(() => location.hash), '#10.1.2.3/8,supernet');
  await page.evaluate(() => { location.hash = '#192.168.7.9/26'; });
  await page.waitForFunction(() => document.getElementById('IP_Part4').value === '9');
  assert.equal(await boxes(page), '192.168.7.9');
  assert.equal(await shownMask(page), '255.255.255.192');
  assert.equal(await page.isChecked('#Subsuper1'), true);
  await context.close();
});

async function works(page) {
  await page.keyboard.type('10.20.30.40/27');
  assert.equal(await page.textContent('#IPBroadcast'), '10.20.30.63');
  assert.deepEqual(page.errors, []);
}

test('from file:// with the network off, the page works and asks for nothing', async () => {
  const context = await browser.newContext({ offline: true });
  const page = await context.newPage();
  const requests = [];
  const errors = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pageUrl(PAGE));
  await page.waitForSelector('html[data-ready]');
  page.errors = errors;
  await works(page);
  assert.deepEqual(requests.filter((url) => !/^(file|data):/.test(url)), []);
  await context.close();
});

test('from a web server, nothing is requested after loading', async () => {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
  const served = [];
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    served.push(path);
    try {
      const body = readFileSync(join(PAGE, path === '/' ? 'index.html' : path));
      response.writeHead(200, { 'Content-Type': types[extname(path)] || 'text/html' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  try {
    const { context, page } = await fresh(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForLoadState('networkidle');
    const loaded = served.length;
    await works(page);
    await page.click('#Subsuper2');
    await page.waitForTimeout(200);
    assert.deepEqual(served.slice(loaded), []);
    assert.deepEqual(served.filter((path) => !['/', '/quorvane.js', '/quorvane.webmanifest'].includes(path)), []);
    await context.close();
  } finally {
    server.closeAllConnections();
    server.close();
  }
});

test('axe-core finds no violation, before and after an address', async () => {
  const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  const { context, page } = await fresh(pageUrl(PAGE));
  await page.addScriptTag({ content: axe });
  for (const typed of ['', '192.168.1.10/26']) {
    await page.keyboard.type(typed);
    const result = await page.evaluate(() => axe.run(document));
    assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], typed);
  }
  await context.close();
});

test('on a 360-pixel-wide phone the whole design shows, every control in its place', async () => {
  const places = (page) => page.$$eval('#Main [id]', (all) => all.map((e) => `${e.id} ${e.offsetLeft},${e.offsetTop} ${e.offsetWidth}x${e.offsetHeight}`));
  const desktop = await fresh(pageUrl(PAGE));
  const phone = await fresh(pageUrl(PAGE), { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  assert.deepEqual(await places(phone.page), await places(desktop.page));
  const fit = await phone.page.evaluate(() => {
    const main = document.getElementById('Main').getBoundingClientRect();
    const page = document.querySelector('main').getBoundingClientRect();
    return { right: main.right * visualViewport.scale, page: page.right * visualViewport.scale };
  });
  assert.ok(fit.right <= 360.5 && fit.page <= 360.5, JSON.stringify(fit));
  await desktop.context.close();
  await phone.context.close();
});

test('Ctrl+Shift+C copies the report as text and HTML and says so for two seconds', async () => {
  const { context, page } = await fresh(pageUrl(PAGE));
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.keyboard.type('192.168.1.10/26');
  await page.keyboard.press('Control+Shift+C');
  const copied = await page.evaluate(async () => {
    const [item] = await navigator.clipboard.read();
    const text = async (type) => (await item.getType(type)).text();
    return { text: await text('text/plain'), html: await text('text/html') };
  });
  const lines = copied.text.split('\n').length - 1;
  assert.match(copied.text, /^Address: +192\.168\.1\.10\/26$/m);
  assert.match(copied.html, /<table/);
  assert.equal(await page.textContent('#Cue'), `Copied the results (${lines} lines) to the clipboard`);
  assert.equal(await page.isVisible('#Cue'), true);
  await page.waitForTimeout(2100);
  assert.equal(await page.isVisible('#Cue'), false);
  await context.close();
});
