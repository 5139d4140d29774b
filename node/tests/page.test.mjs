// The page as a pupil meets it, with the keyboard, the mouse and a finger,
// in the engine that EULER_ENGINE names.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import {can, find, lacks, layout, logicReady, served, site, start, state, waitFor} from './browser.mjs';

// The logic's WebAssembly waits for `release()` where a test holds it back.
let release = () => {};
let held = Promise.resolve();
let session;
before(async () => {
  session = await start({
    '/euler.wasm': async (request, response) => {
      await held;
      response.writeHead(200, {'Content-Type': 'application/wasm'});
      response.end(await readFile(`${site}/euler.wasm`));
    },
  });
});
after(() => session.stop());

const taskText = (tab) => tab.evaluate(() => document.querySelector('textarea').defaultValue);

async function typeInto(tab, key, text) {
  await tab.click(await find(tab, key));
  await tab.type(text);
}

test('every control stands at its place in the window, in the window’s tab order', async () => {
  const tab = await session.page();
  const places = await tab.evaluate((names) => {
    const window = document.getElementById('window').getBoundingClientRect();
    return {
      title: document.title,
      window: {width: window.width, height: window.height},
      controls: names.map((name) => {
        const rect = document.getElementById(name).getBoundingClientRect();
        return {name, left: rect.left - window.left, top: rect.top - window.top,
                width: rect.width, height: rect.height};
      }),
    };
  }, layout.controls.filter((c) => c.shown).map((c) => c.name));
  assert.equal(places.title, layout.caption);
  assert.deepEqual(places.window, {width: layout.window.width, height: layout.window.height});
  assert.deepEqual(places.controls, layout.controls.filter((c) => c.shown).map(
      ({name, left, top, width, height}) => ({name, left, top, width, height})));

  // Where a label overlaps a control's frame, the frame is drawn whole, as
  // in the window: the control is on top there.
  const shown = layout.controls.filter((c) => c.shown);
  const overlaps = [];
  for (const label of shown.filter((c) => c.kind === 'label')) {
    for (const control of shown.filter((c) => c.kind !== 'label')) {
      const [left, right] = [Math.max(label.left, control.left),
                             Math.min(label.left + label.width, control.left + control.width)];
      const [top, bottom] = [Math.max(label.top, control.top),
                             Math.min(label.top + label.height, control.top + control.height)];
      if (left < right && top < bottom) {
        overlaps.push({control: control.name, x: (left + right) / 2, y: (top + bottom) / 2});
      }
    }
  }
  assert.deepEqual(await tab.evaluate((points) => {
    const window = document.getElementById('window').getBoundingClientRect();
    return points.map(({x, y}) => document.elementFromPoint(window.left + x, window.top + y)
      .closest('#window > *').id);
  }, overlaps), overlaps.map((o) => o.control));

  // Tab goes round the controls that take the focus, from the transcript.
  await logicReady(tab);
  // The Tab after the last control would leave the page for the browser's
  // own controls, and the page's next load in this tab without the focus.
  const order = [(await state(tab)).focus];
  for (let i = 0; i < 4; ++i) {
    await tab.press('Tab');
    order.push((await state(tab)).focus);
  }
  assert.deepEqual(order, ['transcript', 'list', 'input', 'check', 'clear']);
});

test('a screen reader hears each control’s name and description letter for letter', async () => {
  const tab = await session.page();
  // Each control is found by its role and exact name, or the test fails.
  for (const key of ['transcript', 'list', 'input', 'check', 'clear']) {
    await find(tab, key);
  }
  assert.ok(await tab.find('heading', 'Ойлер - просто число'), 'the page’s heading');
  if (can.descriptions) {
    const descriptions = {
      transcript: 'Условието на задачата, а след проверка изчислението и полученото число',
      list: 'Всички 168 прости числа под 1000; след проверка полученото число е маркирано',
      input: 'Въведете естествено число N от 0 до 30 и натиснете „Въведи“',
      check: 'Изчислява N*(N+1)+41 и маркира полученото число в списъка',
      clear: 'Изчиства въведеното число, маркировката и изчислението',
    };
    for (const [key, description] of Object.entries(descriptions)) {
      assert.equal(await tab.description(await find(tab, key)), description, key);
    }
  }
});

