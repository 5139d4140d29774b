// Serves a folder over HTTP on 127.0.0.1 alone, as a static web server for
// the page should: each file with the type that browsers require of it (a
// .wasm as application/wasm, for streaming compilation; a module script as
// JavaScript), compressed where the browser accepts it and the file is not
// compressed already, with a validator (ETag), so that a browser asks again
// at each visit and an unchanged file costs a "304 Not Modified" alone. A
// request it cannot read is answered "400 Bad Request"; it goes on serving.
//
//     node serve.mjs FOLDER [PORT]       prints the address; 0 picks a port
import {createHash} from 'node:crypto';
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, sep} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';

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

// Answers `request` with `body`, of the type of `path`.
function send(request, response, path, body) {
  const [type, compressible] = types[extname(path)] ?? otherType;
  const gzip = compressible && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
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

// Starts serving `folder` on `port` (0: any free one); resolves to the
// server, whose address() tells the port. `routes` maps further paths to a
// body of their own, or to a function (request, response) that answers.
export function serve(folder, port = 0, {routes = {}} = {}) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
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
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    try {
      if (!file.startsWith(root)) {
        throw new Error('outside the folder');
      }
      send(request, response, file, route !== undefined ? Buffer.from(route) : await readFile(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8000));
  console.log(`Serving ${process.argv[2]} at http://127.0.0.1:${server.address().port}/`);
}
