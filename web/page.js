// The page's script: it hands the logic (C++ compiled to WebAssembly) the
// page's controls, as the desktop window does its widgets, and forwards the
// two buttons to it. Every decision is made there; this file only reads and
// writes the controls. It runs as soon as it arrives (async): the page's
// controls, before it in the document, are there.
//
// The page arrives with its controls in the state that the window has after
// its load event, and can be used at once: a press of a button made before
// the logic has loaded waits for it, and meanwhile the input box, whose text
// that press is about, takes no keys. If the logic cannot load, the page
// says so and the input box takes keys again.

const control = (name) => document.getElementById(name);
const transcriptBox = control('Text1(0)');
const inputBox = control('Text2');
const primeList = control('List1');
const entries = [...primeList.children];
const announcer = control('announcer');
const problem = control('problem');

// The input box's text as it stood after the last edit that the logic saw.
let accepted = inputBox.value;
let decimalSeparator = null;  // see controls.decimalSeparator

let logic = null;
let failed = false;
const waiting = [];  // the commands pressed before the logic arrived

// The prime list. Its selection is the program's answer or the pupil's own
// choice; its cursor, the entry from which the keys move, stands on an entry
// only while the list has the focus, as in the window, where a screen reader
// hears it as the active entry.
let selected = entries.findIndex((entry) => entry.getAttribute('aria-selected') === 'true');
let cursor = -1;

// Scrolls the list alone, not the page, so that `entry` is wholly in view.
function scrollIntoList(entry) {
  const top = entry.offsetTop;
  const bottom = top + entry.offsetHeight;
  if (top < primeList.scrollTop) {
    primeList.scrollTop = top;
  } else if (bottom > primeList.scrollTop + primeList.clientHeight) {
    primeList.scrollTop = bottom - primeList.clientHeight;
  }
}

function moveCursor(index) {
  entries[cursor]?.classList.remove('cursor');
  cursor = index;
  if (index < 0) {
    primeList.removeAttribute('aria-activedescendant');
    return;
  }
  entries[index].classList.add('cursor');
  primeList.setAttribute('aria-activedescendant', entries[index].id);
  scrollIntoList(entries[index]);
}

function select(index) {
  entries[selected]?.removeAttribute('aria-selected');
  selected = index;
  if (index < 0) {
    return;
  }
  entries[index].setAttribute('aria-selected', 'true');
  if (document.activeElement === primeList) {
    moveCursor(index);  // which scrolls to it
  } else {
    scrollIntoList(entries[index]);
  }
}

function listFocused() {
  if (logic && cursor < 0) {
    moveCursor(logic.listCursorOnFocus(selected));
  }
}

primeList.addEventListener('focus', listFocused);
primeList.addEventListener('blur', () => moveCursor(-1));
// An entry is chosen as the button goes down, as in the window: the list
// takes the focus after that, and its cursor goes to the entry chosen. A
// finger's tap comes as a press too, a swipe that scrolls the list does not.
primeList.addEventListener('mousedown', (event) => {
  const entry = event.target.closest('[role="option"]');
  if (entry && event.button === 0) {
    select(entries.indexOf(entry));
  }
});

const listKeys = {ArrowUp: 'Up', ArrowDown: 'Down', PageUp: 'PageUp', PageDown: 'PageDown',
                  Home: 'Home', End: 'End'};
primeList.addEventListener('keydown', (event) => {
  const key = listKeys[event.key];
  if (!key || !logic || cursor < 0 || event.altKey || event.ctrlKey || event.metaKey) {
    return;
  }
  event.preventDefault();
  const rowsInView = Math.floor(primeList.clientHeight / entries[0].offsetHeight);
  const moved = logic.listCursorAfter(logic.ListKey[key], cursor, entries.length, rowsInView);
  if (moved !== cursor) {
    select(moved);  // the cursor goes with it, as the list has the focus
  }
});

