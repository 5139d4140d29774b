// Serves a folder over HTTP on 127.0.0.1 alone, with the types that browsers
// require of a page's files (a .wasm as application/wasm, for streaming
// compilation; a module script as JavaScript).
//
//     node serve.mjs FOLDER [PORT]       prints the address; 0 picks a port
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, sep} from 'node:path';
import {fileURLToPath} from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
};

// Starts serving `folder`; resolves to the server, whose address() tells the
// port. `extra` maps further paths to contents of their own.
export function serve(folder, port = 0, extra = {}) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    try {
      if (!file.startsWith(root)) {
        throw new Error('outside the folder');
      }
      const body = extra[path] ?? await readFile(file);
      response.writeHead(200, {
        'Content-Type': types[extname(file)] ?? 'text/plain; charset=utf-8',
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8000));
  console.log(`Serving ${process.argv[2]} at http://127.0.0.1:${server.address().port}/`);
}
