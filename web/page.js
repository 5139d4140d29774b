// The page's script: it hands the logic (C++ compiled to WebAssembly) the
// page's controls, as the desktop window does its widgets, and forwards the
// two buttons to it. Every decision is made there; this file only reads and
// writes the controls.
//
// The page arrives with its controls in the state that the window has after
// its load event, and can be used at once: a press of a button made before
// the logic has loaded waits for it, and meanwhile the input box, whose text
// that press is about, takes no keys.
import createLogic from './euler.js';

const control = (name) => document.getElementById(name);
const transcriptBox = control('Text1(0)');
const inputBox = control('Text2');
const primeList = control('List1');
const announcer = control('announcer');

// The user's decimal separator, as the browser's language writes 0.5.
const decimalSeparator = new Intl.NumberFormat()
  .formatToParts(0.5)
  .find((part) => part.type === 'decimal').value;

// The input box's text as it stood after the last edit that the logic saw.
let accepted = inputBox.value;

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
  entryCount: () => primeList.options.length,
  entry: (index) => primeList.options[index].text,
  setSelection: (index) => {
    primeList.selectedIndex = index;
  },
  decimalSeparator: () => decimalSeparator,
  // A polite live region speaks what is put in it; emptied first, so that
  // the same result twice is spoken twice.
  announce: (text) => {
    announcer.textContent = '';
    requestAnimationFrame(() => {
      announcer.textContent = text;
    });
  },
};

let logic = null;
const waiting = [];  // the commands pressed before the logic arrived

function command(index) {
  if (logic) {
    logic.onCommand(controls, index);
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

createLogic().then((loaded) => {
  logic = loaded;
  paintHighlight();
  limitInput();
  inputBox.addEventListener('input', limitInput);
  for (const index of waiting.splice(0)) {
    logic.onCommand(controls, index);
  }
  inputBox.readOnly = false;
  performance.mark('logic-ready');
});

// Offline after the first visit.
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service-worker.js');
}
