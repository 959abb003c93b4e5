'use strict';
// What the browser tests share: the bundle served on 127.0.0.1, headless Chromium with a fresh
// profile of its own, the game's page opened at a seed, its frame read back in game pixels,
// and the script player run on the same moves for the frames and files to compare with.
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const {serve} = require('./static_server');

const WEB_DIR = process.env.VANDREL_WEB_DIR || path.join(__dirname, '../../build-web');
const PLAYER = process.env.VANDREL_PLAY || path.join(__dirname, '../../build/tools/vandrel-play');
const CHROMIUM = process.env.VANDREL_CHROMIUM || '/usr/bin/chromium';
const WIDTH = 479;
const HEIGHT = 458;
// The score's text is drawn by each program's own fonts: frames are compared outside it.
const SCORE = {left: 180, top: 20, right: 384, bottom: 80};
const IDS = {pause: 32788, leaderboard: 32778, exit: 32779, open: 32786, save: 32787, newGame: 32772};

function temporaryFolder(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// A browser with a profile of its own; problems() lists every console error and page error.
// extraArguments go to Chromium as well.
async function startBrowser(extraArguments = []) {
  const served = await serve(WEB_DIR);
  const profile = temporaryFolder('vandrel-chromium-');
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    userDataDir: profile,
    // The browser's language is French, which the game has no catalogue for: the pages speak
    // Chinese, the game's own language, as where nothing names a language the game has.
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--accept-lang=fr-FR', ...extraArguments],
  });
  const problems = [];
  return {
    url: served.url,
    browser,
    problems,
    async close() {
      await browser.close();
      served.server.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

// The game's page at seed, in a window where the picture is shown at its own size; resolves
// once the first frame is shown. Options: {context, prepare(page), query} to open it in another
// browser context, to change the page before its scripts run, or with more of the address's
// query ("&lang=en").
async function openGame(session, seed, options = {}) {
  const page = await (options.context || session.browser).newPage();
  page.on('console', (message) => {
    if (message.type() === 'error') session.problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => session.problems.push(`page: ${error.message}`));
  await page.setViewport({width: WIDTH, height: HEIGHT + 60, deviceScaleFactor: 1});
  if (options.prepare) await options.prepare(page);
  await page.goto(`${session.url}?seed=${seed}${options.query || ''}`);
  await page.waitForSelector('canvas.frame[data-frames]', {timeout: 30000});
  return page;
}

// The canvas's pixels as RGBA bytes, WIDTH x HEIGHT.
async function framePixels(page) {
  const bytes = await page.$eval('canvas.frame', (canvas) =>
    Array.from(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data));
  return Uint8Array.from(bytes);
}

// A PNG file's pixels as RGBA bytes, decoded by the browser.
async function pngPixels(page, file) {
  const data = fs.readFileSync(file).toString('base64');
  const bytes = await page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return Array.from(context.getImageData(0, 0, image.width, image.height).data);
  }, data);
  return Uint8Array.from(bytes);
}

// How many pixels of two WIDTH x HEIGHT pictures differ outside the score's text.
function differingPixels(a, b) {
  let count = 0;
  for (let y = 0; y < HEIGHT; ++y) {
    for (let x = 0; x < WIDTH; ++x) {
      if (x >= SCORE.left && x < SCORE.right && y >= SCORE.top && y < SCORE.bottom) continue;
      const i = (y * WIDTH + x) * 4;
      if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++count;
    }
  }
  return count;
}

// Runs the script player, in a folder of its own, on the script's lines; its output.
function play(lines) {
  const folder = temporaryFolder('vandrel-player-');
  const copy = path.join(folder, path.basename(PLAYER));
  fs.copyFileSync(PLAYER, copy);
  fs.chmodSync(copy, 0o755);
  try {
    return execFileSync(copy, [], {input: lines.join('\n') + '\n', cwd: folder, encoding: 'utf8'});
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

// The square beside the source of seed's first game, and the client point at its middle.
function besideSource(seed) {
  const rows = play([`seed ${seed}`, 'new', 'board']).split('\n').filter((line) => /^ [ .]/.test(line));
  for (let row = 0; row < rows.length; ++row) {
    const index = rows[row].indexOf('S');
    if (index < 0) continue;
    const col = Math.floor((index - 1) / 3);
    const target = col > 0 ? col - 1 : col + 1;
    return {x: 80 + 19 * target + 9, y: 80 + 19 * row + 9};
  }
  throw new Error(`no source on the board of seed ${seed}`);
}

// The mouse at a client point of the game's canvas.
async function canvasPoint(page, point) {
  const box = await (await page.$('canvas.frame')).boundingBox();
  return {x: box.x + point.x + 0.5, y: box.y + point.y + 0.5};
}

async function clickAt(page, point) {
  const at = await canvasPoint(page, point);
  await page.mouse.move(at.x, at.y);
  await page.mouse.click(at.x, at.y);
}

// Chooses a menu item as a player does: the menu's title, then the item.
async function chooseMenu(page, command) {
  const titles = await page.$$('.menu-title');
  for (const title of titles) {
    await title.evaluate((element) => element.dispatchEvent(new MouseEvent('mousedown', {bubbles: true})));
    const item = await page.$(`.menu-popup:not([hidden]) [data-command="${command}"]`);
    if (item) {
      await item.click();
      return;
    }
  }
  throw new Error(`no menu item ${command}`);
}

// The newest open dialog: its title, its text and its list's rows.
async function topDialog(page) {
  await page.waitForSelector('dialog[open]', {timeout: 30000});
  return page.evaluate(() => {
    const dialogs = document.querySelectorAll('dialog[open]');
    const dialog = dialogs[dialogs.length - 1];
    const rows = Array.from(dialog.querySelectorAll('tbody tr'))
        .map((row) => Array.from(row.cells).map((cell) => cell.textContent).join(' | '));
    return {title: dialog.querySelector('header span').textContent,
            text: (dialog.querySelector('.box-body p, .label') || {}).textContent, rows};
  });
}

// Presses the newest dialog's button with this text, and waits until that dialog is gone (the
// next one may already be open by then).
async function pressButton(page, text) {
  const dialog = await page.evaluateHandle(() => {
    const dialogs = document.querySelectorAll('dialog[open]');
    return dialogs[dialogs.length - 1];
  });
  await dialog.evaluate((element, label) => {
    const button = Array.from(element.querySelectorAll('button')).find((b) => b.textContent === label);
    if (!button) throw new Error(`no button ${label}`);
    button.click();
  }, text);
  await page.waitForFunction((element) => !element.isConnected || !element.open, {timeout: 30000},
                             dialog);
  await dialog.dispose();
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

module.exports = {
  WEB_DIR, WIDTH, HEIGHT, IDS, temporaryFolder, startBrowser, openGame, framePixels, pngPixels,
  differingPixels, play, besideSource, canvasPoint, clickAt, chooseMenu, topDialog, pressButton,
  pause,
};
