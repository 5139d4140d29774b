// Debian's three browser engines behind one small interface, for the page's
// tests, its benchmark and its screenshots: chromium and firefox-esr driven
// by puppeteer-core (over the DevTools protocol and WebDriver BiDi), and
// WebKitGTK, the engine family of Safari, by selenium-webdriver through
// WebKitWebDriver and its MiniBrowser on a private X display. What differs
// between the engines is written here alone.
//
//     const engine = await launch('webkit');
//     const tab = await engine.open(url, {width: 360, height: 640});
//     await tab.tap(await tab.find('button', 'Въведи'));
//     await tab.resize(640, 360);
//     await tab.load();                       // the page anew, in the same tab
//     await tab.close();
//     await engine.close();
import puppeteer from 'puppeteer-core';
import {Builder} from 'selenium-webdriver';
import input from 'selenium-webdriver/lib/input.js';
import {spawn} from 'node:child_process';
import {existsSync, readdirSync} from 'node:fs';
import {mkdtemp, rm} from 'node:fs/promises';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {PNG} from 'pngjs';

// Each engine's program and the Debian package that has it.
export const programs = {
  chromium: {path: '/usr/bin/chromium', package: 'chromium'},
  firefox: {path: '/usr/bin/firefox-esr', package: 'firefox-esr'},
  webkit: {path: '/usr/bin/WebKitWebDriver', package: 'webkit2gtk-driver'},
};

// What a test may ask of an engine beyond the common interface: the page's
// language (Chromium's DevTools protocol alone can set it for a page),
// forced colours and a touch screen's coarse pointer (likewise; Firefox 153
// answers WebDriver BiDi's touch override as unsupported), and the
// accessibility tree's descriptions.
export const abilities = {
  chromium: {language: true, forcedColours: true, coarsePointer: true, descriptions: true},
  firefox: {language: false, forcedColours: false, coarsePointer: false, descriptions: false},
  webkit: {language: false, forcedColours: false, coarsePointer: false, descriptions: false},
};

// WebKit shows each page inside a frame of the size asked for: MiniBrowser's
// window is never narrower than its toolbar (about 447 pixels). The frame's
// document is written over whatever the page's server answers at
// `framePath`, a path that no site has, so that the page in the frame is of
// the frame's origin, as a page on its own is of its own, and its service
// worker and caches are not a third party's. The frame takes the focus as
// each page loads in it, as a page of its own has it, so that an autofocus
// in it receives the keys.
const framePath = '/engine-frame.html';
function showInFrame(url) {
  document.documentElement.innerHTML =
    '<head><style>body{margin:0}iframe{border:0;display:block}</style></head>' +
    '<body><iframe id="page"></iframe></body>';
  const frame = document.getElementById('page');
  // Focused before the page arrives too: WebKit gives an autofocus only in a
  // frame that has the focus as its document loads.
  frame.focus();
  frame.onload = () => frame.focus();
  frame.src = url;
}

// A browser started with nothing of the user's: its own folders, no session
// bus or accessibility bus (which GTK would start and leave behind), the
// language and time zone of the tests.
async function isolatedEnvironment() {
  const home = await mkdtemp(join(tmpdir(), 'euler-browser-'));
  return {
    home,
    env: {
      ...process.env,
      HOME: home,
      XDG_CONFIG_HOME: join(home, 'config'),
      XDG_CACHE_HOME: join(home, 'cache'),
      XDG_DATA_HOME: join(home, 'data'),
      DBUS_SESSION_BUS_ADDRESS: 'disabled:',
      NO_AT_BRIDGE: '1',
      LANG: 'C.UTF-8',
      LC_ALL: 'C.UTF-8',
      TZ: 'UTC',
    },
  };
}

// The flags that a root user on a machine without a network needs.
const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                       '--disable-background-networking', '--disable-component-update',
                       '--disable-sync', '--lang=en-US'];

// Starts the engine `name` (a key of `programs`).
export async function launch(name) {
  const {home, env} = await isolatedEnvironment();
  const engine = name === 'webkit' ? await launchWebKit(env) : await launchPuppeteer(name, env);
  const {open, close} = engine;
  return Object.assign(engine, {
    name,
    open: async (url, options) => remembering(await open(url, options)).drawn(),
    async close() {
      await close();
      // The browser's helpers may still write their caches as they end.
      await rm(home, {recursive: true, force: true, maxRetries: 10});
    },
  });
}

