// How the page draws the program's answer and lays out its controls, in the
// engine that EULER_ENGINE names: the highlight of the prime found measured
// on the drawn pixels, with and without forced colours, and the column on a
// phone's screen.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {contrast, find, lacks, layout, logicReady, start} from './browser.mjs';

let session;
before(async () => {
  session = await start();
});
after(() => session.stop());

// Checks 5 with the mouse, which leaves the focus away from the list, and
// measures the highlighted entry against the list's background, and its
// text on it.
async function highlightContrast(tab) {
  await tab.click(await find(tab, 'input'));
  await tab.type('5');
  await tab.click(await find(tab, 'check'));
  const {list, entry} = await tab.evaluate((list) => {
    const rect = (r) => ({x: r.x, y: r.y, width: r.width, height: r.height});
    return {list: rect(list.getBoundingClientRect()),
            entry: rect(list.querySelector('[aria-selected="true"]').getBoundingClientRect())};
  }, await find(tab, 'list'));
  const shot = await tab.screenshot(list);
  // The entry's right end, short of the scroll bar, holds no text; the rows
  // above it are not highlighted.
  const top = Math.ceil(entry.y - list.y) + 1;
  const bottom = Math.floor(entry.y + entry.height - list.y) - 2;
  const x = Math.floor(entry.x + entry.width - list.x) - 2;
  const highlight = shot.at(x, top + 1);
  const background = shot.at(x, top - 3);
  let text = 1;
  for (let y = top; y <= bottom; ++y) {
    for (let left = 1; left < x; ++left) {
      text = Math.max(text, contrast(shot.at(left, y), highlight));
    }
  }
  return {entry: contrast(highlight, background), text};
}

test('the prime found stands out from the list without the focus (3:1), its text readable',
     async () => {
       const tab = await session.page();
       await logicReady(tab);
       const measured = await highlightContrast(tab);
       assert.ok(measured.entry >= 3, `highlight ${measured.entry.toFixed(2)}:1`);
       assert.ok(measured.text >= 4.5, `text ${measured.text.toFixed(2)}:1`);
     });

test('with forced colours every control is drawn and the prime found stands out',
     {skip: lacks('forcedColours')}, async () => {
       const tab = await session.open({forcedColours: true});
       await logicReady(tab);
       const measured = await highlightContrast(tab);
       assert.ok(measured.entry >= 3, `highlight ${measured.entry.toFixed(2)}:1`);
       assert.ok(measured.text >= 4.5, `text ${measured.text.toFixed(2)}:1`);
       // Something of each control, its text or its edge, stands out from the
       // window's background.
       const shot = await tab.screenshot(
           {x: 0, y: 0, width: layout.window.width, height: layout.window.height});
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
       await tab.close();
     });

// On a phone upright, two phones on their side, and a window of 640 × 400 at
// a zoom of 200 % (320 × 200 CSS pixels): one page, turned and zoomed.
test('at every size nothing needs sideways scrolling and every control can be used',
     async (t) => {
       const tab = await session.page();
       await logicReady(tab);
       // The heading, then the controls in the order of the column.
       const column = [await tab.find('heading', 'Ойлер - просто число')];
       for (const key of ['input', 'check', 'clear', 'list', 'transcript']) {
         column.push(await find(tab, key));
       }
       for (const [width, height] of [[320, 568], [360, 640], [640, 360], [320, 200]]) {
         await t.test(`${width} × ${height}`, async () => {
           await tab.resize(width, height);
           const seen = await tab.evaluate(seenInView, ...column);
           assert.ok(seen.pageWidth <= width, `the page is ${seen.pageWidth} pixels wide`);
           for (const control of seen.controls) {
             assert.ok(control.onTop, `${control.name} is covered`);
             assert.ok(control.inView || control.height > height,
                       `${control.name} is not wholly in view when scrolled to`);
           }
           if (width < layout.window.width) {
             // One column, in the order in which a pupil works.
             const tops = seen.controls.map((c) => c.top);
             assert.deepEqual(tops, [...tops].sort((a, b) => a - b), 'the column’s order');
             for (const button of seen.controls.slice(1, 4)) {  // N and the two buttons
               assert.ok(button.width >= 44 && button.height >= 44,
                         `${button.name} is ${button.width} × ${button.height}`);
             }
             assert.ok(seen.rows >= 5, `the list shows ${seen.rows.toFixed(1)} rows`);
           }
         });
       }
     });

// Where each of `elements` stands once scrolled to, whether it is on top
// there, how wide the page is, and how many rows the list (the fifth) shows.
function seenInView(...elements) {
  const controls = elements.map((element) => {
    element.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const rect = element.getBoundingClientRect();
    const atCentre = document.elementFromPoint(rect.x + rect.width / 2,
                                               rect.y + rect.height / 2);
    return {name: element.id, onTop: element.contains(atCentre),
            top: rect.top + scrollY, width: rect.width, height: rect.height,
            inView: rect.top >= 0 && rect.bottom <= innerHeight &&
                    rect.left >= 0 && rect.right <= innerWidth};
  });
  const list = elements[4];
  return {
    controls,
    pageWidth: document.scrollingElement.scrollWidth,
    rows: list.clientHeight / list.firstElementChild.offsetHeight,
  };
}
