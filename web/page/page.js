// SPDX-License-Identifier: MIT
// The page's one handler. It runs after the program's module, in its scope: every
// DOM event on a control becomes one user action of the program (quorvane_act), and
// then every field is drawn again from what the program's window shows.
'use strict';

const OCTETS = ['IP_Part1', 'IP_Part2', 'IP_Part3', 'IP_Part4'];
const BOXES = [...OCTETS, 'AccessListBox'];
// The window's pause that ends a prefix length typed into the mask list (Qt's
// keyboard input interval).
const PREFIX_PAUSE_MS = 400;
const SAID_FOR_MS = 2000;
// Where the browser draws options as the page's own elements, a hint follows each
// mask in a quieter colour; elsewhere it is the option's tooltip alone.
const RICH_LIST = CSS.supports('appearance', 'base-select');

const byId = (id) => document.getElementById(id);
let shown = { focus: null, link: '' };
let drawing = false;
let listKey = '';
let prefixKeys = '';
let prefixPause = 0;
let sayingUntil = 0;

function call(name, ...args) {
  return ccall(name, 'string', args.map(() => 'string'), args);
}

function holds(name, text) {
  return ccall(name, 'number', ['string'], [text]) === 1;
}

function act(verb, field, text = '', caret = null) {
  call('quorvane_act', verb, field, text);
  draw(field, caret);
}

// What the user's edit leaves in a box, when the box's caret or selection is not
// where the program keeps it (the end, or all of the text): the whole new text goes
// in at once, as typed over the box.
function edit(box, text, caret) {
  const now = byId(box).value;
  if (text === now) return;
  if (OCTETS.includes(box) && [...text].length > 3 && [...text].length > [...now].length) return;
  act(text ? 'paste' : 'clear', box, text, caret);
}

// Whether the box's caret and selection are where the program keeps them.
function onProgramCaret(box) {
  const value = box.value;
  const start = box.selectionStart;
  const end = box.selectionEnd;
  if (shown.selectedAll && shown.focus === box.id) return start === 0 && end === value.length;
  return start === value.length && end === value.length;
}

function editBox(event, box) {
  const target = event.target;
  const value = target.value;
  const start = target.selectionStart;
  const end = target.selectionEnd;
  const data = event.data !== null ? event.data : event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
  const onCaret = onProgramCaret(target);
  const cut = (from, to, put = '') => edit(box, value.slice(0, from) + put + value.slice(to), from + put.length);
  // A character before the caret, both halves of a surrogate pair.
  const before = start - (start > 1 && /[\uDC00-\uDFFF]/.test(value[start - 1]) ? 2 : 1);
  switch (event.inputType) {
    case 'insertText':
      if (onCaret || (box !== 'AccessListBox' && (data === '.' || data === '/'))) act('type', box, data);
      else cut(start, end, data);
      break;
    case 'insertLineBreak':
    case 'insertParagraph':
      cut(start, end, '\n');
      break;
    case 'deleteContentBackward':
      if (onCaret) act('back', box);
      else if (start !== end) cut(start, end);
      else if (start > 0) cut(before, end);
      break;
    case 'deleteContentForward':
      if (start !== end) cut(start, end);
      else if (end < value.length) cut(start, end + ([...value.slice(end)][0].length));
      break;
    case 'insertFromPaste':
    case 'insertFromDrop':
      if (data && (start === 0 && end === value.length || holds('quorvane_finds_address', data)))
        act('paste', box, data);
      else if (data) cut(start, end, data);
      break;
    default:
      // Any other deletion takes the selection, or what stands before the caret.
      if (event.inputType.startsWith('delete')) cut(start === end ? 0 : start, end);
  }
}

function typedIntoList(event) {
  const key = event.key;
  const typing = key.length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey;
  clearTimeout(prefixPause);
  if (!typing || !/[0-9/]/.test(key)) {
    prefixKeys = '';
    return;
  }
  event.preventDefault();
  prefixKeys += key;
  const typed = () => {
    const keys = prefixKeys;
    prefixKeys = '';
    act('type', 'SubnetList', keys);
  };
  if (holds('quorvane_prefix_complete', prefixKeys)) typed();
  else prefixPause = setTimeout(typed, PREFIX_PAUSE_MS);
}

function copyResults() {
  const copy = JSON.parse(call('quorvane_copy'));
  const put = (event) => {
    event.clipboardData.setData('text/plain', copy.text);
    event.clipboardData.setData('text/html', copy.html);
    event.preventDefault();
  };
  document.addEventListener('copy', put, { once: true });
  document.execCommand('copy');
  document.removeEventListener('copy', put);
  // Said where the user is looking, for two seconds; a screen reader hears it.
  const cue = byId('Cue');
  const at = (document.activeElement && document.activeElement.closest('#Main *')) || byId('Main');
  const main = document.querySelector('main').getBoundingClientRect();
  const place = at.getBoundingClientRect();
  cue.textContent = copy.said;
  cue.style.left = `${place.left - main.left}px`;
  cue.style.top = `${place.bottom - main.top}px`;
  cue.hidden = false;
  sayingUntil = Date.now() + SAID_FOR_MS;
  setTimeout(() => { if (Date.now() >= sayingUntil) cue.hidden = true; }, SAID_FOR_MS);
}

function fragment() {
  try {
    return decodeURIComponent(location.hash);
  } catch (malformed) {
    return location.hash;
  }
}

