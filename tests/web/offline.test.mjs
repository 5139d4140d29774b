// The page after its first visit and when its logic cannot load, in the
// engine that EULER_ENGINE names: offline from its own cache, a new build in
// place by the second visit, and a load that fails told as such.
import {test} from 'node:test';
import assert from 'node:assert/strict';
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

test('offline, a reload still shows the page and checks a number', async (t) => {
  const {tab} = await visitedThenOffline(t, site);
  await tab.reload();
  await logicReady(tab);
  await tab.click(await find(tab, 'input'));
  await tab.type('30');
  await tab.click(await find(tab, 'check'));
  const shown = await state(tab);
  assert.equal(shown.transcript, 'Изчислявам: 30*31+41\nИзчисленото число е: 971\n');
  assert.equal(shown.selection, 163);
  await tab.close();
});

test('a new build replaces the old for a returning pupil by the second visit', async (t) => {
  // The next build: another page, and so another service worker.
  const next = await mkdtemp(join(tmpdir(), 'euler-next-build-'));
  t.after(() => rm(next, {recursive: true, force: true}));
  await cp(site, next, {recursive: true});
  const page = await readFile(join(site, 'index.html'), 'utf8');
  await writeFile(join(next, 'index.html'), page.replace('<title>', '<title>Next build: '));
  const worker = await readFile(join(site, 'service-worker.js'), 'utf8');
  await writeFile(join(next, 'service-worker.js'),
                  worker.replace(/euler-primes-(\w+)/, 'euler-primes-$1-next'));

  const {tab, port} = await visitedThenOffline(t, site);
  const second = await served(next, port);
  t.after(() => second.stop());
  await tab.reload();  // the first visit after the new build
  await waitFor(tab, async () => (await caches.keys()).every((name) => name.endsWith('-next')));
  await tab.reload();  // the second
  assert.match(await tab.evaluate(() => document.title), /^Next build: /);
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
