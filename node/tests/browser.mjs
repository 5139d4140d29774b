// What the page's tests share: the site served on 127.0.0.1, the browser
// engine that EULER_ENGINE names (engines.mjs), the program's controls found
// by their role and accessible name as a screen reader finds them, and the
// measures of what the page draws.
import {readFileSync} from 'node:fs';
import {after} from 'node:test';
import {abilities, launch, waitUntil} from '../engines.mjs';
import {serve} from '../serve.mjs';

export const site = process.env.EULER_SITE;
export const layout = JSON.parse(readFileSync(process.env.EULER_PAGE_LAYOUT, 'utf8'));
export const engineName = process.env.EULER_ENGINE;
export const can = abilities[engineName];

// Why a test that needs `ability` does not run in this engine, or false.
export const lacks = (ability) =>
  !can[ability] && `${engineName}'s driver cannot set the ${ability} of a page`;

// The controls that take the focus: role and accessible name.
export const controls = {
  transcript: ['textbox', 'Условие и изчисление'],
  list: ['listbox', 'Прости числа под 1000'],
  input: ['textbox', 'N от 0 до 30'],
  check: ['button', 'Въведи'],
  clear: ['button', 'Чисти'],
};

// The engine, started at its first use and shared by every test file that
// runs in this process (all.mjs runs them all in one): Firefox takes five
// seconds to start and end. It ends after the last test.
let running = null;
function engine() {
  running ??= launch(engineName);
  return running;
}
after(() => running?.then((started) => started.close(), () => {}));

// Serves `folder` on `port` (0: any), with `routes` (see serve.mjs) before
// its files, to the engine.
export async function served(folder, port = 0, routes = {}) {
  const server = await serve(folder, port, {routes});
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    // A page in a fresh browser context: {width, height, language, forcedColours,
    // coarsePointer}.
    open: async (options) => (await engine()).open(url, options),
    // Its tabs end with the engine, or as a test closes them.
    stop() {
      server.close();
      server.closeAllConnections();
    },
  };
}

// Serves the site, with `routes` before its files, and starts the engine.
export async function start(routes = {}) {
  const server = await served(site, 0, routes);
  await engine();
  let shared = null;
  return {
    ...server,
    // The page loaded anew, {width, height} (480 × 360 unless given), in a
    // tab that the tests of a file share and do not close: a fresh context
    // costs a browser process, and most tests need only a fresh page. Its
    // service worker may serve it.
    async page({width = 480, height = 360} = {}) {
      if (!shared) {
        shared = await server.open({width, height});
      } else {
        await shared.resize(width, height);
        await shared.load();
      }
      return shared;
    },
  };
}

// The control `key` of `controls`; fails where the page has none such. The
// others are asked for with it: an engine answers them together in about
// the time of one, and a test needs most of them (Firefox takes a quarter
// of a second for each query of its accessibility tree).
export async function find(tab, key) {
  const [role, name] = controls[key];
  const all = await Promise.all(Object.values(controls).map((c) => tab.find(...c)));
  const found = all[Object.keys(controls).indexOf(key)];
  if (!found) {
    throw new Error(`no ${role} named «${name}»`);
  }
  return found;
}

// Resolves once `condition(...args)`, run in the page, is true (10 s at most).
export const waitFor = (tab, condition, ...args) =>
  waitUntil(() => tab.evaluate(condition, ...args));

export const logicReady = (tab) =>
  waitFor(tab, () => performance.getEntriesByName('logic-ready').length > 0);

// What the controls hold, which of them has the focus (a key of `controls`),
// and what the live region last said.
export async function state(tab) {
  const found = await Promise.all(Object.keys(controls).map((key) => find(tab, key)));
  return tab.evaluate((keys, transcript, list, input, ...rest) => ({
    input: input.value,
    transcript: transcript.value,
    selection: [...list.children].findIndex((e) => e.getAttribute('aria-selected') === 'true'),
    focus: keys[[transcript, list, input, ...rest].indexOf(document.activeElement)] ?? null,
    announced: document.querySelector('[role="status"]').textContent,
  }), Object.keys(controls), ...found);
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
