// Debian's Chromium driven headless, and the main window read from the
// page's pixels: the client area of 495 x 356 under a menu bar, 15 x 10
// cells at a pitch of 33, all times the scale the game fits the page with,
// the window centred on a page of one colour.
import { chromium } from 'playwright-core';
import { inflateSync } from 'node:zlib';
import { execFileSync, spawn } from 'node:child_process';
import { once } from 'node:events';

export const marks = ['tarnel-first-frame', 'tarnel-main-window'];
const options = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-quic'],
};
// Playwright gives every launch a fresh --user-data-dir of its own, and
// each context is a private window's.
export const launch = () => chromium.launch(options);
// A browser with a profile in `folder`, as a player's (a private window
// installs no app).
export const launchProfile = (folder) => chromium.launchPersistentContext(folder,
  { ...options, locale: 'en-US', viewport: { width: 1024, height: 768 } });

// Chromium with a window on a display of its own, where `press` sends keys
// as a real keyboard does (XTEST, through the browser, which keeps some of
// them for itself), unlike the driver, which hands them to the page.
export async function launchOnDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1024x768x24', '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const [number] = await once(xvfb.stdio[3], 'data'), env = { ...process.env, DISPLAY: `:${String(number).trim()}` };
  const browser = await chromium.launch({ ...options, headless: false, env });
  const xdotool = (...args) => execFileSync('xdotool', args, { env }).toString().trim();
  return {
    browser,
    press: (key) => xdotool('windowfocus', '--sync', xdotool('search', '--sync', '--onlyvisible', '--class', 'chromium').split('\n').pop(), 'key', key),
    close: () => browser.close().finally(() => xvfb.kill()),
  };
}

// A fresh page in `lang` at `url`, once the game has shown its main window;
// `requests` lists the paths it fetched; requests for `blocked` (a glob) fail.
export async function open(browser, url, lang, blocked, timeout = 180_000, viewport = { width: 1024, height: 768 }) {
  const context = await browser.newContext({ locale: lang, viewport, hasTouch: true });
  if (blocked) await context.route(blocked, (route) => route.abort());
  const page = await context.newPage();
  const requests = [];
  page.on('request', (r) => requests.push(new URL(r.url()).pathname.slice(1)));
  await page.goto(url);
  const shown = await page.waitForFunction((m) => performance.getEntriesByName(m).length > 0 ||
    document.querySelector('[role=alert]')?.textContent, marks[1], { timeout, polling: 100 }); // the page's error line
  if (await shown.jsonValue() !== true) throw new Error(await shown.jsonValue());
  return { page, requests, scale: await scaleOf(page) };
}

// The scale of the game's windows in the page, read off its cells' elements.
export const scaleOf = (page) => until(() => page.evaluate(() => {
  const [a, b] = [...document.querySelectorAll('.board-cell')].map((c) => c.getBoundingClientRect().left);
  if (!(b > a)) throw new Error('the cells are not placed yet');
  return (b - a) / 33;
}));

// Retries `probe` (which throws until it holds) for up to `timeout` ms.
export async function until(probe, timeout = 60_000) {
  for (const end = Date.now() + timeout; ; await new Promise((r) => setTimeout(r, 100))) {
    try { return await probe(); } catch (e) { if (Date.now() > end) throw e; }
  }
}

// The page's pixels: { width, height, at(x, y) -> [r, g, b] } (Chromium's PNG: 8-bit, not interlaced).
export async function shot(page) {
  const png = await page.screenshot(), idat = [];
  const width = png.readUInt32BE(16), height = png.readUInt32BE(20), n = png[25] === 6 ? 4 : 3, stride = width * n;
  for (let o = 8; o < png.length; o += png.readUInt32BE(o) + 12)
    if (png.toString('latin1', o + 4, o + 8) === 'IDAT') idat.push(png.subarray(o + 8, o + 8 + png.readUInt32BE(o)));
  const raw = inflateSync(Buffer.concat(idat)), data = Buffer.alloc(stride * height);
  for (let y = 0, i = 0; y < height; y++) // undo each row's filter
    for (let x = 0, f = raw[y * (stride + 1)]; x < stride; x++, i++) {
      const a = x >= n ? data[i - n] : 0, b = y ? data[i - stride] : 0, c = x >= n && y ? data[i - stride - n] : 0;
      const pa = Math.abs(b - c), pb = Math.abs(a - c), pc = Math.abs(a + b - 2 * c);
      data[i] = raw[y * (stride + 1) + 1 + x] + (f === 1 ? a : f === 2 ? b : f === 3 ? (a + b) >> 1 : f === 4 ? (pa <= pb && pa <= pc ? a : pb <= pc ? b : c) : 0);
    }
  return { width, height, at: (x, y) => data.subarray((y * width + x) * n, (y * width + x) * n + 3) };
}

const same = (p, q) => p.every((v, i) => Math.abs(v - q[i]) < 8);
// The bounding box of what differs from `reference` (an image, or a colour) in [x0, x1) x [y0, y1).
export function changed(image, reference, [x0, y0, x1, y1] = [0, 0, image.width, image.height]) {
  let [left, top, right, bottom] = [Infinity, Infinity, -1, -1];
  for (let y = y0; y < y1; y++)
    for (let x = x0; x < x1; x++)
      if (!same(image.at(x, y), reference.width ? reference.at(x, y) : reference))
        [left, top, right, bottom] = [Math.min(left, x), Math.min(top, y), Math.max(right, x), Math.max(bottom, y)];
  return { left, top, width: right - left + 1, height: bottom - top + 1 };
}
// The main window: all that is unlike the page's colour at its corner; its
// client area centred across it, as far above its bottom as from its sides
// (a frame or none), and its menu bar the rows of one colour at its left.
export function findWindow(image, scale = 1) {
  const w = changed(image, [...image.at(0, 0)]), border = Math.round((w.width - 495 * scale) / 2);
  const clientLeft = w.left + border, clientTop = Math.round(w.top + w.height - border - 356 * scale);
  const bar = clientTop - Math.ceil(3 * scale); // over the line under the bar
  let menuTop = bar;
  while (menuTop > w.top && same(image.at(clientLeft + 1, menuTop - 1), image.at(clientLeft + 1, bar))) menuTop--;
  return { ...w, clientLeft, clientTop, menuTop, scale, at: (x, y) => [Math.round(clientLeft + x * scale), Math.round(clientTop + y * scale)] };
}

// Where a point of the client area, in the window's own pixels, is on the page.
export const cellCentre = (w, i) => w.at((i % 15) * 33 + 16.5, Math.floor(i / 15) * 33 + 16.5);
// The board as 150 letters: r red (#CC0000), y yellow (#FFFF00), . anything else.
export const board = (image, w) => Array.from({ length: 150 }, (_, i) => image.at(...cellCentre(w, i)))
  .map((p) => (same(p, [0xcc, 0, 0]) ? 'r' : same(p, [0xff, 0xff, 0]) ? 'y' : '.')).join('');
// How many cells show the colour most of them show at their centres.
export function mostCells(image, w) {
  const counts = {};
  for (let i = 0; i < 150; i++) { const c = image.at(...cellCentre(w, i)).join(); counts[c] = (counts[c] ?? 0) + 1; }
  return Math.max(...Object.values(counts));
}
