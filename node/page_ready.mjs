// How soon the page is ready for input, against a static page with the same
// controls and no script, and what a first visit transfers, in each browser
// engine named (chromium, firefox and webkit unless given; see engines.mjs),
// served from 127.0.0.1 by serve.mjs as a school's server would serve it.
//
//     node page_ready.mjs SITE [CONTEXTS] [ENGINE...]
//
// Ready for input: every control drawn with its content and the list filled
// (the document parsed, the page drawn, the font arrived); the input box then
// takes keys. The logic may still be loading: a press of a button waits for
// it. Both pages are loaded in turn in CONTEXTS fresh browser contexts (15
// unless given, after 2 to warm up; 1 is a run to see that the benchmark
// runs, with none), a pair in each, each first in turn; the medians are
// told, and the ratio is the median of each pair's: the two loads of a pair
// follow each other, so a moment when the machine is busy slows both.
//
// First visit: the bytes the server sent to a fresh context until the page
// was ready, its logic loaded and its service worker had stored the site for
// offline use, against the same visit with the service worker refused (what
// the page alone needs). WebKit's is MiniBrowser's in a normal session, as a
// pupil's browser has (engines.mjs tells why).
import {readFile, readdir} from 'node:fs/promises';
import {gzipSync} from 'node:zlib';
import {join, relative} from 'node:path';
import {launch} from './engines.mjs';
import {serve} from './serve.mjs';

const site = process.argv[2];
const contexts = Number(process.argv[3] ?? 15);
const engines = process.argv.length > 4 ? process.argv.slice(4) : ['chromium', 'firefox', 'webkit'];
const warmUp = contexts > 1 ? 2 : 0;

// The page without its script and what only the script loads.
const page = await readFile(join(site, 'index.html'), 'utf8');
const staticPage = page.split('\n')
  .filter((line) => !/<script|rel="modulepreload"/.test(line)).join('\n');
// Where the service worker is refused, the page registers none. The page
// and its static copy are served alike, from memory.
let serviceWorker = true;
const server = await serve(site, 0, {routes: {
  '/': page,
  '/static.html': staticPage,
  '/service-worker.js': async (request, response) => {
    if (serviceWorker) {
      response.writeHead(200, {'Content-Type': 'text/javascript', 'Cache-Control': 'no-cache'});
      response.end(await readFile(join(site, 'service-worker.js')));
    } else {
      response.writeHead(404).end();
    }
  },
}});
const base = `http://127.0.0.1:${server.address().port}/`;

// The bytes the server has sent, headers and all.
const sockets = new Set();
let closedBytes = 0;
server.on('connection', (socket) => {
  sockets.add(socket);
  socket.on('close', () => {
    closedBytes += socket.bytesWritten;
    sockets.delete(socket);
  });
});
const bytesSent = () => [...sockets].reduce((sum, s) => sum + s.bytesWritten, closedBytes);

// The page's times in a fresh context: ready for input and, with the logic,
// when the logic had loaded.
async function load(engine, url, withLogic) {
  const tab = await engine.open(url);
  const times = await tab.evaluate(async (withLogic) => {
    const seen = (name) => new Promise((resolve) => {
      const found = () => performance.getEntriesByName(name)[0];
      if (found()) {
        resolve(found());
      } else {
        new PerformanceObserver((list, observer) => {
          if (found()) {
            observer.disconnect();
            resolve(found());
          }
        }).observe({type: name === 'logic-ready' ? 'mark' : 'paint'});
      }
    });
    const painted = await seen('first-contentful-paint');
    const logic = withLogic ? await seen('logic-ready') : undefined;
    await document.fonts.ready;
    const navigation = performance.getEntriesByType('navigation')[0];
    const font = performance.getEntriesByType('resource').find((r) => r.name.endsWith('.woff2'));
    return {
      ready: Math.max(navigation.domContentLoadedEventEnd, painted.startTime,
                      font?.responseEnd ?? 0),
      logic: logic?.startTime,
    };
  }, withLogic);
  await tab.close();
  return times;
}

