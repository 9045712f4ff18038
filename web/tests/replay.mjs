// SPDX-License-Identifier: MIT
// node replay.mjs [--describe] SCRIPT: plays a replay script through the page in
// headless Chromium, each line as the user does it there (real clicks, keystrokes and
// clipboard pastes), and prints one JSON line per dump as the replay player does: the
// fields as the page shows them, read from the DOM, then the calculator's state and
// the operations the tests' module recorded. With --describe, each dump is followed
// by what the page explains (tooltips and the mask list's hints). A malformed line
// or an entry that is not in the list stops it with "line N: ..." and status 2.
import { readFileSync } from 'node:fs';
import { launch, openPage, pageUrl, RECORDED_PAGE } from './browser.mjs';

const SCRIPT_ERROR = 2;
// Longer than the page's pause that ends a prefix length typed into the mask list.
const PREFIX_PAUSE_MS = 500;

class Malformed extends Error {}

function parse(line) {
  if (!line.trim() || line.startsWith('#')) return null;
  const space = line.indexOf(' ');
  const verb = space < 0 ? line : line.slice(0, space);
  const rest = space < 0 ? null : line.slice(space + 1);
  if (verb === 'dump') {
    if (rest !== null) throw new Malformed('dump takes nothing after it');
    return { verb };
  }
  if (verb === 'pick') {
    if (rest === null) throw new Malformed('pick needs an entry text');
    return { verb, text: rest };
  }
  if (verb === 'click') {
    if (rest !== 'Subsuper1' && rest !== 'Subsuper2') throw new Malformed(`unknown option '${rest}'`);
    return { verb, field: rest };
  }
  if (!['type', 'paste', 'back', 'clear'].includes(verb)) throw new Malformed(`unknown action '${verb}'`);
  if (rest === null) throw new Malformed(`${verb} needs a box`);
  const boxEnd = rest.indexOf(' ');
  const field = boxEnd < 0 ? rest : rest.slice(0, boxEnd);
  const after = boxEnd < 0 ? null : rest.slice(boxEnd + 1);
  if (!/^(IP_Part[1-4]|AccessListBox)$/.test(field)) throw new Malformed(`unknown box '${field}'`);
  if (verb === 'clear' && after !== null) throw new Malformed('clear takes only a box');
  if (verb === 'back') {
    if (!after || !/^[0-9]+$/.test(after)) throw new Malformed('back needs a count of keystrokes');
    return { verb, field, count: Number(after) };
  }
  return { verb, field, text: after || '' };
}

// The user moves to the box as a person does: a click into it, unless it has the
// focus already; in the list box, the caret then goes to the end.
async function focusBox(page, field) {
  if (await page.evaluate((id) => document.activeElement.id === id, field)) return;
  await page.click(`#${field}`);
  if (field === 'AccessListBox') await page.keyboard.press('Control+End');
}

// One keystroke per character; what no key types (a control character, an emoji)
// goes in as an input method's text, as a keystroke carrying it.
async function typeText(page, text) {
  for (const character of text) {
    if (/^[\x20-\x7e]$/.test(character)) await page.keyboard.type(character);
    else await page.keyboard.insertText(character);
  }
  if (await page.evaluate(() => document.activeElement.id === 'SubnetList'))
    await page.waitForTimeout(PREFIX_PAUSE_MS);
}

async function perform(page, action) {
  switch (action.verb) {
    case 'type':
      await focusBox(page, action.field);
      await typeText(page, action.text);
      break;
    case 'back':
      await focusBox(page, action.field);
      for (let i = 0; i < action.count; ++i) {
        if (await page.inputValue(`#${action.field}`) === '') break;
        await page.keyboard.press('Backspace');
      }
      break;
    case 'clear':
      await focusBox(page, action.field);
      await page.keyboard.press('Control+A');
      await page.keyboard.press('Delete');
      break;
    case 'paste':
      await focusBox(page, action.field);
      await page.evaluate((text) => navigator.clipboard.writeText(text), action.text);
      await page.keyboard.press('Control+A');
      await page.keyboard.press('Control+V');
      break;
    case 'click':
      await page.click(`#${action.field}`);
      break;
    case 'pick':
      // The list opens on a click, and the entry is clicked.
      await page.click('#SubnetList');
      await page.locator('#SubnetList option').filter({ hasText: action.text }).first().click();
      break;
  }
}

function readPage(describe) {
  const screen = JSON.parse(Module.ccall('quorvane_screen', 'string', [], []));
  const names = Object.keys(screen.fields);
  const shown = (name) => {
    const element = document.getElementById(name);
    return 'value' in element && element.localName !== 'output'
      ? element.value.replaceAll('\n', '\r\n') : element.textContent;
  };
  const isBox = (name) => ['input', 'textarea'].includes(document.getElementById(name).localName);
  const list = document.getElementById('SubnetList');
  const options = [...list.querySelectorAll('option')];
  const mask = (option) => (option.querySelector('.mask') || option).textContent;
  const dump = {};
  for (const name of names.filter(isBox)) dump[name] = shown(name);
  for (const name of names.filter((name) => !isBox(name))) dump[name] = shown(name);
  dump.SubnetList = {
    entries: options.map(mask),
    selected: list.selectedIndex < 0 ? null : mask(options[list.selectedIndex]),
  };
  dump.Subsuper1 = document.getElementById('Subsuper1').checked;
  dump.Subsuper2 = document.getElementById('Subsuper2').checked;
  Object.assign(dump, JSON.parse(Module.ccall('quorvane_recorded_state', 'string', [], [])));
  const lines = [JSON.stringify(dump)];
  if (describe) {
    const tooltips = {};
    const explained = [...document.querySelectorAll('input[type=text]'), ...document.querySelectorAll('output'),
      document.getElementById('AccessListBox')];
    for (const element of explained) tooltips[element.id] = element.title;
    const hints = options.map((option) => option.title ? `${mask(option)}   ${option.title}` : mask(option));
    lines.push(JSON.stringify({ describe: { tooltips, SubnetList: { tooltip: list.title, hints } } }));
  }
  return lines.join('\n');
}

async function main(args) {
  const describe = args.includes('--describe');
  const path = args.filter((arg) => !arg.startsWith('--'))[0];
  const lines = readFileSync(path, 'utf8').split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  const browser = await launch();
  let status = 0;
  try {
    const context = await browser.newContext({ locale: process.env.QUORVANE_LOCALE || 'en-US' });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await openPage(context, pageUrl(RECORDED_PAGE));
    for (let number = 1; number <= lines.length; ++number) {
      const line = lines[number - 1].replace(/\r$/, '');
      let action;
      try {
        action = parse(line);
      } catch (error) {
        if (!(error instanceof Malformed)) throw error;
        process.stderr.write(`line ${number}: ${error.message}\n`);
        status = SCRIPT_ERROR;
        break;
      }
      if (!action) continue;
      if (action.verb === 'dump') {
        process.stdout.write(`${await page.evaluate(readPage, describe)}\n`);
      } else if (action.verb === 'pick' &&
          !(await page.$$eval('#SubnetList option', (options, text) =>
            options.some((option) => option.value === text), action.text))) {
        process.stderr.write(`line ${number}: '${action.text}' is not an entry of SubnetList\n`);
        status = SCRIPT_ERROR;
        break;
      } else {
        await perform(page, action);
      }
    }
    if (page.errors.length) throw new Error(`the page failed: ${page.errors.join('; ')}`);
  } finally {
    await browser.close();
  }
  process.exitCode = status;
}

await main(process.argv.slice(2));
