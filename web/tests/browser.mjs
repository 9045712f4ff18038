// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, for the page's tests and benchmark: the system browser
// (never a download), in a fresh profile, making no request of its own.
import { chromium } from 'playwright-core';
import { dirname, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const CHROMIUM = process.env.QUORVANE_CHROMIUM || '/usr/bin/chromium';

// The built page folders: the page as hosted, and the tests' one, whose module
// records what the program does.
const build = resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web');
export const PAGE = process.env.QUORVANE_PAGE || resolve(build, 'quorvane-web');
export const RECORDED_PAGE = process.env.QUORVANE_RECORDED_PAGE || resolve(build, 'quorvane-web-recorded');

export function pageUrl(folder) {
  return pathToFileURL(resolve(folder, 'index.html')).href;
}

export function launch() {
  return chromium.launch({
    executablePath: CHROMIUM,
    // Root on a CI machine has no sandbox; the rest keeps the browser off the network.
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// Opens the page and waits until the program has drawn it.
export async function openPage(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  page.errors = errors;
  return page;
}
