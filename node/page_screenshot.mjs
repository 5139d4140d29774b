// A picture of the page after a check of 5, typed and pressed with the
// keyboard, in one of the browser engines of engines.mjs (chromium unless
// named): at the window's size the page's window alone, beside the window's
// docs/screenshot.png; at a size narrower than the window, all that a phone
// of that size shows.
//
//     node page_screenshot.mjs SITE OUTPUT.png [ENGINE] [WIDTH HEIGHT]
import {writeFile} from 'node:fs/promises';
import {PNG} from 'pngjs';
import {launch} from './engines.mjs';
import {serve} from './serve.mjs';

const [site, output, engineName = 'chromium', width = 480, height = 360] = process.argv.slice(2);
const server = await serve(site);
const engine = await launch(engineName);
const tab = await engine.open(`http://127.0.0.1:${server.address().port}/`,
                              {width: Number(width), height: Number(height)});
await tab.evaluate(async () => {
  while (!performance.getEntriesByName('logic-ready').length) {
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  await document.fonts.ready;
});
// From the calculation, where the focus starts: the list, the box, the button.
for (const key of ['Tab', 'Tab', '5', 'Tab', 'Space']) {
  await tab.press(key);
}
const clip = await tab.evaluate(() => {
  const form = document.getElementById('window').getBoundingClientRect();
  // The column fills a narrow screen.
  return form.width < innerWidth
    ? {x: Math.round(form.x), y: Math.round(form.y),
       width: Math.round(form.width), height: Math.round(form.height)}
    : {x: 0, y: 0, width: innerWidth, height: innerHeight};
});
const shot = await tab.screenshot(clip);
const picture = new PNG({width: shot.width, height: shot.height});
for (let y = 0; y < shot.height; ++y) {
  for (let x = 0; x < shot.width; ++x) {
    picture.data.set([...shot.at(x, y), 255], (y * shot.width + x) * 4);
  }
}
await writeFile(output, PNG.sync.write(picture));
await tab.close();
await engine.close();
server.close();
console.log(`Wrote ${output} (${engine.version})`);
