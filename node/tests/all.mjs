// Every test of the page in one process, and so in one start of the browser
// (see browser.mjs): ctest runs this once for each engine.
import './page.test.mjs';
import './look.test.mjs';
import './offline.test.mjs';