// `tab`, which finds each control once per load of its page: asking the
// accessibility tree again costs a round trip per element in some engines.
// Asking for several at once asks once for each. Each load of its page ends
// once the page has been drawn, as a pupil sees it before acting: until
// then, WebKitGTK has not given an autofocus in a frame.
function remembering(tab) {
  const found = new Map();
  const {find, reload, load} = tab;
  return Object.assign(tab, {
    async drawn() {
      await tab.evaluate(drawn);
      return tab;
    },
    find(role, name) {
      const key = `${role}\n${name}`;
      if (!found.has(key)) {
        const asked = find(role, name);
        found.set(key, asked);
        // What was not found, or could not be asked, is asked for anew.
        asked.then((element) => element || found.delete(key), () => found.delete(key));
      }
      return found.get(key);
    },
    async reload() {
      found.clear();
      await reload();
      await tab.drawn();
    },
    async load() {
      found.clear();
      await load();
      await tab.drawn();
    },
  });
}

// Chromium and Firefox.
async function launchPuppeteer(name, env) {
  const browser = await puppeteer.launch(name === 'firefox'
    ? {browser: 'firefox', executablePath: programs.firefox.path, env, protocolTimeout: 60000}
    : {executablePath: programs.chromium.path, env, args: chromiumFlags,
       ignoreDefaultArgs: ['--hide-scrollbars']});  // a list shows its scroll bar
  return {
    version: await browser.version(),
    async open(url, options = {}) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      // Firefox gives the first page no focus, and keys then go nowhere.
      await page.bringToFront();
      await page.setViewport({width: options.width ?? 480, height: options.height ?? 360,
                              hasTouch: Boolean(options.coarsePointer)});
      if (options.language || options.forcedColours) {
        const devtools = await page.createCDPSession();
        if (options.language) {
          await devtools.send('Emulation.setLocaleOverride', {locale: options.language});
        }
        if (options.forcedColours) {
          await devtools.send('Emulation.setEmulatedMedia',
                              {features: [{name: 'forced-colors', value: 'active'}]});
        }
      }
      await page.goto(url);
      return puppeteerTab(page, context);
    },
    close: () => browser.close(),
  };
}

function puppeteerTab(page, context) {
  return {
    find: async (role, name) => page.$(`::-p-aria([name="${name}"][role="${role}"])`),
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    click: (element) => element.click(),
    tap: (element) => element.tap(),
    async press(key) {
      const [modifier, main] = key.includes('+') ? key.split('+') : [null, key];
      if (modifier) {
        await page.keyboard.down(modifier);
      }
      await page.keyboard.press(main === 'Space' ? ' ' : main);
      if (modifier) {
        await page.keyboard.up(modifier);
      }
    },
    type: (text) => page.keyboard.type(text),
    insertText: (text) => page.evaluate(insertText, text),
    async description(element) {
      return (await page.accessibility.snapshot({root: element, interestingOnly: false}))
        .description;
    },
    reload: () => page.reload(),
    load: () => page.goto(page.url()),
    resize: (width, height) => page.setViewport({...page.viewport(), width, height}),
    async screenshot(clip) {
      await page.evaluate(drawn);
      return decoded(await page.screenshot({clip, captureBeyondViewport: false}));
    },
    close: () => context.close(),
  };
}