// What a first visit in a fresh context transfers; where the engine can
// visit as a pupil's browser does (WebKit's MiniBrowser, see engines.mjs),
// until the server has sent nothing for two seconds.
async function firstVisit(engine, withServiceWorker) {
  serviceWorker = withServiceWorker;
  const before = bytesSent();
  if (engine.visitAsUser) {
    await engine.visitAsUser(base, async () => {
      const end = Date.now() + 60000;
      let sent;
      do {
        if (Date.now() > end) {
          throw new Error(`${engine.version}: no quiet first visit in 60 s`);
        }
        sent = bytesSent();
        await new Promise((resolve) => setTimeout(resolve, 2000));
      } while (sent === before || bytesSent() !== sent);
    });
  } else {
    await visitInContext(engine, withServiceWorker);
  }
  serviceWorker = true;
  return bytesSent() - before;
}

// A first visit in a fresh context of the engine's driver, until the logic
// has loaded and, with `withServiceWorker`, the site is stored.
async function visitInContext(engine, withServiceWorker) {
  const tab = await engine.open(base);
  await tab.evaluate(async (withServiceWorker) => {
    await new Promise((resolve) => {
      const loaded = () => performance.getEntriesByName('logic-ready').length > 0;
      const poll = () => (loaded() ? resolve() : setTimeout(poll, 20));
      poll();
    });
    await document.fonts.ready;
    if (withServiceWorker) {
      await navigator.serviceWorker.ready;  // active once the site is stored
    }
  }, withServiceWorker);
  await tab.close();
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// The site's files, as they are and compressed, but the font's licence,
// which no visit fetches.
const sizes = [];
for (const entry of await readdir(site, {recursive: true, withFileTypes: true})) {
  const path = join(entry.parentPath ?? entry.path, entry.name);
  if (entry.isFile() && !/\/(LICENSE|COPYRIGHT)$/.test(path)) {
    const contents = await readFile(path);
    sizes.push({file: relative(site, path), raw: contents.length,
                gzip: gzipSync(contents, {level: 9}).length});
  }
}
sizes.sort((a, b) => a.file.localeCompare(b.file));
const total = sizes.reduce((sum, s) => ({raw: sum.raw + s.raw, gzip: sum.gzip + s.gzip}),
                           {raw: 0, gzip: 0});
console.log('| file | bytes | gzip -9 |\n| --- | ---: | ---: |');
for (const {file, raw, gzip} of [...sizes, {file: 'all', ...total}]) {
  console.log(`| ${file} | ${raw} | ${gzip} |`);
}

console.log(`\nmedians of ${contexts} fresh contexts each:\n`);
console.log('| engine | ready: page | static page | ratio | logic loaded | ' +
            'first visit: page alone | with the offline copy | ratio |');
console.log('| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |');
for (const name of engines) {
  const engine = await launch(name);
  const results = {page: [], logic: [], static: [], ratio: []};
  for (let i = 0; i < warmUp + contexts; ++i) {
    // A pair, each first in turn, so that neither gains from the other's
    // start.
    let withLogic;
    let without;
    if (i % 2) {
      withLogic = await load(engine, base, true);
      without = await load(engine, base + 'static.html', false);
    } else {
      without = await load(engine, base + 'static.html', false);
      withLogic = await load(engine, base, true);
    }
    if (i >= warmUp) {
      results.page.push(withLogic.ready);
      results.logic.push(withLogic.logic);
      results.static.push(without.ready);
      results.ratio.push(withLogic.ready / without.ready);
    }
  }
  const alone = await firstVisit(engine, false);
  const withCopy = await firstVisit(engine, true);
  console.log(`| ${engine.version} | ${median(results.page).toFixed(1)} ms | ` +
              `${median(results.static).toFixed(1)} ms | ${median(results.ratio).toFixed(2)} | ` +
              `${median(results.logic).toFixed(1)} ms | ` +
              `${alone} B | ${withCopy} B | ${(withCopy / alone).toFixed(2)} |`);
  await engine.close();
}
server.close();