test('the list holds the 168 primes below 1000, as a sieve finds them', async () => {
  const sieve = [];
  const composite = new Array(1000).fill(false);
  for (let n = 2; n < 1000; ++n) {
    if (!composite[n]) {
      sieve.push(String(n));
      for (let multiple = n * n; multiple < 1000; multiple += n) {
        composite[multiple] = true;
      }
    }
  }
  const tab = await session.page();
  const list = await find(tab, 'list');
  assert.deepEqual(await tab.evaluate((l) => [...l.children].map((o) => o.textContent), list),
                   sieve);
});

test('a check of 5 with the keyboard alone: transcript, 71 in view, focus kept, result spoken',
     async () => {
       const tab = await session.page();
       await logicReady(tab);
       assert.equal((await state(tab)).transcript, await taskText(tab));
       await tab.press('Tab');
       await tab.press('Tab');
       await tab.type('5');
       await tab.press('Tab');
       await tab.press('Space');
       await waitFor(tab, () => document.querySelector('[role="status"]').textContent);
       assert.deepEqual(await state(tab), {
         input: '5',
         transcript: 'Изчислявам: 5*6+41\nИзчисленото число е: 71\n',
         selection: 19,
         focus: 'check',
         announced: 'Изчисленото число е: 71',
       });
       const inView = await tab.evaluate((list) => {
         const shown = list.getBoundingClientRect();
         const entry = list.querySelector('[aria-selected="true"]').getBoundingClientRect();
         return entry.top >= shown.top && entry.bottom <= shown.bottom;
       }, await find(tab, 'list'));
       assert.ok(inView, '71 is scrolled into view');

       // Enter and Escape in the input box press no button.
       await tab.click(await find(tab, 'input'));
       await tab.press('End');
       await tab.press('Backspace');
       await tab.type('7');
       await tab.press('Enter');
       await tab.press('Escape');
       const after = await state(tab);
       assert.deepEqual([after.input, after.transcript],
                        ['7', 'Изчислявам: 5*6+41\nИзчисленото число е: 71\n']);
     });

test('in the list the keys move the selection as in the window, from the answer on', async () => {
  const tab = await session.page();
  await logicReady(tab);
  const list = await find(tab, 'list');
  const shown = () => tab.evaluate((l) => ({
    cursor: document.getElementById(l.getAttribute('aria-activedescendant'))?.textContent ?? null,
    selected: l.querySelector('[aria-selected="true"]')?.textContent ?? null,
  }), list);
  await tab.press('Tab');
  assert.deepEqual(await shown(), {cursor: '2', selected: null});
  await tab.press('ArrowUp');  // the cursor stays: nothing is selected
  assert.deepEqual(await shown(), {cursor: '2', selected: null});
  await tab.press('ArrowDown');
  assert.deepEqual(await shown(), {cursor: '3', selected: '3'});

  await typeInto(tab, 'input', '5');
  await tab.click(await find(tab, 'check'));
  await tab.click(await find(tab, 'input'));
  await tab.press('Shift+Tab');
  assert.deepEqual(await shown(), {cursor: '71', selected: '71'});
  // A page is the seven whole rows in view less one, as in the window.
  const moves = [['ArrowDown', '73'], ['PageDown', '103'], ['PageUp', '73'], ['End', '997'],
                 ['Home', '2']];
  for (const [key, entry] of moves) {
    await tab.press(key);
    assert.deepEqual(await shown(), {cursor: entry, selected: entry}, key);
  }
  await tab.press('Tab');
  assert.deepEqual(await shown(), {cursor: null, selected: '2'}, 'no cursor without focus');
});

test('N outside 0..30 is answered with "?" and nothing else changes', async () => {
  const tab = await session.page();
  await logicReady(tab);
  await typeInto(tab, 'input', '31');
  await tab.click(await find(tab, 'check'));
  const shown = await state(tab);
  assert.deepEqual([shown.input, shown.transcript, shown.selection], ['?', await taskText(tab), -1]);
  await waitFor(tab, () => document.querySelector('[role="status"]').textContent === '?');
});

test('«Чисти» after a check and the user’s own choice in the list empties all three',
     async () => {
       const tab = await session.page();
       await logicReady(tab);
       await typeInto(tab, 'input', '5');
       await tab.click(await find(tab, 'check'));
       await tab.click(await tab.find('option', '5'));
       assert.equal((await state(tab)).selection, 2);
       await tab.click(await find(tab, 'clear'));
       const shown = await state(tab);
       assert.deepEqual([shown.input, shown.transcript, shown.selection], ['', '', -1]);
     });

