// The page as a pupil meets it, with the keyboard and the mouse, in Debian's
// chromium.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {layout, logicReady, openPage, start, state} from './browser.mjs';

let session;
before(async () => {
  session = await start();
});
after(() => session.stop());

const taskLinesShown = (page) => page.$eval('#Text1\\(0\\)', (box) => box.defaultValue);

test('every control stands at its place in the window, in the window’s tab order', async () => {
  const page = await openPage(session);
  const places = await page.evaluate(() => {
    const window = document.getElementById('window').getBoundingClientRect();
    return {
      title: document.title,
      window: {width: window.width, height: window.height},
      controls: [...document.querySelectorAll('#window > [id]:not(#announcer)')].map((control) => {
        const rect = control.getBoundingClientRect();
        return {name: control.id, shown: !control.hidden, left: rect.left - window.left,
                top: rect.top - window.top, width: rect.width, height: rect.height};
      }),
    };
  });
  assert.equal(places.title, layout.caption);
  assert.deepEqual(places.window, {width: layout.window.width, height: layout.window.height});
  assert.deepEqual(places.controls.filter((c) => c.shown),
                   layout.controls.filter((c) => c.shown).map(
                       ({name, left, top, width, height}) =>
                           ({name, shown: true, left, top, width, height})));

  // Tab goes round the controls that take the focus, from the transcript.
  const order = [];
  for (let i = 0; i < 5; ++i) {
    order.push(await page.evaluate(() => document.activeElement.id));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(order, ['Text1(0)', 'List1', 'Text2', 'Command1(0)', 'Command1(1)']);
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
  const page = await openPage(session);
  const entries = await page.$$eval('#List1 option', (options) => options.map((o) => o.text));
  assert.equal(entries.length, 168);
  assert.deepEqual(entries, sieve);
});

test('a check of 5 with the keyboard alone: transcript, 71 in view, focus kept, result spoken',
     async () => {
       const page = await openPage(session);
       await logicReady(page);
       const taskText = await taskLinesShown(page);
       assert.equal((await state(page)).transcript, taskText);
       await page.keyboard.press('Tab');
       await page.keyboard.press('Tab');
       await page.keyboard.type('5');
       await page.keyboard.press('Tab');
       await page.keyboard.press('Space');
       await page.waitForFunction(() => document.getElementById('announcer').textContent);
       assert.deepEqual(await state(page), {
         input: '5',
         transcript: 'Изчислявам: 5*6+41\nИзчисленото число е: 71\n',
         selection: 19,
         focus: 'Command1(0)',
         announced: 'Изчисленото число е: 71',
       });
       const inView = await page.$eval('#List1', (list) => {
         const shown = list.getBoundingClientRect();
         const entry = list.options[list.selectedIndex].getBoundingClientRect();
         return entry.top >= shown.top && entry.bottom <= shown.bottom;
       });
       assert.ok(inView, '71 is scrolled into view');

       // Enter and Escape in the input box press no button.
       await page.focus('#Text2');
       await page.keyboard.press('Backspace');
       await page.keyboard.type('7');
       await page.keyboard.press('Enter');
       await page.keyboard.press('Escape');
       const after = await state(page);
       assert.deepEqual([after.input, after.transcript],
                        ['7', 'Изчислявам: 5*6+41\nИзчисленото число е: 71\n']);
     });

test('N outside 0..30 is answered with "?" and nothing else changes', async () => {
  const page = await openPage(session);
  await logicReady(page);
  const taskText = await taskLinesShown(page);
  await page.click('#Text2');
  await page.keyboard.type('31');
  await page.click('#Command1\\(0\\)');
  const shown = await state(page);
  assert.deepEqual([shown.input, shown.transcript, shown.selection], ['?', taskText, -1]);
  await page.waitForFunction(() => document.getElementById('announcer').textContent === '?');
});

test('«Чисти» after a check and the user’s own choice in the list empties all three',
     async () => {
       const page = await openPage(session);
       await logicReady(page);
       await page.click('#Text2');
       await page.keyboard.type('5');
       await page.click('#Command1\\(0\\)');
       await page.select('#List1', '5');
       assert.equal((await state(page)).selection, 2);
       await page.click('#Command1\\(1\\)');
       const shown = await state(page);
       assert.deepEqual([shown.input, shown.transcript, shown.selection], ['', '', -1]);
     });

test('the input box holds two characters, as the logic counts them', async () => {
  const page = await openPage(session);
  await logicReady(page);
  const devtools = await page.createCDPSession();
  const cases = [
    {typed: '123', kept: '12'},
    {typed: 'абв', kept: 'аб'},
    {pasted: '98765', kept: '98'},
    {pasted: '1\u{1D7D3}', kept: '1\u{1D7D3}'},  // 1𝟓: two characters, three UTF-16 units
    {pasted: '\u{1D465}yz', kept: '\u{1D465}y'},
  ];
  for (const {typed, pasted, kept} of cases) {
    await page.$eval('#Text2', (box) => {
      box.value = '';
      box.dispatchEvent(new Event('input'));
    });
    await page.focus('#Text2');
    if (typed) {
      await page.keyboard.type(typed);
    } else {
      await devtools.send('Input.insertText', {text: pasted});
    }
    assert.equal((await state(page)).input, kept, typed ?? pasted);
  }
  // A third character typed between the two is refused.
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.type('3');
  assert.equal((await state(page)).input, '\u{1D465}y');
});

test('a press of «Въведи» before the logic has loaded is answered when it arrives', async () => {
  let release;
  const arrived = new Promise((resolve) => {
    release = resolve;
  });
  const page = await openPage(session, {
    before: async (page) => {
      await page.setRequestInterception(true);
      page.on('request', async (request) => {
        if (request.url().endsWith('.wasm')) {
          await arrived;
        }
        request.continue();
      });
    },
  });
  await page.click('#Text2');
  await page.keyboard.type('7');
  await page.click('#Command1\\(0\\)');
  await page.keyboard.type('9');  // the box waits with the press
  assert.deepEqual([(await state(page)).input, await page.$eval('#Text2', (b) => b.readOnly)],
                   ['7', true]);
  release();
  await logicReady(page);
  const shown = await state(page);
  assert.equal(shown.transcript, 'Изчислявам: 7*8+41\nИзчисленото число е: 97\n');
  assert.equal(shown.selection, 24);
  assert.equal(await page.$eval('#Text2', (box) => box.readOnly), false);
});

test('a fraction is written with the decimal separator of the browser’s language', async () => {
  const page = await openPage(session, {locale: 'bg-BG'});
  await logicReady(page);
  await page.click('#Text2');
  await page.keyboard.type('.5');
  await page.click('#Command1\\(0\\)');
  const shown = await state(page);
  assert.equal(shown.transcript, 'Изчислявам: 0,5*1,5+41\nИзчисленото число е: 42\n');
  assert.equal(shown.selection, -1, '42 is no prime: nothing is highlighted');
});

test('a screen reader hears the window’s names and descriptions, and the result', async () => {
  const page = await openPage(session);
  await logicReady(page);
  for (const control of layout.controls.filter((c) => c.accessibleName)) {
    const element = await page.$(`[id="${control.name}"]`);
    const node = await page.accessibility.snapshot({root: element, interestingOnly: false});
    assert.equal(node.name, control.accessibleName, control.name);
    assert.equal(node.description, control.accessibleDescription, control.name);
  }
  for (const [label, control] of [['Label1(1)', 'List1'], ['Label1(2)', 'Text2']]) {
    assert.equal(await page.$eval(`[id="${label}"]`, (l) => l.control?.id), control);
  }
  // The live region, polite as a status is, speaks the result line.
  await page.focus('#Text2');
  await page.keyboard.type('0');
  await page.click('#Command1\\(0\\)');
  await page.waitForFunction(() => document.getElementById('announcer').textContent);
  const announcer = await page.accessibility.snapshot({root: await page.$('#announcer'),
                                                        interestingOnly: false});
  assert.equal(announcer.role, 'status');
  assert.equal(announcer.children?.map((c) => c.name).join(''), 'Изчисленото число е: 41');
});
