// The browser build, end to end: kvtool under node against the native one,
// then the game's page in Debian's chromium (served from 127.0.0.1), played
// through by clicks the way a player would, with the figures the README
// quotes. A failing step leaves its picture in <site>/test-pictures/.
//
//   node run.mjs --site build-web --kvtool build/kvtool --web-kvtool build-web/.cmake/kvtool.js
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

import { readBmp, serveSite } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const options = Object.fromEntries(
  process.argv.slice(2).reduce((pairs, a, i, all) => (a.startsWith('--') ? [...pairs, [a.slice(2), all[i + 1]]] : pairs), []));
const site = path.resolve(options.site || 'build-web');
const kvtool = path.resolve(options.kvtool || 'build/kvtool');
const webKvtool = path.resolve(options['web-kvtool'] || path.join(site, '.cmake/kvtool.js'));
const data = path.resolve(options.data || 'build/data');
const golden = path.join(root, 'tests/data/golden');
const pictures = path.join(site, 'test-pictures');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kv-web-test-'));

const figures = {};
let failures = 0;
let page = null;

async function step(name, action) {
  const started = Date.now();
  try {
    await action();
    console.log(`ok   ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  } catch (error) {
    failures++;
    console.log(`FAIL ${name}: ${error.message}`);
    if (page) {
      fs.mkdirSync(pictures, { recursive: true });
      const file = path.join(pictures, name.replace(/[^A-Za-z0-9]+/g, '-') + '.png');
      await page.screenshot({ path: file }).catch(() => {});
      console.log(`     picture: ${file}`);
    }
    throw error;
  }
}

function check(condition, message) {
  if (!condition) throw new Error(message);
}

function native(...args) {
  return spawnSync(kvtool, args, { encoding: 'utf8' });
}
function inNode(...args) {
  return spawnSync(process.execPath, [webKvtool, ...args], { encoding: 'utf8' });
}

// ---- The rules give the same bytes in WebAssembly ----
async function sameBytesUnderNode() {
  for (const name of fs.readdirSync(golden).filter((n) => n.endsWith('.KV1'))) {
    for (const seats of ['1', '6']) {
      const a = path.join(work, 'native.KV1');
      const b = path.join(work, 'web.KV1');
      fs.copyFileSync(path.join(golden, name), a);
      fs.copyFileSync(path.join(golden, name), b);
      const args = ['--seats', seats, '--world-seed', '4242', '--key', '77'];
      const n = native('advance', a, ...args);
      const w = inNode('advance', b, ...args);
      check(n.status === w.status, `${name}, ${seats} seats: exit ${n.status} natively, ${w.status} in node`);
      check(n.stdout === w.stdout, `${name}, ${seats} seats: the output differs`);
      check(fs.readFileSync(a).equals(fs.readFileSync(b)), `${name}, ${seats} seats: the files differ`);
      check(!fs.readFileSync(path.join(golden, name)).equals(fs.readFileSync(a)), `${name}: nothing was played`);
    }
  }
}

// ---- Reading the picture ----
const menuBackground = readBmp(path.join(data, 'Images/MainMenu.bmp'));
const setupBackground = readBmp(path.join(data, 'Images/Setup.bmp'));
const infoBackground = readBmp(path.join(data, 'Images/Info.bmp'));

// Points of a background in a rectangle, every `step` pixels.
function samples(background, [left, top, right, bottom], stride = 23) {
  const points = [];
  for (let y = top; y < bottom; y += stride)
    for (let x = left; x < right; x += stride) points.push([x, y, background.pixel(x, y)]);
  return points;
}
// The share of the points the canvas shows as given (0 to 1).
async function shareShown(points) {
  return page.evaluate((pts) => {
    const c = document.getElementById('kv-canvas').getContext('2d');
    const image = c.getImageData(0, 0, 1024, 768).data;
    let same = 0;
    for (const [x, y, rgb] of pts) {
      const i = (y * 1024 + x) * 4;
      if (((image[i] << 16) | (image[i + 1] << 8) | image[i + 2]) === rgb) same++;
    }
    return same / pts.length;
  }, points);
}
async function until(what, test, seconds = 20) {
  const end = Date.now() + seconds * 1000;
  while (Date.now() < end) {
    if (await test()) return;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`${what}: not seen within ${seconds} s`);
}

const MENU_TOP = samples(menuBackground, [0, 0, 1024, 290]);
const SETUP_TOP = samples(setupBackground, [0, 0, 1024, 120]);
const menuShown = async () => (await shareShown(MENU_TOP)) > 0.98;
const setupShown = async () => (await shareShown(SETUP_TOP)) > 0.98;
// The turn report's page: the band between its lines and its RETURN button.
const REPORT_BAND = samples(infoBackground, [0, 680, 1024, 726], 11);
const reportShown = async () => (await shareShown(REPORT_BAND)) > 0.98;
// A main-menu button is drawn where the background would show otherwise.
const MENU_ROW = (i) => [368, 300 + 35 * i, 656, 330 + 35 * i];
const continueShown = async () => (await shareShown(samples(menuBackground, MENU_ROW(5), 7))) < 0.5;
const loadGameShown = async () => (await shareShown(samples(menuBackground, MENU_ROW(4), 7))) < 0.5;
// The pop-up box covers the background left of the menu's buttons.
const noticeShown = async () => (await shareShown(samples(menuBackground, [240, 300, 360, 460], 11))) < 0.5;

async function click(x, y) {
  const r = await page.$eval('#kv-canvas', (c) => { const b = c.getBoundingClientRect(); return [b.left, b.top, b.width, b.height]; });
  await page.mouse.click(r[0] + ((x + 0.5) * r[2]) / 1024, r[1] + ((y + 0.5) * r[3]) / 768);
}

// ---- The saved games, as the page hands them out and native kvtool reads them ----
async function savedGames() {
  return page.evaluate(() => Module.kvSavedGames());
}
async function savedGameBytes(name) {
  const text = await page.evaluate((n) => Module.kvSavedGameText(n), name);
  return Buffer.from(text, 'base64');
}
function show(file) {
  const r = native('show', file);
  check(r.status === 0, `kvtool show ${path.basename(file)}: ${r.stderr.trim()}`);
  return JSON.parse(r.stdout);
}
async function gameInPage(name) {
  const file = path.join(work, 'in-page.KV1');
  fs.writeFileSync(file, await savedGameBytes(name));
  return show(file);
}

// The report of what changed opens at the start of a turn; any key closes it.
async function closeReport() {
  if (!(await reportShown())) return;
  await page.keyboard.press('Enter');
  await until('the report closed', async () => !(await reportShown()), 5);
}

// Clicks END TURN once the turn screen takes clicks: again only when the
// file proves the first click was not taken.
async function endTurnAndWaitForComputer(name, turn) {
  const done = async () => { const g = await gameInPage(name); return g.turn === turn + 1 && g.currentPlayer === 0; };
  for (let attempt = 0; attempt < 4 && !(await done()); ++attempt) {
    await new Promise((r) => setTimeout(r, 1500));
    const before = await gameInPage(name);
    if (before.turn !== turn || before.currentPlayer !== 0) break;
    await closeReport();
    await click(928, 236);
    await until('the turn ended', async () => { const g = await gameInPage(name); return g.turn !== turn || g.currentPlayer !== 0; }, 5).catch(() => {});
  }
  await until('the computer played and the next turn started', done, 60);
}
async function quitToMenu() {
  for (let attempt = 0; attempt < 4 && !(await menuShown()); ++attempt) {
    await new Promise((r) => setTimeout(r, 1000));
    await closeReport();
    await click(928, 15);
    await until('the main menu', menuShown, 5).catch(() => {});
  }
  await until('the main menu', menuShown, 10);
}

async function takeIn(file) {
  const input = await page.$('#kv-take-in');
  await input.uploadFile(file);
}

async function main() {
  await step('kvtool in WebAssembly writes the same bytes as the native one', sameBytesUnderNode);

  const server = await serveSite(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kv-web-profile-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.KV_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--window-size=1280,900'],
  });
  try {
    page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    page.on('pageerror', (e) => console.log(`     page error: ${e.message}`));
    page.on('console', (m) => {
      // The test's own canvas reads draw the browser's advice; leave it out.
      if (['warn', 'error'].includes(m.type()) && !m.text().startsWith('Canvas2D')) console.log(`     page ${m.type()}: ${m.text()}`);
    });
    const downloads = path.join(work, 'downloads');
    fs.mkdirSync(downloads);
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });

    await step('the main menu is drawn', async () => {
      await page.goto(url);
      await until('the main menu', menuShown, 30);
      figures.firstMenuMs = await page.evaluate(() => performance.now());
      // Once more, as a player coming back: the browser itself is started.
      await page.reload();
      await until('the main menu', menuShown, 30);
      figures.menuMs = await page.evaluate(() => performance.now());
      figures.start = await page.evaluate(() => Module.kvStats.start);
    });
    await step('an idle main menu presents nothing new', async () => {
      await new Promise((r) => setTimeout(r, 500));
      const before = await page.evaluate(() => ({ ...Module.kvStats, times: null }));
      await new Promise((r) => setTimeout(r, 1000));
      const after = await page.evaluate(() => ({ ...Module.kvStats, times: null }));
      figures.idleUploads = after.uploads - before.uploads;
      figures.idlePresents = after.presents - before.presents;
      // The game only presents when the picture may have changed; that it
      // still answers is what the next step shows.
      check(figures.idleUploads === 0, `${figures.idleUploads} pictures uploaded while nothing changed`);
    });
    await step('SINGLE PLAYER and LAUNCH start a game', async () => {
      await click(512, 350);
      await until('the set-up screen', setupShown);
      await click(896, 696);
      await until('the saved game', async () => (await savedGames()).includes('SOLO-GAME-01.KV1'));
      const g = await gameInPage('SOLO-GAME-01.KV1');
      check(g.turn === 1 && g.currentPlayer === 0, 'not the first turn');
    });
    await step('END TURN: the computer plays', () => endTurnAndWaitForComputer('SOLO-GAME-01.KV1', 1));
    await step('QUIT TO MAIN MENU', async () => {
      await quitToMenu();
      await until('the continue button', continueShown, 5);
    });
    await step('after a reload the continue button continues the game', async () => {
      await page.reload();
      await until('the main menu', menuShown, 30);
      await until('the continue button', continueShown, 5);
      await click(512, 490);
      await until('the game', async () => !(await menuShown()), 10);
      await endTurnAndWaitForComputer('SOLO-GAME-01.KV1', 2);
      await quitToMenu();
    });
    await step('a page that cannot read the stored files never stores over them', async () => {
      const noDatabase = await page.evaluateOnNewDocument(() => {
        // Refused while the page reads the stored files, granted after.
        const open = indexedDB.open.bind(indexedDB);
        indexedDB.open = (...args) => {
          if (!('storage' in Module.kvStats.start)) throw new Error('no database in this test');
          return open(...args);
        };
      });
      await page.reload();
      await until('the main menu', menuShown, 30);
      check(await page.$eval('#kv-notice', (n) => !n.hidden), 'no word that the files are not kept');
      // A new game written on this page must not replace the stored one.
      await click(512, 350);
      await until('the set-up screen', setupShown);
      await click(896, 696);
      await until('the new game', async () => (await savedGames()).includes('SOLO-GAME-01.KV1'));
      await page.removeScriptToEvaluateOnNewDocument(noDatabase.identifier);
      await page.reload();
      await until('the main menu', menuShown, 30);
      const g = await gameInPage('SOLO-GAME-01.KV1');
      check(g.turn === 3, `the stored game is at turn ${g.turn}, not 3`);
    });
    const downloaded = path.join(downloads, 'SOLO-GAME-01.KV1');
    await step('the saved game downloads and native kvtool reads it', async () => {
      await page.click('#kv-saved');
      await page.click('#kv-saved-list button');
      await until('the download', async () => fs.existsSync(downloaded) && fs.statSync(downloaded).size > 0, 10);
      const g = show(downloaded);
      check(g.turn === 3 && g.gameName === 'GAME-01', `turn ${g.turn} of ${g.gameName}`);
    });
    await step('a damaged file is refused with its notice', async () => {
      const damaged = path.join(work, 'DAMAGED.KV1');
      const bytes = fs.readFileSync(downloaded);
      bytes[Math.floor(bytes.length / 2)] ^= 0x5a;
      fs.writeFileSync(damaged, bytes);
      await takeIn(damaged);
      await until('the notice', noticeShown, 10);
      await page.keyboard.press('Enter');
      await until('the notice gone', async () => !(await noticeShown()), 10);
      check(!(await savedGames()).includes('DAMAGED.KV1'), 'the damaged file was kept');
    });
    await step('a game played on by native kvtool is taken in over the old one and plays', async () => {
      const mailed = path.join(work, 'FROM-A-FRIEND.KV1');
      fs.copyFileSync(downloaded, mailed);
      // The native player's turn and the computer's, round to seat 0 again.
      for (let seat = 0; seat < 4 && (seat === 0 || show(mailed).currentPlayer !== 0); ++seat) {
        const r = native('advance', mailed, '--seats', '1');
        check(r.status === 0, `kvtool advance: ${r.stderr}`);
      }
      const turn = show(mailed).turn;
      check(turn === 4 && show(mailed).currentPlayer === 0, `native kvtool left turn ${turn}`);
      await takeIn(mailed);
      await until('OVERWRITE OLD GAME?', noticeShown, 10);
      await page.keyboard.press('Enter');
      await until('the game taken in', async () => (await gameInPage('SOLO-GAME-01.KV1')).turn === turn, 10);
      await until('LOAD GAME', loadGameShown, 5);
      await click(512, 455);
      await until('the load screen', async () => !(await menuShown()), 10);
      const row = (await savedGames()).indexOf('SOLO-GAME-01.KV1');
      await new Promise((r) => setTimeout(r, 500));
      await click(100, 122 + 20 * row + 8);
      await new Promise((r) => setTimeout(r, 500));
      await click(896, 744);
      await endTurnAndWaitForComputer('SOLO-GAME-01.KV1', turn);
    });
    const stats = await page.evaluate(() => Module.kvStats.times.slice().sort((a, b) => a - b));
    figures.presentMedianMs = stats[Math.floor(stats.length / 2)];
    figures.presentP95Ms = stats[Math.floor(stats.length * 0.95)];
  } finally {
    await browser.close();
    server.close();
  }
}

function downloadSize() {
  const files = ['index.html', 'korvessa.js', 'korvessa.wasm', 'korvessa-data.tar.gz', 'korvessa.css'];
  let raw = 0, gzip = 0;
  for (const f of files) {
    const bytes = fs.readFileSync(path.join(site, f));
    raw += bytes.length;
    gzip += f.endsWith('.gz') ? bytes.length : zlib.gzipSync(bytes, { level: 6 }).length;
  }
  return { raw, gzip };
}

main()
  .catch(() => {})
  .finally(() => {
    const size = downloadSize();
    const mb = (n) => (n / 1048576).toFixed(2) + ' MB';
    console.log('\nFigures (headless chromium, 127.0.0.1):');
    if (figures.menuMs !== undefined)
      console.log(`  main menu drawn ${(figures.menuMs / 1000).toFixed(2)} s after navigation (first visit of a new browser profile: ${(figures.firstMenuMs / 1000).toFixed(2)} s)`);
    console.log(`  download ${mb(size.gzip)} gzip (${mb(size.raw)} as served)`);
    if (figures.start)
      console.log('  of which: ' + Object.entries(figures.start).map(([k, v]) => `${k} ${(v / 1000).toFixed(2)} s`).join(', '));
    if (figures.presentMedianMs !== undefined)
      console.log(`  one present: median ${figures.presentMedianMs.toFixed(2)} ms, 95th percentile ${figures.presentP95Ms.toFixed(2)} ms`);
    if (figures.idlePresents !== undefined)
      console.log(`  idle main menu, 1 s: ${figures.idlePresents} frames, ${figures.idleUploads} pictures uploaded`);
    fs.rmSync(work, { recursive: true, force: true });
    process.exitCode = failures ? 1 : 0;
  });
