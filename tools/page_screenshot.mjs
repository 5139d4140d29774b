// A picture of the page after a check of 5, typed and pressed with the
// keyboard, beside the window's docs/screenshot.png: the page's window alone,
// in Debian's chromium.
//
//     node page_screenshot.mjs SITE OUTPUT.png
import puppeteer from 'puppeteer-core';
import {serve} from './serve.mjs';

const [site, output] = process.argv.slice(2);
const server = await serve(site);
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--lang=bg-BG'],
  ignoreDefaultArgs: ['--hide-scrollbars'],
});
const page = await browser.newPage();
await page.setViewport({width: 480, height: 360});
await page.goto(`http://127.0.0.1:${server.address().port}/`);
await page.waitForFunction(() => performance.getEntriesByName('logic-ready').length);
await page.evaluate(() => document.fonts.ready);
for (const key of ['Tab', 'Tab', '5', 'Tab', 'Space']) {
  await page.keyboard.press(key);
}
const window = await page.$('#window');
await window.screenshot({path: output});
await browser.close();
server.close();
console.log(`Wrote ${output}`);
