// What the page's tests share: the site served on 127.0.0.1, Debian's
// chromium driven by puppeteer-core, and a fresh browser context for each
// page, in a language that the test chooses.
import puppeteer from 'puppeteer-core';
import {readFileSync} from 'node:fs';
import {serve} from './serve.mjs';

export const site = process.env.EULER_SITE;
export const layout = JSON.parse(readFileSync(process.env.EULER_PAGE_LAYOUT, 'utf8'));

// The flags that a root user on a machine without a network needs.
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--lang=en-US'];

export async function start() {
  const server = await serve(site);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM,
    args: flags,
    ignoreDefaultArgs: ['--hide-scrollbars'],  // a list shows its scroll bar
    env: {...process.env, LANG: 'C.UTF-8', LC_ALL: 'C.UTF-8', TZ: 'UTC'},
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    browser,
    async stop() {
      await browser.close();
      server.close();
    },
  };
}

// A page in a new browser context, its language `locale`. Resolves when the
// page has loaded, before the logic may have; call logicReady() to wait for it.
export async function openPage({browser, url}, {locale = 'en-US', before} = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const devtools = await page.createCDPSession();
  await devtools.send('Emulation.setLocaleOverride', {locale});
  await page.setViewport({width: 480, height: 360});
  if (before) {
    await before(page);
  }
  await page.goto(url);
  return page;
}

export function logicReady(page) {
  return page.waitForFunction(() => performance.getEntriesByName('logic-ready').length > 0);
}

// The values that the page's controls hold.
export function state(page) {
  return page.evaluate(() => {
    const control = (name) => document.getElementById(name);
    return {
      input: control('Text2').value,
      transcript: control('Text1(0)').value,
      selection: control('List1').selectedIndex,
      focus: document.activeElement.id,
      announced: control('announcer').textContent,
    };
  });
}

// Red, green and blue of each pixel of `png`, decoded by the browser.
export async function pixels(browser, png) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const decoded = await page.evaluate(async (base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], {type: 'image/png'}));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const draw = canvas.getContext('2d');
    draw.drawImage(bitmap, 0, 0);
    return {width: bitmap.width, height: bitmap.height,
            data: Array.from(draw.getImageData(0, 0, bitmap.width, bitmap.height).data)};
  }, Buffer.from(png).toString('base64'));
  await context.close();
  return {
    width: decoded.width,
    height: decoded.height,
    at: (x, y) => decoded.data.slice((y * decoded.width + x) * 4, (y * decoded.width + x) * 4 + 3),
  };
}

// The WCAG 2 contrast ratio of two sRGB colours, worked out here on its own.
export function contrast(first, second) {
  const luminance = ([r, g, b]) => {
    const linear = (c) => (c /= 255) <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
  };
  const [lighter, darker] = [luminance(first), luminance(second)].sort((a, b) => b - a);
  return (lighter + 0.05) / (darker + 0.05);
}
