// How the page draws the program's answer and lays out its controls, in the
// engine that EULER_ENGINE names: the highlight of the prime found measured
// on the drawn pixels, with and without forced colours; the window on the
// screens of a class, from a phone's column to a projector, for a finger and
// at the browser's zoom.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {contrast, find, lacks, layout, logicReady, start, state} from './browser.mjs';

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
       const shot = await tab.screenshot(await windowPlace(tab));
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

// Where the window stands in the page, in whole pixels.
const windowPlace = (tab) => tab.evaluate(() => {
  const {x, y, width, height} = document.getElementById('window').getBoundingClientRect();
  return {x, y, width, height};
});

// A tablet upright, a school laptop, a phone: the window in the middle of a
// larger screen, a column on a narrower one, and nowhere a glare of white.
test('on a larger screen the window stands centred, and the page’s colour fills the screen',
     async (t) => {
       const tab = await session.page();
       await logicReady(tab);
       for (const [width, height] of [[768, 1024], [1366, 768], [390, 844]]) {
         await t.test(`${width} × ${height}`, async () => {
           await tab.resize(width, height);
           const window = await windowPlace(tab);
           const room = {left: window.x, right: width - window.x - window.width,
                         top: window.y, bottom: height - window.y - window.height};
           if (width >= layout.window.width) {
             assert.ok(Math.abs(room.left - room.right) <= 1, `${room.left} | ${room.right}`);
             // Upright, a third of the room above the window, where a
             // tablet's keyboard leaves it in view; else the half.
             const above = (room.top + room.bottom) / (height > width ? 3 : 2);
             assert.ok(Math.abs(room.top - above) <= 1, `${room.top} above, ${room.bottom} below`);
           }
           const shot = await tab.screenshot({x: 0, y: 0, width, height});
           const around = [shot.at(0, 0), shot.at(width - 1, height - 1),
                           shot.at(Math.floor(width / 2), height - 1)];
           for (const pixel of around) {
             assert.notDeepEqual(pixel, [255, 255, 255], 'white around the window');
             assert.deepEqual(pixel, around[0], 'one colour around the window');
           }
           if (width < layout.window.width) {
             // Below the column, the window's own colour, as in its margin.
             assert.deepEqual(around[2], shot.at(2, Math.ceil(window.y) + 2));
           }
         });
       }
     });

test('with a finger, every target is at least 24 × 24 pixels, each row of the list too',
     {skip: lacks('coarsePointer')}, async (t) => {
       const tab = await session.open({width: 1024, height: 768, coarsePointer: true});
       await logicReady(tab);
       for (const [width, height] of [[1024, 768], [360, 640]]) {
         await t.test(`${width} × ${height}`, async () => {
           await tab.resize(width, height);
           const small = await tab.evaluate(() => [
             ...document.querySelectorAll('#window :is(button, input, textarea, label, ' +
                                          '[role="listbox"], [role="option"])')]
             .filter((target) => target.checkVisibility())
             .map((target) => {
               const {width, height} = target.getBoundingClientRect();
               return {target: target.id, width, height};
             })
             .filter(({width, height}) => width < 24 || height < 24));
           assert.deepEqual(small, []);
         });
       }
       await tab.close();
     });

// The browser's zoom of a 1280 × 800 screen at 100, 200, 300 and 400 %: the
// page must not undo it by fitting itself to the screen.
test('at each step of the browser’s zoom the text grows and a check of 5 works', async () => {
  const tab = await session.page();
  await logicReady(tab);
  const heading = await tab.find('heading', 'Ойлер - просто число');
  let drawn = 0;
  for (const zoom of [1, 2, 3, 4]) {
    const [width, height] = [Math.floor(1280 / zoom), Math.floor(800 / zoom)];
    await tab.resize(width, height);
    const seen = await tab.evaluate((heading) => {
      const text = document.createRange();
      text.selectNodeContents(heading);
      return {text: text.getBoundingClientRect().height,
              pageWidth: document.scrollingElement.scrollWidth};
    }, heading);
    assert.ok(seen.text * zoom > drawn, `at ${zoom * 100} % the text is ${seen.text} pixels high`);
    drawn = seen.text * zoom;
    assert.ok(seen.pageWidth <= width, `at ${zoom * 100} % the page is ${seen.pageWidth} wide`);
    await tab.click(await find(tab, 'clear'));
    await tab.click(await find(tab, 'input'));
    await tab.type('5');
    await tab.click(await find(tab, 'check'));
    assert.equal((await state(tab)).selection, 19, `a check of 5 at ${zoom * 100} %`);
  }
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