test('a check of 5 by touch on a phone', async () => {
  const tab = await session.page({width: 360, height: 640});
  await logicReady(tab);
  const input = await find(tab, 'input');
  // The screen's keyboard offers every key that the box takes: letters,
  // digits, "." and "-", as a text box's does.
  assert.deepEqual(await tab.evaluate((box) => [box.type, box.inputMode], input), ['text', '']);
  await tab.tap(input);
  await tab.insertText('5');  // as the screen's keyboard types it
  await tab.tap(await find(tab, 'check'));
  const shown = await state(tab);
  assert.deepEqual([shown.input, shown.transcript, shown.selection],
                   ['5', 'Изчислявам: 5*6+41\nИзчисленото число е: 71\n', 19]);
});

test('the input box holds two characters, as the logic counts them', async () => {
  const tab = await session.page();
  await logicReady(tab);
  const input = await find(tab, 'input');
  const cases = [
    {typed: '123', kept: '12'},
    {typed: 'абв', kept: 'аб'},
    {pasted: '98765', kept: '98'},
    {pasted: '1\u{1D7D3}', kept: '1\u{1D7D3}'},  // 1𝟓: two characters, three UTF-16 units
    {pasted: '\u{1D465}yz', kept: '\u{1D465}y'},
  ];
  for (const {typed, pasted, kept} of cases) {
    await tab.evaluate((box) => {
      box.value = '';
      box.dispatchEvent(new Event('input'));
    }, input);
    await tab.click(input);
    if (typed) {
      await tab.type(typed);
    } else {
      await tab.insertText(pasted);
    }
    assert.equal((await state(tab)).input, kept, typed ?? pasted);
  }
  // A third character typed between the two is refused.
  await tab.press('ArrowLeft');
  await tab.type('3');
  assert.equal((await state(tab)).input, '\u{1D465}y');
});

test('a press of «Въведи» before the logic has loaded is answered when it arrives', async () => {
  held = new Promise((resolve) => {
    release = resolve;
  });
  const tab = await session.open();
  const input = await find(tab, 'input');
  await typeInto(tab, 'input', '7');
  await tab.click(await find(tab, 'check'));
  await tab.click(input);
  await tab.type('9');  // the box waits with the press
  assert.deepEqual([(await state(tab)).input, await tab.evaluate((b) => b.readOnly, input)],
                   ['7', true]);
  release();
  await logicReady(tab);
  const shown = await state(tab);
  assert.equal(shown.transcript, 'Изчислявам: 7*8+41\nИзчисленото число е: 97\n');
  assert.equal(shown.selection, 24);
  assert.equal(await tab.evaluate((b) => b.readOnly, input), false);
  await tab.close();
});

test('a press that waited is answered and the box freed even where the page fails after',
     async (t) => {
       // The logic arrives late, and painting its highlight fails.
       let release;
       const late = new Promise((resolve) => {
         release = resolve;
       });
       const server = await served(site, 0, {
         '/euler.js': `import createLogic from './euler-real.js';
           export default async (...options) => {
             const logic = await createLogic(...options);
             logic.visibleHighlight = () => {
               throw new Error('failed on purpose');
             };
             return logic;
           };`,
         '/euler-real.js': async (request, response) => {
           response.writeHead(200, {'Content-Type': 'text/javascript'});
           response.end(await readFile(`${site}/euler.js`));
         },
         '/euler.wasm': async (request, response) => {
           await late;
           response.writeHead(200, {'Content-Type': 'application/wasm'});
           response.end(await readFile(`${site}/euler.wasm`));
         },
       });
       t.after(() => server.stop());
       const tab = await server.open();
       const input = await find(tab, 'input');
       await typeInto(tab, 'input', '7');
       await tab.click(await find(tab, 'check'));
       release();
       await waitFor(tab, (box) => !box.readOnly, input);
       assert.equal((await state(tab)).transcript, 'Изчислявам: 7*8+41\nИзчисленото число е: 97\n');
       await tab.close();
     });

test('a fraction is written with the decimal separator of the browser’s language',
     {skip: lacks('language')}, async () => {
       const tab = await session.open({language: 'bg-BG'});
       await logicReady(tab);
       await typeInto(tab, 'input', '.5');
       await tab.click(await find(tab, 'check'));
       const shown = await state(tab);
       assert.equal(shown.transcript, 'Изчислявам: 0,5*1,5+41\nИзчисленото число е: 42\n');
       assert.equal(shown.selection, -1, '42 is no prime: nothing is highlighted');
       await tab.close();
     });
