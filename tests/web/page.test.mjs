// Tarnel's page end to end in Debian's Chromium, served from the folder in
// TARNEL_WEB_PAGE (build/web; unset, every case is skipped).
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { serve } from './serve.mjs';
import { mkdtemp } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { board, cellCentre, mostCells, changed, findWindow, launch, launchOnDisplay, launchProfile, marks, open, scaleOf, shot, until } from './browser.mjs';

const folder = process.env.TARNEL_WEB_PAGE, skip = !folder && 'TARNEL_WEB_PAGE names no page';
let server, browser;
before(async () => { if (folder) [server, browser] = await Promise.all([serve(folder), launch()]); });
after(() => Promise.all([browser?.close(), server?.close()]));

// A page in `lang` with its main window found, once drawn; one per language, loaded on first use.
// The word the page says when files failed to come is read, then clicked away.
const load = async (lang, blocked) => {
  const p = await open(browser, server.url, lang, blocked);
  p.notice = await p.page.isVisible('#notice') && await p.page.textContent('#notice');
  if (p.notice) await p.page.click('#notice');
  const drawn = async () => { const w = findWindow(await shot(p.page), p.scale); assert.ok(Math.abs(w.width - 495 * p.scale) < 20, `the main window: ${w.width} px wide at ${p.scale}`); return w; };
  return { ...p, window: await until(drawn, 20_000) };
};
const pages = {}, visit = (lang) => (pages[lang] ??= load(lang));
const count = (cells, letter) => cells.split(letter).length - 1;
const cells = async ({ page, window }) => board(await shot(page), window);
const click = ({ page, window }, i) => page.mouse.click(...cellCentre(window, i));
const fresh = async (p) => assert.equal(mostCells(await shot(p.page), p.window), 136); // free cells show the button face

describe('the page in English', { skip }, () => {
  test('draws the main window centred and scaled up to fill the page, a Normal field ready: 136 cells in play, 14 out', async () => {
    const p = await visit('en-US');
    const { left, width, height, menuTop, clientTop, scale } = p.window;
    assert.ok(clientTop - menuTop > 15 * scale && clientTop - menuTop < 40 * scale && Math.abs(left * 2 + width - 1024) <= 2, `menu bar ${clientTop - menuTop} px, left ${left}`);
    assert.ok(33 * scale >= 44 && height > 0.9 * 768, `cells ${33 * scale} px apart, the window ${height} px high`);
    await fresh(p);
  });

  test('a free cell clicked turns red, and the computer answers in yellow', async () => {
    const p = await visit('en-US');
    await click(p, 0);
    const now = await until(async () => { const b = await cells(p); assert.equal(count(b, 'y'), 1); return b; });
    assert.deepEqual([now[0], count(now, 'r')], ['r', 1]);
    await p.page.touchscreen.tap(...cellCentre(p.window, now.indexOf('.'))); // a tap takes a cell too
    await until(async () => assert.deepEqual([count(await cells(p), 'r'), count(await cells(p), 'y')], [2, 2]));
  });

  const newGame = {
    'the mouse on the menu bar': async ({ page, window: w }) => {
      const menu = [...w.at(0, 0), ...w.at(150, 60)], closed = await shot(page);
      await page.mouse.click(w.at(15, 0)[0], (w.menuTop + w.clientTop) / 2); // "Game"
      await until(async () => assert.ok(changed(await shot(page), closed, menu).width > 40 * w.scale, 'its menu open'));
      await page.mouse.click(...w.at(30, 12)); // its first item
    },
    'Alt+G, N': ({ page }) => page.keyboard.press('Alt+g').then(() => page.keyboard.press('n')),
  };
  for (const [how, choose] of Object.entries(newGame))
    test(`"New game" by ${how} clears the board`, async () => {
      const p = await visit('en-US');
      await click(p, (await cells(p)).lastIndexOf('.', 14));
      await until(async () => { const b = await cells(p); assert.ok(count(b, 'y') > 0 && count(b, 'r') > 0); });
      await choose(p);
      await until(() => fresh(p));
    });

  test('by touch, a menu closed by a tap outside it leaves the next title tapped to open its list', async () => {
    const { page, window: w } = await visit('en-US'), bar = (w.menuTop + w.clientTop) / 2;
    const closed = await shot(page), lists = [...w.at(0, 0), ...w.at(330, 120)];
    const listWidth = async () => changed(await shot(page), closed, lists).width;
    for (const title of [15, 150, 15, 105]) { // "Game", "Field", "Game", "Difficulty"
      await page.touchscreen.tap(w.at(title, 0)[0], bar);
      await until(async () => assert.ok(await listWidth() > 80 * w.scale, `the list under the title at ${title}`));
      await page.touchscreen.tap(w.left + w.width / 2, w.top + 8); // the title bar
      await until(async () => assert.ok(!(await listWidth() > 0), 'closed'));
    }
  });

  test('Human vs Human played to the end: the result box opens, and Enter closes it for a new game', async () => {
    const p = await visit('en-US'), { page, window: w } = p;
    await page.keyboard.press('Alt+p');
    await page.keyboard.press('h'); // "&Human vs Human"
    await until(() => fresh(p));
    for (let i = 0; i < 149; i++) await click(p, i); // out-of-play places take no click
    const full = await until(async () => { const b = await cells(p); assert.equal(count(b, 'r') + count(b, 'y'), 135); return b; });
    assert.equal(count(full, 'r'), 68, 'red and yellow in turns');
    const last = await shot(page);
    await click(p, 149);
    await until(async () => { // a window over the middle of the rows above the last
      const b = changed(await shot(page), last, [...w.at(0, 0), ...w.at(495, 9 * 33)]);
      assert.ok(b.width > 100 * w.scale && b.height > 50 * w.scale && Math.abs(b.left + b.width / 2 - w.at(495 / 2, 0)[0]) < 80 * w.scale, `a result box: ${b.width} x ${b.height}`);
    });
    await page.keyboard.press('Enter');
    await until(() => fresh(p));
  });
});