// WebKitGTK: MiniBrowser through WebKitWebDriver, on an X server of its own
// as large as its window.
const webKitWindow = {width: 1440, height: 1200};
async function launchWebKit(env) {
  const display = await startXvfb();
  const port = await freePort();
  const driver = spawn(programs.webkit.path, [`--port=${port}`, '--host=127.0.0.1',
                                              '--replace-on-new-session'],
                       {env: {...env, DISPLAY: display.name},
                        stdio: ['ignore', 'ignore', 'pipe']});
  // What the driver and its browser last said, for a session that fails.
  let said = '';
  driver.stderr.on('data', (data) => {
    said = (said + data).slice(-2000);
  });
  const server = `http://127.0.0.1:${port}`;
  await waitForServer(server);
  const sessions = new Set();
  const engine = {
    version: 'WebKitGTK',  // and its version, once a session has told it
    async open(url, options = {}) {
      // A session of its own for each page, as a new browser context is
      // for the others: nothing of an earlier page (a service worker) stays.
      // The driver waits without end for a browser that cannot start.
      const session = await within(30000, new Builder().usingServer(server).withCapabilities({
        'browserName': 'MiniBrowser',
        'webkitgtk:browserOptions': {args: ['--automation']},
      }).build(), () => `WebKitWebDriver started no MiniBrowser on ${display.name}: ${said}`);
      sessions.add(session);
      engine.version = `WebKitGTK ${(await session.getCapabilities()).get('browserVersion')}`;
      // Room for a frame of a school laptop's screen, 1366 × 768, or a
      // tablet's upright, 768 × 1024, below MiniBrowser's toolbar.
      await session.manage().window().setRect({x: 0, y: 0, ...webKitWindow});
      await session.get(new URL(framePath, url).href);
      await session.executeScript(`(${showInFrame})(arguments[0])`, url);
      const tab = webKitTab(session, () => sessions.delete(session));
      await tab.resize(options.width ?? 480, options.height ?? 360);
      await waitUntil(() => session.executeScript('return document.readyState === "complete"'));
      return tab;
    },
    // A visit of `url` as a pupil's browser makes it: MiniBrowser alone, in
    // a normal session of its own, ended once `done()` resolves. WebDriver's
    // sessions are private, and in a private session the service worker
    // shares no network cache with its page.
    async visitAsUser(url, done) {
      const {home, env: own} = await isolatedEnvironment();
      const browser = spawn(miniBrowser(), [url], {env: {...own, DISPLAY: display.name},
                                                   stdio: 'ignore'});
      try {
        await done();
      } finally {
        await ended(browser);
        await rm(home, {recursive: true, force: true, maxRetries: 10});
      }
    },
    async close() {
      await Promise.all([...sessions].map((session) => session.quit().catch(() => {})));
      await ended(driver);
      await display.stop();
    },
  };
  return engine;
}

// WebKitGTK's MiniBrowser, in the library folder of the machine's
// architecture.
function miniBrowser() {
  const found = readdirSync('/usr/lib').map((d) => `/usr/lib/${d}/webkit2gtk-4.1/MiniBrowser`)
    .find((path) => existsSync(path));
  if (!found) {
    throw new Error('no MiniBrowser of WebKitGTK: install the Debian package libwebkit2gtk-4.1-0');
  }
  return found;
}

const webDriverKeys = {Tab: input.Key.TAB, Shift: input.Key.SHIFT, Space: input.Key.SPACE,
                       Enter: input.Key.ENTER, Escape: input.Key.ESCAPE,
                       Backspace: input.Key.BACK_SPACE, ArrowLeft: input.Key.ARROW_LEFT,
                       ArrowUp: input.Key.ARROW_UP, ArrowDown: input.Key.ARROW_DOWN,
                       PageUp: input.Key.PAGE_UP, PageDown: input.Key.PAGE_DOWN,
                       Home: input.Key.HOME, End: input.Key.END};

