// How the page draws the program's answer and its controls, measured on the
// drawn pixels: the highlight of the prime found without the list's focus,
// with the browser's forced colours, and at 200 % zoom.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {contrast, layout, logicReady, openPage, pixels, start} from './browser.mjs';

let session;
before(async () => {
  session = await start();
});
after(() => session.stop());

// Checks 5 with the mouse, which leaves the focus on «Въведи», and measures
// the highlighted entry against the list's background and its own text.
async function highlightContrast(page) {
  await page.click('#Text2');
  await page.keyboard.type('5');
  await page.click('#Command1\\(0\\)');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Command1(0)');
  // The browser scrolls the list to its selected entry when it next lays the
  // page out, not at once.
  await page.waitForFunction(() => {
    const list = document.getElementById('List1');
    const shown = list.getBoundingClientRect();
    const entry = list.options[list.selectedIndex]?.getBoundingClientRect();
    return entry && entry.top >= shown.top && entry.bottom <= shown.bottom;
  });
  const {list, entry} = await page.$eval('#List1', (list) => {
    const rect = (r) => ({x: r.x, y: r.y, width: r.width, height: r.height});
    return {list: rect(list.getBoundingClientRect()),
            entry: rect(list.options[list.selectedIndex].getBoundingClientRect())};
  });
  const shot = await pixels(session.browser, await page.screenshot({clip: list}));
  const scale = shot.width / list.width;
  const row = {top: Math.ceil((entry.y - list.y) * scale) + 1,
               bottom: Math.floor((entry.y + entry.height - list.y) * scale) - 2};
  // The right end of the entry, short of the scroll bar, holds no text; the
  // entry above it is not highlighted.
  const x = Math.floor((entry.x + entry.width - list.x) * scale) - 2;
  const highlight = shot.at(x, row.top + 1);
  const background = shot.at(x, row.top - 3);
  let text = 1;
  for (let y = row.top; y <= row.bottom; ++y) {
    for (let left = 1; left < x; ++left) {
      text = Math.max(text, contrast(shot.at(left, y), highlight));
    }
  }
  return {entry: contrast(highlight, background), text};
}

test('the prime found stands out from the list without the focus (3:1), its text readable',
     async () => {
       const page = await openPage(session);
       await logicReady(page);
       const measured = await highlightContrast(page);
       assert.ok(measured.entry >= 3, `highlight ${measured.entry.toFixed(2)}:1`);
       assert.ok(measured.text >= 4.5, `text ${measured.text.toFixed(2)}:1`);
     });

test('with forced colours every control is drawn and the prime found stands out', async () => {
  const page = await openPage(session);
  const devtools = await page.createCDPSession();
  await devtools.send('Emulation.setEmulatedMedia',
                      {features: [{name: 'forced-colors', value: 'active'}]});
  await logicReady(page);
  const measured = await highlightContrast(page);
  assert.ok(measured.entry >= 3, `highlight ${measured.entry.toFixed(2)}:1`);
  assert.ok(measured.text >= 4.5, `text ${measured.text.toFixed(2)}:1`);
  // Something of each control, its text or its edge, stands out from the
  // window's background.
  const shot = await pixels(session.browser, await page.screenshot({
    clip: {x: 0, y: 0, width: layout.window.width, height: layout.window.height}}));
  const background = shot.at(1, 1);
  for (const {name, shown, left, top, width, height} of layout.controls) {
    if (!shown) {
      continue;
    }
    let best = 1;
    for (let y = top; y < top + height; ++y) {
      for (let x = left; x < left + width; ++x) {
        best = Math.max(best, contrast(shot.at(x, y), background));
      }
    }
    assert.ok(best >= 3, `${name}: ${best.toFixed(2)}:1`);
  }
});

test('at 200 % zoom every control can be reached and is not covered', async () => {
  const page = await openPage(session);
  // A window of 640 x 400 pixels at a zoom of 200 % shows 320 x 200.
  await page.setViewport({width: 320, height: 200, deviceScaleFactor: 2});
  await logicReady(page);
  for (const control of layout.controls.filter((c) => c.shown)) {
    const onTop = await page.$eval(`[id="${control.name}"]`, (element) => {
      element.scrollIntoView({block: 'center', inline: 'center'});
      const rect = element.getBoundingClientRect();
      return document.elementFromPoint(rect.x + rect.width / 2, rect.y + rect.height / 2)
          ?.closest('[id]')?.id;
    });
    assert.equal(onTop, control.name);
  }
});
