// The page after its first visit and when its logic cannot load, in the
// engine that EULER_ENGINE names: offline from its own cache, which keeps
// nothing but the build's own files, a new build in place by the second
// visit beside the caches of the origin's other pages, and a load that fails
// told as such.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {createHash} from 'node:crypto';
import {cp, mkdtemp, readFile, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {find, logicReady, served, site, state, waitFor} from './browser.mjs';

// Waits until the service worker has the page in its cache and serves it.
const controlled = (tab) => waitFor(tab, async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  return registration?.active?.state === 'activated' && Boolean(navigator.serviceWorker.controller);
});

// A first visit to the site in `folder`, until the service worker has the
// page; then the server stops, as the network goes away. Tells the tab and
// the port that the site was served on.
async function visitedThenOffline(t, folder) {
  const server = await served(folder);
  t.after(() => server.stop());
  const tab = await server.open();
  await logicReady(tab);
  await controlled(tab);
  server.stop();
  return {tab, port: Number(new URL(server.url).port)};
}

// Offline: the page anew from the worker's cache, and a check of 30 in it.
async function checkedOffline(tab) {
  await tab.reload();
  await logicReady(tab);
  await tab.click(await find(tab, 'input'));
  await tab.type('30');
  await tab.click(await find(tab, 'check'));
  const shown = await state(tab);
  assert.equal(shown.transcript, 'Изчислявам: 30*31+41\nИзчисленото число е: 971\n');
  assert.equal(shown.selection, 163);
}

test('offline, a reload still shows the page and checks a number', async (t) => {
  const {tab} = await visitedThenOffline(t, site);
  // A bookmark of the page by its name is served too.
  assert.ok(await tab.evaluate(async () => (await fetch('index.html')).ok), 'index.html offline');
  await checkedOffline(tab);
  await tab.close();
});

test('a web filter’s page in place of the logic is not kept: once lifted, all works offline',
     async (t) => {
       // The filter answers the logic's WebAssembly with a page of its own
       // and 200, to the page and to the worker's install alike.
       let filtered = true;
       let asked = 0;
       const server = await served(site, 0, {
         '/euler.wasm': async (request, response) => {
           ++asked;
           if (filtered) {
             response.writeHead(200, {'Content-Type': 'text/html; charset=utf-8'});
             response.end('<!doctype html><title>Blocked</title><p>Blocked by the filter.');
           } else {
             response.writeHead(200, {'Content-Type': 'application/wasm'});
             response.end(await readFile(join(site, 'euler.wasm')));
           }
         },
       });
       t.after(() => server.stop());
       const tab = await server.open();
       await waitFor(tab, () => document.querySelector('[role="alert"]').checkVisibility());
       // Asked by the page and by the worker's install, which then ends.
       while (asked < 2) {
         await new Promise((resolve) => setTimeout(resolve, 50));
       }
       await waitFor(tab, async () => !(await navigator.serviceWorker.getRegistration())?.installing);
       filtered = false;
       await tab.reload();
       await logicReady(tab);
       await controlled(tab);
       server.stop();
       await checkedOffline(tab);
       await tab.close();
     });

test('a new build replaces the old by the second visit, and the school’s other pages keep theirs',
     async (t) => {
       // The next build: another page, and so another service worker, with
       // the page's new digest and another name for its cache.
       const next = await mkdtemp(join(tmpdir(), 'euler-next-build-'));
       t.after(() => rm(next, {recursive: true, force: true}));
       await cp(site, next, {recursive: true});
       const page = await readFile(join(site, 'index.html'), 'utf8');
       const nextPage = page.replace('<title>', '<title>Next build: ');
       await writeFile(join(next, 'index.html'), nextPage);
       const integrity = (text) => `sha256-${createHash('sha256').update(text).digest('base64')}`;
       const worker = await readFile(join(site, 'service-worker.js'), 'utf8');
       await writeFile(join(next, 'service-worker.js'), worker
         .replaceAll(integrity(page), integrity(nextPage))
         .replace(/const build = '(\w+)'/, "const build = '$1-next'"));

       const {tab, port} = await visitedThenOffline(t, site);
       // Another page of the school's site, on the same origin, keeps a
       // cache of its own.
       const others = 'the timetable';
       await tab.evaluate((name) => caches.open(name), others);
       const second = await served(next, port);
       t.after(() => second.stop());
       await tab.reload();  // the first visit after the new build
       const cacheNames = () => tab.evaluate(() => caches.keys());
       await waitFor(tab, async () => (await caches.keys())
         .filter((name) => name.startsWith('euler-primes ')).every((name) => name.endsWith('-next')));
       await tab.reload();  // the second
       assert.match(await tab.evaluate(() => document.title), /^Next build: /);
       assert.ok((await cacheNames()).includes(others), `the timetable's cache: ${await cacheNames()}`);
       await tab.close();
     });

test('a logic that cannot load is told, and no control stays locked', async (t) => {
  // The logic's WebAssembly is missing, and arrives too late to tell.
  let release;
  const missing = new Promise((resolve) => {
    release = resolve;
  });
  const server = await served(site, 0, {
    '/euler.wasm': async (request, response) => {
      await missing;
      response.writeHead(404).end();
    },
  });
  t.after(() => server.stop());
  const tab = await server.open();
  const input = await find(tab, 'input');
  await tab.click(input);
  await tab.type('7');
  await tab.click(await find(tab, 'check'));
  assert.equal(await tab.evaluate((box) => box.readOnly, input), true, 'the press waits');
  release();
  const alert = () => tab.evaluate(() => {
    const shown = document.querySelector('[role="alert"]');
    return shown.checkVisibility() ? shown.textContent : '';
  });
  await waitFor(tab, () => document.querySelector('[role="alert"]').checkVisibility());
  assert.equal(await alert(), 'Програмата не успя да се зареди. Презаредете страницата, ' +
                              'а ако това не помогне, отворете я в друг браузър.');
  assert.equal(await tab.evaluate((box) => box.readOnly, input), false);
  await tab.click(input);
  await tab.press('End');
  await tab.type('5');
  assert.equal((await state(tab)).input, '75', 'the input box takes keys again');
  await tab.close();
});