function webKitTab(session, closed) {
  const script = (fn, ...args) => session.executeScript(`return (${fn})(...arguments)`, ...args);
  // Resolves once `navigation` has brought a new document and it has loaded;
  // the old one says "complete" until it goes.
  const navigated = async (navigation) => {
    await script(() => {
      window.replaced = true;
    });
    await script(navigation);
    await waitUntil(() => script(() => !window.replaced && document.readyState === 'complete'));
  };
  return {
    // The accessibility role and name as WebKit works them out, for each
    // element that can have a role.
    async find(role, name) {
      const candidates = await session.findElements({css: role === 'option'
        ? '[role="option"]' : '[role]:not([role="option"]), button, input, textarea, h1, label'});
      for (const candidate of candidates) {
        // WebKit tells nothing of a hidden element, and fails to say so.
        const told = await Promise.all([candidate.getAriaRole(), candidate.getAccessibleName()])
          .catch(() => []);
        if (told[0] === role && told[1] === name) {
          return candidate;
        }
      }
      return null;
    },
    evaluate: script,
    click: (element) => element.click(),
    async tap(element) {
      const finger = new input.Pointer('finger', input.Pointer.Type.TOUCH);
      await session.actions().insert(finger, finger.move({origin: element}), finger.press(),
                                     finger.release()).perform();
    },
    async press(key) {
      const [modifier, main] = key.includes('+') ? key.split('+') : [null, key];
      let actions = session.actions();
      if (modifier) {
        actions = actions.keyDown(webDriverKeys[modifier]);
      }
      actions = actions.sendKeys(webDriverKeys[main] ?? main);
      if (modifier) {
        actions = actions.keyUp(webDriverKeys[modifier]);
      }
      await actions.perform();
    },
    type: (text) => session.actions().sendKeys(text).perform(),
    insertText: (text) => script(insertText, text),
    description: () => {
      throw new Error('WebKitWebDriver tells no accessible description');
    },
    reload: () => navigated(() => location.reload()),
    load: () => navigated(() => location.assign(location.href)),
    async resize(width, height) {
      await session.switchTo().defaultContent();
      await session.executeScript(`const frame = document.getElementById('page');
        frame.style.width = arguments[0] + 'px';
        frame.style.height = arguments[1] + 'px';`, width, height);
      await session.switchTo().frame(0);
    },
    async screenshot(clip) {
      await script(drawn);
      // The frame stands at the top left of the window, so the page's
      // coordinates are the window's.
      await session.switchTo().defaultContent();
      const png = Buffer.from(await session.takeScreenshot(), 'base64');
      await session.switchTo().frame(0);
      return decoded(png, clip);
    },
    async close() {
      closed();
      await session.quit();
    },
  };
}

// Resolves once the page has drawn its latest changes.
function drawn() {
  return new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
}

// Text put where the focus is, as a paste or the screen's keyboard puts it:
// an input event that is no key press.
function insertText(text) {
  document.execCommand('insertText', false, text);
}

// An X server that picks a free display itself and tells which. Like the
// window tests' servers it does not reset when its last client leaves: each
// tab's MiniBrowser ends with its session, and once, under load, the next
// one found no display («cannot open display») as it started just after.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0',
                                  `${webKitWindow.width}x${webKitWindow.height}x24`,
                                  '-nolisten', 'tcp', '-noreset'],
                         {stdio: ['ignore', 'ignore', 'ignore', 'pipe']});
    server.on('error', reject);
    server.stdio[3].once('data', (data) => resolve({
      name: `:${String(data).trim()}`,
      stop: () => ended(server),
    }));
  });
}

// Ends `child` and resolves when it has ended.
function ended(child) {
  if (child.exitCode !== null || child.signalCode !== null) {
    return Promise.resolve();
  }
  const exited = new Promise((resolve) => child.once('exit', resolve));
  child.kill();
  return exited;
}

function freePort() {
  return new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Resolves once `condition()` resolves to something true, asking every 50 ms
// (a condition that fails counts as false); fails after `timeout` ms. The one
// poller of the page's tooling.
export async function waitUntil(condition, timeout = 10000) {
  const end = Date.now() + timeout;
  while (!(await condition().catch(() => false))) {
    if (Date.now() > end) {
      throw new Error(`still not so after ${timeout} ms: ${condition}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// `promise`, or a failure telling `why()` after `timeout` ms.
function within(timeout, promise, why) {
  let timer;
  const late = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error(why())), timeout);
  });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

const waitForServer = (url) => waitUntil(async () => (await fetch(`${url}/status`)).ok);

// The red, green and blue of each pixel of a PNG, cut to `clip` (in pixels
// of the picture) where given.
function decoded(png, clip) {
  const image = PNG.sync.read(png);
  const {x = 0, y = 0} = clip ?? {};
  return {
    width: clip?.width ?? image.width,
    height: clip?.height ?? image.height,
    at(column, row) {
      const offset = ((row + Math.round(y)) * image.width + column + Math.round(x)) * 4;
      return [...image.data.subarray(offset, offset + 3)];
    },
  };
}
