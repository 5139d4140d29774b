// The site without a browser: its server, as a school's server should
// behave, and its web-app manifest.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {mkdtemp, readFile, rm, symlink, writeFile} from 'node:fs/promises';
import {request} from 'node:http';
import {tmpdir} from 'node:os';
import {join, relative} from 'node:path';
import {fileURLToPath} from 'node:url';
import {PNG} from 'pngjs';
import {site} from './browser.mjs';
import {serve} from '../serve.mjs';

let server;
let port;
before(async () => {
  server = await serve(site);
  port = server.address().port;
});
after(() => server.close());

// A request as it stands, path and headers, not as fetch() would mend it,
// to the site's server or the one on `at`.
function get(path, headers = {}, at = port) {
  return new Promise((resolve, reject) => {
    request({host: '127.0.0.1', port: at, path, headers}, (response) => {
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

// A server of `folder` with `routes` for the test `t`; resolves to its port.
async function serving(t, folder, routes) {
  const other = await serve(folder, 0, {routes});
  t.after(() => other.close());
  return other.address().port;
}

test('it serves the folder named, relative too, and refuses to serve none', async (t) => {
  await assert.rejects(serve(''), /no folder/);
  await assert.rejects(serve(join(site, 'index.html')), /no folder/);
  const script = fileURLToPath(new URL('../serve.mjs', import.meta.url));
  const said = spawnSync(process.execPath, [script, '', '0'], {encoding: 'utf8'});
  assert.deepEqual([said.status, said.stderr], [2, 'usage: node serve.mjs FOLDER [PORT]\n']);
  const at = await serving(t, relative(process.cwd(), site));
  assert.equal((await get('/', {}, at)).status, 200);
});

test('nothing outside its folder is served, through a symbolic link neither', async (t) => {
  const folder = await mkdtemp(join(tmpdir(), 'euler-served-'));
  t.after(() => rm(folder, {recursive: true, force: true}));
  await writeFile(join(folder, 'index.html'), 'the page');
  await writeFile(`${folder}-secret`, 'not to be served');
  t.after(() => rm(`${folder}-secret`, {force: true}));
  await symlink(`${folder}-secret`, join(folder, 'secret.txt'));
  const at = await serving(t, folder);
  assert.equal((await get('/secret.txt', {}, at)).status, 404);
  assert.equal((await get('/', {}, at)).body.toString(), 'the page');
});

test('a request addressed to another name is refused, as a rebinding DNS sends it', async () => {
  assert.equal((await get('/', {Host: 'school-timetable.example'})).status, 421);
  assert.equal((await get('/', {Host: `127.0.0.1:${port + 1}`})).status, 421);
  assert.equal((await get('/', {Host: `localhost:${port}`})).status, 200);
});

test('a route that fails is answered 500 and the server goes on', async (t) => {
  const at = await serving(t, site, {'/fails': async () => {
    throw new Error('failed on purpose');
  }});
  assert.equal((await get('/fails', {}, at)).status, 500);
  assert.equal((await get('/', {}, at)).status, 200);
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
       const refused = await get('/euler.wasm', {'Accept-Encoding': 'gzip;q=0, br'});
       assert.equal(refused.headers['content-encoding'], undefined, 'gzip;q=0 refuses gzip');
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
