// How soon the page is ready for input, against a static page with the same
// controls and no script, and what it transfers. For each of CONTEXTS fresh
// browser contexts (15 unless given, after 2 to warm up), both pages are
// loaded in turn in Debian's chromium, served from 127.0.0.1.
//
//     node page_ready.mjs SITE [CONTEXTS]
//
// Ready for input: every control drawn with its content and the list filled
// (the document parsed, the first contentful paint, the font arrived); the
// input box then takes keys. The logic may still be loading: a press of a
// button waits for it. When the logic has loaded is told beside.
import puppeteer from 'puppeteer-core';
import {readFile, readdir} from 'node:fs/promises';
import {gzipSync} from 'node:zlib';
import {join, relative} from 'node:path';
import {serve} from './serve.mjs';

const site = process.argv[2];
const contexts = Number(process.argv[3] ?? 15);
const warmUp = 2;

// What a first visit transfers: every file of the site but the font's licence.
async function transfers(folder) {
  const sizes = [];
  for (const entry of await readdir(folder, {recursive: true, withFileTypes: true})) {
    const path = join(entry.parentPath ?? entry.path, entry.name);
    if (entry.isFile() && !/\/(LICENSE|COPYRIGHT)$/.test(path)) {
      const contents = await readFile(path);
      sizes.push({file: relative(folder, path), raw: contents.length,
                  gzip: gzipSync(contents, {level: 9}).length});
    }
  }
  return sizes.sort((a, b) => a.file.localeCompare(b.file));
}

// The page without its script and what only the script loads.
const page = await readFile(join(site, 'index.html'), 'utf8');
const staticPage = page.split('\n')
  .filter((line) => !/<script|rel="modulepreload"|euler\.wasm/.test(line)).join('\n');
const server = await serve(site, 0, {'/static.html': staticPage});
const base = `http://127.0.0.1:${server.address().port}/`;

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

async function load(url, withLogic) {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  await tab.goto(url, {waitUntil: 'load'});
  await tab.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length);
  if (withLogic) {
    await tab.waitForFunction(() => performance.getEntriesByName('logic-ready').length);
  }
  const times = await tab.evaluate(async () => {
    await document.fonts.ready;
    const navigation = performance.getEntriesByType('navigation')[0];
    const font = performance.getEntriesByType('resource').find((r) => r.name.endsWith('.woff2'));
    return {
      ready: Math.max(navigation.domContentLoadedEventEnd,
                      performance.getEntriesByName('first-contentful-paint')[0].startTime,
                      font?.responseEnd ?? 0),
      logic: performance.getEntriesByName('logic-ready')[0]?.startTime,
    };
  });
  await context.close();
  return times;
}

const results = {page: [], logic: [], static: []};
for (let i = 0; i < warmUp + contexts; ++i) {
  const withLogic = await load(base, true);
  const without = await load(base + 'static.html', false);
  if (i >= warmUp) {
    results.page.push(withLogic.ready);
    results.logic.push(withLogic.logic);
    results.static.push(without.ready);
  }
}
await browser.close();
server.close();

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const sizes = await transfers(site);
const total = sizes.reduce((sum, s) => ({raw: sum.raw + s.raw, gzip: sum.gzip + s.gzip}),
                           {raw: 0, gzip: 0});
console.log('| file | bytes | gzip -9 |\n| --- | ---: | ---: |');
for (const {file, raw, gzip} of [...sizes, {file: 'all', ...total}]) {
  console.log(`| ${file} | ${raw} | ${gzip} |`);
}
const [pageReady, staticReady, logicReady] =
    [median(results.page), median(results.static), median(results.logic)];
console.log(`\nmedians of ${contexts} fresh contexts each:`);
console.log(`ready for input: page ${pageReady.toFixed(1)} ms, static page ` +
            `${staticReady.toFixed(1)} ms, ratio ${(pageReady / staticReady).toFixed(2)}`);
console.log(`logic loaded: ${logicReady.toFixed(1)} ms after navigation`);
