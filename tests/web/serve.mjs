// A static file server on 127.0.0.1 for the page's folder, as a static host
// serves it: each file with its type and a date (which lets the browser keep
// it), and compressed (brotli or gzip, at their highest levels, made once per
// file) when the client takes it.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { promisify } from 'node:util';
import { brotliCompress, gzip, constants } from 'node:zlib';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.ico': 'image/x-icon', '.css': 'text/css', '.json': 'application/json',
  '.otf': 'font/otf', '.ttf': 'font/ttf', '.woff2': 'font/woff2' }; // the rest, .qm among them, as octets
const coders = {
  br: (b) => promisify(brotliCompress)(b, { params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: b.length } }),
  gzip: (b) => promisify(gzip)(b, { level: 9 }),
};

// Serves `folder`; `encoding` 'br', 'gzip' or 'none' is what the server offers.
// Resolves to { url, log, close }: log holds { path, status, encoding, bytes } per request.
export async function serve(folder, encoding = 'none') {
  const root = resolve(folder), cache = new Map(), log = [], started = new Date().toUTCString();
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = join(root, normalize(path.endsWith('/') ? path + 'index.html' : path));
    const accepted = (request.headers['accept-encoding'] ?? '').split(',').map((e) => e.trim().split(';')[0]);
    const coding = encoding in coders && accepted.includes(encoding) && !/\.(png|ico)$/.test(file) ? encoding : null; // images as they are
    const key = `${coding}:${file}`;
    if (!cache.has(key)) cache.set(key, (file.startsWith(root) ? readFile(file) : Promise.reject()).then((b) => (coding ? coders[coding](b) : b)));
    const body = await cache.get(key).catch(() => null);
    if (!body) return void (log.push({ path, status: 404, encoding: null, bytes: 0 }), response.writeHead(404).end());
    response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream', 'content-length': body.length,
      vary: 'accept-encoding', 'last-modified': started, ...(coding && { 'content-encoding': coding }) });
    response.end(request.method === 'HEAD' ? undefined : body);
    log.push({ path, status: 200, encoding: coding, bytes: body.length });
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  return { url: `http://127.0.0.1:${server.address().port}/`, log, close: () => new Promise((done) => server.close(done)) };
}

