// The page as an installable web app that works without a network after the
// first visit.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {logicReady, openPage, start, state} from './browser.mjs';

let session;
before(async () => {
  session = await start();
});
after(() => session.stop());

test('offline, a reload still shows the page and checks a number', async () => {
  const page = await openPage(session);
  await logicReady(page);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, {once: true});
      });
    }
  });
  await page.setOfflineMode(true);
  await page.reload();
  await logicReady(page);
  await page.click('#Text2');
  await page.keyboard.type('30');
  await page.click('#Command1\\(0\\)');
  const shown = await state(page);
  assert.equal(shown.transcript, 'Изчислявам: 30*31+41\nИзчисленото число е: 971\n');
  assert.equal(shown.selection, 163);
});

test('the manifest names the program in Bulgarian, with its icons', async () => {
  const page = await openPage(session);
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel=manifest]');
    return (await fetch(link.href)).json();
  });
  assert.equal(manifest.name, 'Ойлер - просто число');
  assert.equal(manifest.lang, 'bg');
  for (const icon of manifest.icons) {
    const size = await page.evaluate(async (src) => {
      const bitmap = await createImageBitmap(await (await fetch(src)).blob());
      return `${bitmap.width}x${bitmap.height}`;
    }, icon.src);
    assert.equal(size, icon.sizes);
  }
});
