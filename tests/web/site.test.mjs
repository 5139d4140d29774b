// The site without a browser: its server, as a school's server should
// behave, and its web-app manifest.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import {request} from 'node:http';
import {join} from 'node:path';
import {PNG} from 'pngjs';
import {site} from './browser.mjs';
import {serve} from './serve.mjs';

let server;
let port;
before(async () => {
  server = await serve(site);
  port = server.address().port;
});
after(() => server.close());

// A request as it stands, path and headers, not as fetch() would mend it.
function get(path, headers = {}) {
  return new Promise((resolve, reject) => {
    request({host: '127.0.0.1', port, path, headers}, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({status: response.statusCode, headers: response.headers,
                                         body: Buffer.concat(chunks)}));
    }).on('error', reject).end();
  });
}

test('a request it cannot read is answered 400 and the server goes on', async () => {
  assert.equal((await get('/%E0')).status, 400);
  assert.equal((await get('/../../etc/passwd')).status, 404);
  assert.equal((await get('/')).status, 200);
});

test('an unchanged file costs a 304, and text goes compressed where the browser takes it',
     async () => {
       const first = await get('/euler.wasm', {'Accept-Encoding': 'gzip, br'});
       assert.equal(first.headers['content-type'], 'application/wasm');
       assert.equal(first.headers['content-encoding'], 'gzip');
       assert.ok(first.body.length < (await readFile(join(site, 'euler.wasm'))).length);
       const again = await get('/euler.wasm', {'If-None-Match': first.headers.etag});
       assert.equal(again.status, 304);
       assert.equal(again.body.length, 0);
     });

test('the manifest names the program in Bulgarian, with its icons', async () => {
  const manifest = JSON.parse(await readFile(join(site, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'Ойлер - просто число');
  assert.equal(manifest.lang, 'bg');
  for (const icon of manifest.icons) {
    const {width, height} = PNG.sync.read(await readFile(join(site, icon.src)));
    assert.equal(`${width}x${height}`, icon.sizes);
  }
});
