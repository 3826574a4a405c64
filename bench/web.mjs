// The page as a first-time visitor meets it, served compressed as a static
// host serves it: bytes over the wire per file (bodies, as sent) and the time
// from navigation to the page's marks, median of RUNS fresh visits.
//   node bench/web.mjs FOLDER [RUNS]
import { statSync } from 'node:fs';
import { join } from 'node:path';
import { serve } from '../tests/web/serve.mjs';
import { launch, marks, open } from '../tests/web/browser.mjs';

const [folder, runs = 5] = process.argv.slice(2);
const languages = { English: 'en-US', Japanese: 'ja' };
const encodings = ['gzip', 'br'];
const browser = await launch();
const sent = {}; // encoding -> language -> path -> { bytes, times fetched }
const times = {}; // `${encoding} ${language}` -> per mark, one time per run
for (const encoding of encodings) {
  const server = await serve(folder, encoding);
  await open(browser, server.url, 'en-US').then((p) => p.page.context().close()); // compresses every file once
  sent[encoding] = {};
  for (const [language, lang] of Object.entries(languages))
    for (let run = 0; run < runs; run++) {
      server.log.length = 0;
      const { page } = await open(browser, server.url, lang);
      const at = await page.evaluate((m) => m.map((name) => performance.getEntriesByName(name)[0].startTime), marks);
      await page.waitForTimeout(2000); // anything fetched after the window showed
      await page.context().close();
      (times[`${encoding} ${language}`] ??= marks.map(() => [])).forEach((list, i) => list.push(at[i]));
      const got = (sent[encoding][language] = {});
      for (const r of server.log.filter((r) => r.status === 200)) got[r.path] = { bytes: r.bytes, times: (got[r.path]?.times ?? 0) + 1 };
      const missing = server.log.filter((r) => r.status !== 200).map((r) => r.path);
      if (run === 0 && missing.length) console.log(`(${language}: not found, asked for: ${missing.join(' ')})`);
    }
  await server.close();
}
await browser.close();

const kB = (n) => (n / 1000).toFixed(1).padStart(9);
const raw = (path) => statSync(join(folder, path.endsWith('/') ? path + 'index.html' : path)).size;
const files = [...new Set(encodings.flatMap((e) => Object.values(sent[e]).flatMap(Object.keys)))].sort();
console.log(`first visit, kB over the wire${' '.repeat(20)}raw      gzip    brotli`);
for (const path of files) {
  const file = (e) => Object.values(sent[e]).find((f) => path in f)[path];
  const times = file('br').times > 1 ? ` (x${file('br').times})` : '';
  console.log(`  ${(path + times).padEnd(40)}${kB(raw(path))}${kB(file('gzip').bytes)}${kB(file('br').bytes)}`);
}
for (const language of Object.keys(languages)) {
  const total = (e, size) => Object.entries(sent[e][language]).reduce((sum, [path, f]) => sum + f.times * size(path, f), 0);
  console.log(`  total in ${language} (${Object.keys(sent.br[language]).length} files)`.padEnd(42) +
    kB(total('br', raw)) + encodings.map((e) => kB(total(e, (_, f) => f.bytes))).join(''));
}
const median = (list) => [...list].sort((a, b) => a - b)[list.length >> 1];
console.log(`ms from navigation, median of ${runs} fresh visits (range)`);
for (const [key, lists] of Object.entries(times))
  console.log(`  ${key.padEnd(16)}` + marks.map((m, i) => `${m} ${median(lists[i]).toFixed(0)} (${Math.min(...lists[i]).toFixed(0)}-${Math.max(...lists[i]).toFixed(0)})`).join('   '));
