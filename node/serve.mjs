// Serves a folder over HTTP on 127.0.0.1 alone, as a static web server for
// the page should: each file with the type that browsers require of it (a
// .wasm as application/wasm, for streaming compilation; a module script as
// JavaScript), compressed where the browser accepts it and the file is not
// compressed already, with a validator (ETag), so that a browser asks again
// at each visit and an unchanged file costs a "304 Not Modified" alone.
//
// It serves nothing outside its folder, symbolic links that lead out
// included, and answers only requests addressed to it by name (the Host
// 127.0.0.1, localhost or [::1] with its port), so that a web site whose
// name a rebinding DNS points at 127.0.0.1 cannot read it through the
// teacher's browser. A request it cannot read is answered "400 Bad Request",
// one that fails "500"; it goes on serving.
//
//     node serve.mjs FOLDER [PORT]       prints the address; 0 picks a port
import {createHash} from 'node:crypto';
import {createServer} from 'node:http';
import {readFile, realpath, stat} from 'node:fs/promises';
import {extname, join, sep} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';

const usage = 'usage: node serve.mjs FOLDER [PORT]';

// Each type, and whether it is worth compressing.
const types = {
  '.html': ['text/html; charset=utf-8', true],
  '.css': ['text/css; charset=utf-8', true],
  '.js': ['text/javascript; charset=utf-8', true],
  '.mjs': ['text/javascript; charset=utf-8', true],
  '.wasm': ['application/wasm', true],
  '.webmanifest': ['application/manifest+json', true],
  '.json': ['application/json', true],
  '.png': ['image/png', false],
  '.woff2': ['font/woff2', false],
};
const otherType = ['text/plain; charset=utf-8', true];

// The path that a request asks for, or null where it names none.
function requestedPath(request) {
  try {
    return decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  } catch {
    return null;
  }
}

// Whether an Accept-Encoding header takes gzip: named, or as "*", with a
// weight above 0 ("gzip;q=0" refuses it).
function acceptsGzip(header = '') {
  const weights = new Map();
  for (const part of header.split(',')) {
    const [coding, ...parameters] = part.split(';').map((p) => p.trim().toLowerCase());
    const weight = parameters.find((p) => p.startsWith('q='));
    weights.set(coding, weight === undefined ? 1 : Number(weight.slice(2)));
  }
  return (weights.get('gzip') ?? weights.get('*') ?? 0) > 0;
}

// Answers `request` with `body`, of the type of `path`.
function send(request, response, path, body) {
  const [type, compressible] = types[extname(path)] ?? otherType;
  const gzip = compressible && acceptsGzip(request.headers['accept-encoding']);
  const digest = createHash('sha256').update(body).digest('base64url').slice(0, 22);
  const tag = `"${digest}${gzip ? '-gzip' : ''}"`;
  const headers = {
    'Content-Type': type,
    'Cache-Control': 'no-cache',
    'ETag': tag,
    'Vary': 'Accept-Encoding',
  };
  const asked = request.headers['if-none-match'] ?? '';
  if (asked.split(',').some((t) => t.trim().replace(/^W\//, '').replace('-gzip"', '"') ===
                                   `"${digest}"`)) {
    response.writeHead(304, headers).end();
    return;
  }
  const sent = gzip ? gzipSync(body) : body;
  if (gzip) {
    headers['Content-Encoding'] = 'gzip';
  }
  headers['Content-Length'] = sent.length;
  response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : sent);
}

// The contents of the file that `path` names in the folder `root` (a real
// path), or null where there is none such inside it.
async function fileIn(root, path) {
  try {
    const file = await realpath(join(root, path));
    return file.startsWith(root + sep) ? await readFile(file) : null;
  } catch {
    return null;
  }
}

// Starts serving `folder` on `port` (0: any free one); resolves to the
// server, whose address() tells the port. `routes` maps further paths to a
// body of their own, or to a function (request, response) that answers.
// Fails where `folder` is no folder.
export async function serve(folder, port = 0, {routes = {}} = {}) {
  if (!folder) {
    throw new Error(`no folder to serve (${usage})`);
  }
  const root = await realpath(folder);
  if (!(await stat(root)).isDirectory()) {
    throw new Error(`${folder} is no folder`);
  }
  let hosts = new Set();
  const answer = async (request, response) => {
    if (!hosts.has(request.headers.host?.toLowerCase())) {
      response.writeHead(421).end();
      return;
    }
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, {'Allow': 'GET, HEAD'}).end();
      return;
    }
    const path = requestedPath(request);
    if (path === null) {
      response.writeHead(400).end();
      return;
    }
    const route = routes[path];
    if (typeof route === 'function') {
      await route(request, response);
      return;
    }
    const name = path.endsWith('/') ? path + 'index.html' : path;
    const body = route !== undefined ? Buffer.from(route) : await fileIn(root, name);
    if (body === null) {
      response.writeHead(404).end();
      return;
    }
    send(request, response, name, body);
  };
  const server = createServer((request, response) => {
    answer(request, response).catch((error) => {
      console.error(`serve.mjs: ${request.url}: ${error.stack}`);
      if (response.headersSent) {
        response.destroy();
      } else {
        response.writeHead(500).end();
      }
    });
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', resolve);
  });
  const {port: bound} = server.address();
  hosts = new Set(['127.0.0.1', 'localhost', '[::1]'].map((name) => `${name}:${bound}`));
  return server;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port = '8000'] = process.argv.slice(2);
  if (!folder || !/^\d+$/.test(port)) {
    console.error(usage);
    process.exit(2);
  }
  const server = await serve(folder, Number(port)).catch((error) => {
    console.error(`serve.mjs: ${error.message}`);
    process.exit(1);
  });
  console.log(`Serving ${await realpath(folder)} at http://127.0.0.1:${server.address().port}/`);
}