// The window fills the room the page has, and again when it changes.
describe('the page\'s room', { skip }, () => {
  test('a phone turned after loading shows the whole window, the canvas agreeing with the elements', async () => {
    const context = await browser.newContext({ locale: 'en-US', viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForFunction((m) => performance.getEntriesByName(m).length > 0, marks[1], { timeout: 180_000 });
    for (const [width, height] of [[844, 390], [390, 844]]) {
      await page.setViewportSize({ width, height });
      await until(async () => {
        const { corners, zoom, room } = await page.evaluate(() => ({
          corners: [0, 149].map((i) => document.querySelectorAll('.board-cell')[i].getBoundingClientRect().toJSON()),
          zoom: visualViewport.scale * devicePixelRatio, room: [innerWidth, innerHeight] }));
        const [first, last] = corners, image = await shot(page);
        assert.ok(first.left >= 0 && first.top >= 0 && last.right <= room[0] && last.bottom <= room[1], `${width} x ${height}: cells from ${first.left}, ${first.top} to ${last.right}, ${last.bottom} in ${room}`);
        const [a, b] = corners.map((c) => [...image.at(Math.round((c.left + c.width / 2) * zoom), Math.round((c.top + c.height / 2) * zoom))]);
        assert.ok(a.join() === b.join() && a.join() !== [...image.at(0, 0)].join(), `free cells drawn under both corners' elements: ${a}, ${b}`);
      }, 20_000);
    }
    await context.close();
  });
});

// Keys as a real keyboard sends them, through the browser: the menu's
// shortcut for a new game is one the browser hands to the page.
describe('a real keyboard', { skip }, () => {
  test('"New game" by the shortcut its menu shows in the page, F2', async () => {
    const display = await launchOnDisplay();
    try {
      const { page } = await open(display.browser, server.url, 'en-US', undefined, 180_000, null);
      const p = { page, window: findWindow(await shot(page), await scaleOf(page)) };
      assert.equal(await page.getByRole('menuitem', { name: 'New game', includeHidden: true }).getAttribute('aria-keyshortcuts'), 'F2');
      await click(p, 0);
      await until(async () => assert.equal(count(await cells(p), 'y'), 1));
      display.press('F2');
      await until(() => fresh(p));
    } finally {
      await display.close();
    }
  });
});

// The board in the page's own elements, as a screen reader and the keyboard
// meet it, on the English page left in Human vs Human with a fresh board.
describe('the board in the page\'s elements', { skip }, () => {
  test('names every cell in play, plays by the keyboard as the canvas does, mirrors the score\'s window and the menus', async () => {
    const p = await visit('en-US'), { page } = p, focused = () => page.evaluate(() => document.activeElement.getAttribute('aria-label') ?? document.activeElement.textContent);
    const { nodes } = await (await page.context().newCDPSession(page)).send('Accessibility.getFullAXTree'); // as a screen reader reads it
    const named = (role) => nodes.filter((n) => n.role?.value === role && !n.ignored).map((n) => n.name?.value);
    assert.equal(named('gridcell').filter((name) => /^Row \d+, column \d+, free$/.test(name)).length, 136);
    assert.deepEqual(named('button').filter((name) => / has /.test(name)), ['Red has 0 points', 'Yellow has 0 points']);
    await page.getByRole('gridcell', { name: 'Row 1, column 1, free' }).focus();
    await page.keyboard.press('Space');
    await until(async () => assert.equal((await cells(p))[0], 'r'));
    assert.equal(await focused(), 'Row 1, column 2, free', 'on to the next free cell');
    assert.match(await page.textContent('#board-news'), /Yellow to move\. Red took row 1, column 1\./);
    await page.keyboard.press('ArrowLeft'); // taken 0, then the edge: stays
    await page.keyboard.press('ArrowDown');
    assert.equal(await focused(), 'Row 2, column 2, free');

    await page.getByRole('button', { name: 'Red has 1 point' }).focus();
    await page.keyboard.press('Enter');
    const box = page.getByRole('dialog', { name: 'Tarnel' });
    await box.waitFor();
    assert.match(await box.textContent(), /Red is 1 point in front of yellow\./);
    assert.equal(await focused(), 'OK', 'on its OK button');
    await page.keyboard.press('Enter');
    await box.waitFor({ state: 'hidden' });

    await page.getByRole('menuitem', { name: 'Players' }).focus();
    await page.keyboard.press('ArrowDown'); // its menu opens on its first item
    const human = page.getByRole('menuitemradio', { name: 'Human vs Human' });
    assert.deepEqual([await focused(), await human.getAttribute('aria-checked')], ['Human vs Human', 'true']);
    await page.keyboard.press('Escape');
    await page.keyboard.press('Alt+g'); // the access keys, as on the menu bar
    await page.keyboard.press('n');
    await until(() => fresh(p));
    await page.focus('#screen'); // back to the canvas, as a click there does
  });
});

// A whole game against the computer through the elements alone, the canvas
// agreeing after every move, and the result heard; in a fresh page per language.
describe('a whole game by the page\'s elements', { skip }, () => {
  for (const lang of ['en-US', 'ar'])
    test(`${lang}: every reply and the result said, the canvas agreeing move by move`, async () => {
      const p = await load(lang), { page } = p;
      assert.equal(await page.getByRole('grid').getAttribute('aria-label') === 'Board', lang === 'en-US', 'the board named in the language');
      const shown = () => page.evaluate(() => [...document.querySelectorAll('.board-cell')]
        .map((c) => ({ red: 'r', yellow: 'y' })[c.dataset.kind] ?? '.').join(''));
      for (let moves = 1; moves <= 68; moves++) {
        await page.getByRole('grid').getByRole('gridcell', { disabled: false }).first().focus();
        await page.keyboard.press('Space');
        const now = await until(async () => { const b = await shown(); assert.equal(count(b, 'y'), moves); return b; });
        if (moves < 68) await until(async () => assert.equal(await cells(p), now)); // then the result box stands over it
      }
      const box = page.getByRole('dialog');
      await box.waitFor();
      const news = await page.locator('#board-news p').allTextContents();
      assert.equal(news.length, 4, 'each piece of news once');
      assert.ok((await box.textContent()).includes(news.at(-1).slice(-12)), `the result said: ${news.at(-1)}`);
      await page.context().close();
    });
});

// The language is the browser's; fonts and Qt's catalogue are fetched only for the player's.
const languages = [
  { lang: 'en-US', titlesFrom: 'left', fetched: [] },
  { lang: 'ar', titlesFrom: 'right', fetched: ['fonts/ar-DejaVuSans-Bold.ttf', 'fonts/ar-DejaVuSans.ttf', 'i18n/qtbase_ar.qm'] },
  { lang: 'ja', fetched: ['fonts/ja-NotoSansCJK-Bold.otf', 'fonts/ja-NotoSansCJK-Regular.otf', 'i18n/qtbase_ja.qm'] },
  { lang: 'ru', titlesFrom: 'left', fetched: ['fonts/ru-LiberationSans-Bold.ttf', 'fonts/ru-LiberationSans-Regular.ttf', 'fonts/ru-LiberationSerif-Bold.ttf', 'i18n/qtbase_ru.qm'] },
  { lang: 'th', titlesFrom: 'left', fetched: ['fonts/th-NotoSansThai-Bold.ttf', 'fonts/th-NotoSansThai-Regular.ttf'] },
];
// The x of each dark pixel on the menu bar, from the window's left.
const titles = async ({ page, window: w }) => {
  const image = await shot(page), ink = [];
  for (let y = w.menuTop; y < w.clientTop; y++)
    for (let x = 0; x < 495; x++) if (image.at(w.at(x, 0)[0], y).reduce((a, b) => a + b) < 300) ink.push(x);
  return ink;
};
describe('the language follows the browser\'s', { skip }, () => {
  for (const { lang, titlesFrom, fetched } of languages)
    test(`${lang}: fetched ${fetched.join(', ') || 'no font, no catalogue'}${titlesFrom ? `; menu titles from the ${titlesFrom}` : ''}`, async () => {
      const p = await visit(lang), ink = await titles(p);
      assert.deepEqual(p.requests.filter((r) => /^(fonts|i18n)\//.test(r)).sort(), fetched);
      assert.ok(ink.length > 100, `titles drawn: ${ink.length} dark pixels`);
      const [left, right] = [Math.min(...ink), 494 - Math.max(...ink)];
      if (titlesFrom) assert.ok(titlesFrom === 'left' ? left < right : right < left, `${left} px free left of the titles, ${right} right`);
      if (fetched.some((f) => f.startsWith('fonts/'))) { // without them the titles show boxes for their glyphs
        const bare = await load(lang, '**/fonts/*');
        assert.notDeepEqual(ink, await titles(bare));
        assert.ok(bare.notice, 'the page says files did not come');
      }
    });
});

// Files that do not come, for a German player: a stalled catalogue is given
// up and the game starts; a stalled program or a missing loader ends in
// words, each in German, with a link to try again.
const failures = [
  { what: 'a stalled catalogue', glob: '**/i18n/qtbase_de.qm' },
  { what: 'a stalled program', glob: '**/tarnel.wasm', said: 'The game could not start: its files stopped coming. Check the connection, then try again.' },
  { what: 'a missing loader', glob: '**/qtloader.js', status: 404, said: 'The game could not start: one of its files is missing on the server.' },
];
describe('files that do not come', { skip }, () => {
  for (const { what, glob, status, said } of failures)
    test(`${what}: ${said ? `"${said}"` : 'the game starts without it, and says so'}`, async () => {
      const context = await browser.newContext({ locale: 'de-DE' });
      try {
        await context.route(glob, (route) => status && route.fulfill({ status, body: '' })); // else no answer
        const page = await context.newPage(), german = (english) => page.evaluate((e) => tarnelLoaderTexts.de.texts[e], english);
        await page.goto(server.url);
        if (!said) {
          await page.waitForFunction((m) => performance.getEntriesByName(m).length > 0, marks[1], { timeout: 120_000 });
          assert.doesNotMatch(await page.locator('#notice').textContent({ timeout: 1000 }), /^Some files/);
          return;
        }
        const alert = page.getByRole('alert');
        await alert.waitFor({ timeout: 60_000 });
        assert.deepEqual([await alert.textContent(), await page.evaluate(() => document.activeElement.textContent)],
          [await german(said), await german('Try again')]);
        assert.notEqual(await german(said), undefined);
      } finally {
        await context.close();
      }
    });
});

// The page installs as an app, and once visited plays with no network.
describe('offline and installable', { skip }, () => {
  test('Chromium finds nothing against installing it; a visit with no network starts the game', async () => {
    const profile = await launchProfile(await mkdtemp(join(tmpdir(), 'tarnel-profile-')));
    try {
      const page = await profile.newPage(), shown = (m) => performance.getEntriesByName(m).length > 0;
      await page.goto(server.url);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 120_000 });
      const cdp = await profile.newCDPSession(page);
      assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
      await profile.setOffline(true);
      await page.reload();
      await page.waitForFunction(shown, marks[1], { timeout: 120_000 });
    } finally {
      await profile.close();
    }
  });
});

// Last, on the English page whose game ended in a result box: the keyboard
// still reaches the main window, and "Exit" ends the game in the page.
describe('the end', { skip }, () => {
  test('"Exit" by its access keys after a result: the page says the game has ended', async () => {
    const { page } = await visit('en-US');
    await page.keyboard.press('Alt+g');
    await page.keyboard.press('x');
    await page.waitForSelector('#ended', { state: 'visible' });
    assert.match(await page.textContent('#ended'), /The game has ended\.\s*Play again/);
  });
});