// FormState, as the logic calls it.
const controls = {
  inputText: () => inputBox.value,
  setInputText: (text) => {
    inputBox.value = text;
    accepted = text;
  },
  transcript: () => transcriptBox.value,
  setTranscript: (text) => {
    transcriptBox.value = text;
  },
  entryCount: () => entries.length,
  entry: (index) => entries[index].textContent,
  setSelection: select,
  // The user's, as the browser's language writes 0.5; worked out at the first
  // check, not while the page loads, where Firefox takes milliseconds to make
  // its first number format.
  decimalSeparator: () => decimalSeparator ??= new Intl.NumberFormat()
    .formatToParts(0.5)
    .find((part) => part.type === 'decimal').value,
  // A polite live region speaks what is put in it; emptied first, so that
  // the same result twice is spoken twice.
  announce: (text) => {
    announcer.textContent = '';
    requestAnimationFrame(() => {
      announcer.textContent = text;
    });
  },
};

// Tells of a logic that could not load, in the alert where the calculation
// would stand, again at each press.
function tellFailure() {
  problem.hidden = true;
  requestAnimationFrame(() => {
    problem.hidden = false;
  });
}

function command(index) {
  if (logic) {
    logic.onCommand(controls, index);
  } else if (failed) {
    tellFailure();
  } else {
    waiting.push(index);
    inputBox.readOnly = true;
  }
}

for (const button of document.querySelectorAll('button[data-command]')) {
  button.addEventListener('click', () => command(Number(button.dataset.command)));
}

function limitInput() {
  const kept = logic.limitInput(accepted, inputBox.value, inputBox.selectionStart);
  if (kept.text !== inputBox.value) {
    inputBox.value = kept.text;
    inputBox.setSelectionRange(kept.cursor, kept.cursor);
  }
  accepted = kept.text;
}

// The colours of the prime found, plainly visible whether or not the list
// has the focus, from the browser's own colours for a list and a selection.
function paintHighlight() {
  const probe = document.createElement('span');
  document.body.append(probe);
  const colour = (css) => {
    probe.style.color = css;
    return getComputedStyle(probe).color.match(/\d+/g).slice(0, 3).map(Number);
  };
  const highlight = logic.visibleHighlight(colour('Field'), colour('Highlight'),
                                           colour('HighlightText'));
  probe.remove();
  const css = (rgb) => `rgb(${rgb.join(' ')})`;
  primeList.style.setProperty('--answer-background', css(highlight.background));
  primeList.style.setProperty('--answer-text', css(highlight.text));
}

// The logic has arrived: the presses that waited for it are answered and
// the input box is freed first, whatever may fail after, so that nothing
// can leave the page locked.
function loaded(arrived) {
  logic = arrived;
  try {
    limitInput();
    for (const index of waiting.splice(0)) {
      logic.onCommand(controls, index);
    }
  } finally {
    inputBox.readOnly = false;
  }
  inputBox.addEventListener('input', limitInput);
  if (document.activeElement === primeList) {
    listFocused();
  }
  paintHighlight();
  performance.mark('logic-ready');
}

function notLoaded(error) {
  failed = true;
  waiting.length = 0;
  inputBox.readOnly = false;
  problem.hidden = false;
  console.error('The logic could not load:', error);
}

// The focus starts on the calculation (its autofocus), given as the page is
// first drawn; where a browser does not give it, the page does, and does
// not scroll to it, as it stands last in the column on a phone.
requestAnimationFrame(() => {
  if (document.activeElement === document.body) {
    transcriptBox.focus({preventScroll: true});
  }
});

import('./euler.js').then((module) => module.default()).then(loaded, notLoaded);

// Offline after the first visit; the browser asks the server for a new
// service worker at every visit, past any cache.
if ('serviceWorker' in navigator) {
  // Where the browser refuses it (a private window, a server without the
  // file), the page works as before, only not offline.
  navigator.serviceWorker.register('service-worker.js', {updateViaCache: 'none'})
    .catch(() => {});
}