function openLink(link = fragment().slice(1)) {
  if (link && link !== shown.link) {
    call('quorvane_open_link', link);
    draw('IP_Part4');
  }
}

// The one handler of every event the page listens to.
function handle(event) {
  const target = event.target;
  const id = target.id;
  switch (event.type) {
    case 'beforeinput':
      if (!BOXES.includes(id)) return;
      // An input method's text goes in when it is committed.
      if (event.inputType === 'insertCompositionText') return;
      event.preventDefault();
      editBox(event, id);
      break;
    case 'compositionend':
      if (BOXES.includes(id) && event.data) act('type', id, event.data);
      break;
    case 'cut':
      if (!BOXES.includes(id) || target.selectionStart === target.selectionEnd) return;
      event.clipboardData.setData('text/plain', target.value.slice(target.selectionStart, target.selectionEnd));
      event.preventDefault();
      edit(id, target.value.slice(0, target.selectionStart) + target.value.slice(target.selectionEnd), target.selectionStart);
      break;
    case 'keydown':
      if (event.ctrlKey && event.shiftKey && !event.altKey && event.code === 'KeyC') {
        event.preventDefault();
        copyResults();
      } else if (id === 'SubnetList') {
        typedIntoList(event);
      } else if (target.localName === 'option' && (event.key === 'Enter' || event.key === ' ')) {
        act('pick', 'SubnetList', target.value);
      }
      break;
    case 'mousedown':
      // A click into an octet box that does not have the focus goes to the program
      // as the move to the box, which decides where the caret stands.
      if (OCTETS.includes(id) && document.activeElement !== target && event.button === 0) {
        event.preventDefault();
        target.focus();
      }
      break;
    case 'focusin':
      if (!drawing && id && id !== shown.focus && (BOXES.includes(id) || id === 'SubnetList' || target.type === 'radio'))
        act('focus', id);
      break;
    case 'click':
      if (target.type === 'radio') act('click', id);
      else if (RICH_LIST && target.closest('option')) act('pick', 'SubnetList', target.closest('option').value);
      break;
    case 'change':
      if (!RICH_LIST && id === 'SubnetList') act('pick', 'SubnetList', target.value);
      break;
    case 'hashchange':
      openLink();
      break;
  }
}

function drawList(screen) {
  const list = byId('SubnetList');
  const key = JSON.stringify([screen.entries, screen.hints]);
  if (key !== listKey) {
    listKey = key;
    list.querySelectorAll('option').forEach((option) => option.remove());
    screen.entries.forEach((entry, i) => {
      const option = new Option(entry, entry);
      const hint = screen.hints[i] || '';
      if (hint) {
        option.title = hint;
        if (RICH_LIST) {
          const mask = document.createElement('span');
          mask.className = 'mask';
          mask.append(entry);
          const said = document.createElement('span');
          said.className = 'hint';
          said.append(hint);
          option.replaceChildren(mask, said);
        }
      }
      list.append(option);
    });
  }
  const index = screen.selected === null ? -1 : screen.entries.indexOf(screen.selected);
  if (list.selectedIndex !== index) list.selectedIndex = index;
}

// Draws every field as the program's window shows it. `acted`: the control the
// user's action went to; `caret`: where a box's caret goes after an edit the
// program's own caret does not follow.
function draw(acted = null, caret = null) {
  const screen = JSON.parse(call('quorvane_screen'));
  drawing = true;
  for (const [name, text] of Object.entries(screen.fields)) {
    const element = byId(name);
    if (!('value' in element) || element.localName === 'output') {
      if (element.textContent !== text) element.textContent = text;
      continue;
    }
    const value = text.replaceAll('\r\n', '\n');
    if (element.value === value) continue;
    element.value = value;
    // The program's own list replaces the user's text from its start.
    if (name === 'AccessListBox' && acted !== name) {
      element.setSelectionRange(0, 0);
      element.scrollTop = 0;
    }
  }
  drawList(screen);
  byId('Subsuper1').checked = !screen.supernet;
  byId('Subsuper2').checked = screen.supernet;
  for (const [name, text] of Object.entries(screen.explanations)) {
    const element = byId(name);
    if (element.title === text) continue;
    element.title = text;
    byId(`${name}-says`).textContent = text;
  }
  const focus = screen.focus && byId(screen.focus);
  if (focus && acted && document.activeElement !== focus) focus.focus();
  if (focus && BOXES.includes(screen.focus) && (acted === screen.focus || document.activeElement === focus)) {
    const end = focus.value.length;
    if (screen.selectedAll) focus.setSelectionRange(0, end);
    else if (caret !== null) focus.setSelectionRange(caret, caret);
    else if (acted === screen.focus) focus.setSelectionRange(end, end);
  }
  const link = screen.link ? `#${screen.link}` : '';
  if (fragment() !== link)
    history.replaceState(null, '', link || location.pathname + location.search);
  shown = screen;
  drawing = false;
}

Module.onRuntimeInitialized = () => {
  const decimal = new Intl.NumberFormat().formatToParts(1.5).find((part) => part.type === 'decimal');
  call('quorvane_start', decimal ? decimal.value : '.');
  const opened = fragment().slice(1);
  for (const type of ['beforeinput', 'compositionend', 'cut', 'keydown', 'mousedown', 'focusin', 'click', 'change'])
    document.addEventListener(type, handle, true);
  window.addEventListener('hashchange', handle);
  draw();
  byId('IP_Part1').focus();
  openLink(opened);
  document.documentElement.dataset.ready = '';
  performance.mark('quorvane-ready');
};
