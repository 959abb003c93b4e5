'use strict';
// The game in headless Chromium, against the script player on the same moves: the frames
// outside the score's text, the end of a game with its name and leaderboard, saved files byte
// for byte, the list kept across reloads and shared by two tabs, a damaged file refused, and the
// language the page speaks.
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const {after, before, test} = require('node:test');
const h = require('./harness');

const DATA = path.join(__dirname, '../data');
const WORKED = path.join(DATA, 'worked_example.flm');
const FAST_FORWARD = {x: 167, y: 30};
// A square on the worked example's board that meets nothing: laying there costs a point.
const LONE_SQUARE = {x: 80 + 19 * 12 + 9, y: 80 + 19 * 12 + 9};
let session;

before(async () => {
  session = await h.startBrowser();
});

after(async () => {
  await session.close();
  assert.deepEqual(session.problems, [], 'the pages logged no error');
});

// Opens a file through the menu and the browser's file picker.
async function openSavedGame(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), h.chooseMenu(page, h.IDS.open)]);
  await chooser.accept([file]);
  return h.topDialog(page);
}

// The worked example opened in a fresh page, a piece laid where it meets nothing.
async function workedExampleWithALonePiece(seed, options) {
  const page = await h.openGame(session, seed, options);
  assert.equal((await openSavedGame(page, WORKED)).text, '读取游戏存档成功！');
  await h.pressButton(page, '确定');
  await h.clickAt(page, LONE_SQUARE);
  return page;
}

// The same in the script player: the game dealt from the same seed first, as the page deals
// it, so the piece dealt after the one laid is the same too.
function playerLonePiece(seed) {
  return [`seed ${seed}`, 'new', `load ${WORKED}`, `move ${LONE_SQUARE.x} ${LONE_SQUARE.y}`,
          `click ${LONE_SQUARE.x} ${LONE_SQUARE.y}`];
}

test('the first frame and a laid piece are the script player\'s', async () => {
  const seed = 7;
  const beside = h.besideSource(seed);
  const folder = h.temporaryFolder('vandrel-frames-');
  // The piece meets no opening of the source: its "-1" rises and is gone after 20 ticks.
  h.play([`seed ${seed}`, 'new', `frame ${folder}/start.png`, `click ${beside.x} ${beside.y}`,
          'move 700 700', 'tick anim 20', `frame ${folder}/laid.png`]);
  const page = await h.openGame(session, seed);
  await h.pause(300);
  assert.equal(h.differingPixels(await h.framePixels(page),
                                 await h.pngPixels(page, `${folder}/start.png`)), 0);
  await h.clickAt(page, beside);
  await page.mouse.move(2, h.HEIGHT + 58);  // off the canvas: the carried piece goes
  await h.pause(1000);
  assert.equal(h.differingPixels(await h.framePixels(page),
                                 await h.pngPixels(page, `${folder}/laid.png`)), 0);
  await page.close();
  fs.rmSync(folder, {recursive: true, force: true});
});

test('a whole game ends with the script player\'s score, its name and leaderboard row', async () => {
  const output = h.play([...playerLonePiece(1), `click ${FAST_FORWARD.x} ${FAST_FORWARD.y}`,
                         'answer ok', 'answer ok Web', 'answer ok', 'tick water 200']);
  const expected = output.match(/游戏结束，您的分数为 (-?\d+)/)[1];
  const page = await workedExampleWithALonePiece(1);
  await h.clickAt(page, FAST_FORWARD);
  const end = await h.topDialog(page);
  assert.equal(end.text, `游戏结束，您的分数为 ${expected}`);
  await h.pressButton(page, '确定');
  const name = await h.topDialog(page);
  assert.equal(name.title, '榜上有名');
  await page.$eval('dialog[open] input', (field) => { field.value = '水管工'; });
  await h.pressButton(page, '确定');
  const list = await h.topDialog(page);
  assert.equal(list.title, '排行榜');
  assert.equal(list.rows[0], `01 | 水管工 | ${expected}`);
  await h.pressButton(page, '确定');

  // The list is in the browser's storage, in GB18030: a reload shows every name as it was.
  await page.reload();
  await page.waitForSelector('canvas.frame[data-frames]');
  await h.chooseMenu(page, h.IDS.leaderboard);
  assert.deepEqual((await h.topDialog(page)).rows.slice(0, 2), [`01 | 水管工 | ${expected}`, '02 | 佚名 | 0']);
  await h.pressButton(page, '确定');
  await page.close();
});

test('a saved game is the script player\'s file, as a download and through the save picker', async () => {
  const folder = h.temporaryFolder('vandrel-saves-');
  h.play([...playerLonePiece(2), `save ${folder}/player.flm`]);
  const expected = fs.readFileSync(`${folder}/player.flm`);

  // Without the save picker: a name is asked for and the file downloads.
  const page = await workedExampleWithALonePiece(2, {
    prepare: (p) => p.evaluateOnNewDocument(() => { delete window.showSaveFilePicker; }),
  });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
  await page.keyboard.down('Control');
  await page.keyboard.press('s');
  await page.keyboard.up('Control');
  assert.equal((await h.topDialog(page)).title, '另存为');
  await page.type('dialog[open] input', 'game');
  await h.pressButton(page, '保存');
  assert.equal((await h.topDialog(page)).text, '保存游戏存档成功！');
  await h.pressButton(page, '确定');
  for (let i = 0; i < 100 && !fs.existsSync(`${folder}/game.flm`); ++i) await h.pause(50);
  assert.deepEqual(fs.readFileSync(`${folder}/game.flm`), expected);
  await page.close();

  // With the picker: the bytes go to the file it chose.
  const picked = await workedExampleWithALonePiece(2, {
    prepare: (p) => p.evaluateOnNewDocument(() => {
      window.savedBytes = [];
      window.showSaveFilePicker = async () => ({
        name: 'picked.flm',
        createWritable: async () => ({
          write: async (bytes) => window.savedBytes.push(...bytes),
          close: async () => {},
        }),
      });
    }),
  });
  await h.chooseMenu(picked, h.IDS.save);
  assert.equal((await h.topDialog(picked)).text, '保存游戏存档成功！');
  await h.pressButton(picked, '确定');
  await picked.waitForFunction((size) => window.savedBytes.length === size, {}, expected.length);
  assert.deepEqual(Buffer.from(await picked.evaluate(() => window.savedBytes)), expected);

  // Opening the saved file shows the game as the script player shows it after the same load.
  h.play(['seed 4', 'new', `load ${folder}/player.flm`, 'move 700 700', `frame ${folder}/loaded.png`]);
  assert.equal((await openSavedGame(picked, `${folder}/player.flm`)).text, '读取游戏存档成功！');
  await h.pressButton(picked, '确定');
  await picked.mouse.move(2, h.HEIGHT + 58);
  await h.pause(400);
  assert.equal(h.differingPixels(await h.framePixels(picked),
                                 await h.pngPixels(picked, `${folder}/loaded.png`)), 0);
  await picked.close();
  fs.rmSync(folder, {recursive: true, force: true});
});

// The client point at the middle of a square, as the script player's moves and the page's
// touches name it.
const centre = (col, row) => ({x: 80 + 19 * col + 9, y: 80 + 19 * row + 9});
const DISCARD = {x: 148, y: 31};
const PAUSE = {x: 186, y: 30};

// A finger on the canvas: a tap, or a press held past the long-press time.
async function touch(page, point, holdMs = 0) {
  const at = await h.canvasPoint(page, point);
  await page.touchscreen.touchStart(at.x, at.y);
  if (holdMs > 0) await h.pause(holdMs);
  await page.touchscreen.touchEnd();
}

test('keys move the board cursor and lay on its square as the script player\'s keys do', async () => {
  const folder = h.temporaryFolder('vandrel-keys-');
  h.play(['seed 3', 'new', 'key Left', 'key Up', 'key Return', 'tick anim 20', `frame ${folder}/keys.png`]);
  const page = await h.openGame(session, 3);
  for (const key of ['ArrowLeft', 'ArrowUp', 'Enter']) await page.keyboard.press(key);
  await h.pause(1000);
  assert.equal(h.differingPixels(await h.framePixels(page),
                                 await h.pngPixels(page, `${folder}/keys.png`)), 0);
  await page.close();
  fs.rmSync(folder, {recursive: true, force: true});
});

// Seed 1234 deals 4 10 8 0 9 6 5 7 4 11 with the source at (9, 13) open downwards: a vertical
// below it and a dead end below that end the game. The moves come quickly, well inside the
// first water step, so the page's game and the script player's see the same water.
test('a game by touch ends as the script player\'s game by mouse, with the same saved file', async () => {
  const moves = [['lay', 3, 3], ['remove', 3, 3], ['discard'], ['lay', 9, 13], ['lay', 5, 10],
                 ['lay', 9, 14], ['lay', 12, 7], ['discard'], ['lay', 0, 0], ['lay', 15, 15],
                 ['lay', 12, 6], ['lay', 9, 15]];
  const folder = h.temporaryFolder('vandrel-touch-');
  const at = (command, point) => `${command} ${point.x} ${point.y}`;
  const script = ['seed 1234', 'new', at('click', centre(3, 3)), 'move 700 700', 'tick hover',
                  'tick anim 20', `frame ${folder}/first.png`, at('click', PAUSE), at('click', PAUSE)];
  for (const [what, col, row] of moves.slice(1)) {
    if (what === 'discard') script.push(at('move', DISCARD), at('click', DISCARD));
    if (what === 'lay') script.push(at('move', centre(col, row)), at('click', centre(col, row)));
    if (what === 'remove') script.push(at('move', centre(col, row)), at('rclick', centre(col, row)));
  }
  script.push(at('click', PAUSE), `save ${folder}/player.flm`, at('click', PAUSE),
              at('click', {x: 167, y: 30}), 'answer ok', 'answer ok Touch', 'answer ok',
              'tick water 200');
  const expected = h.play(script).match(/游戏结束，您的分数为 (-?\d+)/)[1];

  const page = await h.openGame(session, 1234, {
    prepare: async (p) => {
      await p.setViewport({width: h.WIDTH, height: h.HEIGHT + 60, deviceScaleFactor: 1, hasTouch: true});
      await p.evaluateOnNewDocument(() => { delete window.showSaveFilePicker; });
    },
  });
  // The first piece laid by a tap, and nothing left drawn where the finger was.
  await touch(page, centre(3, 3));
  await h.pause(800);
  assert.equal(h.differingPixels(await h.framePixels(page),
                                 await h.pngPixels(page, `${folder}/first.png`)), 0);
  await touch(page, PAUSE);
  await touch(page, centre(8, 8));  // resumes, lays nothing: the next water step is 5 s away
  for (const [what, col, row] of moves.slice(1)) {
    if (what === 'discard') await touch(page, DISCARD);
    if (what === 'lay') await touch(page, centre(col, row));
    if (what === 'remove') await touch(page, centre(col, row), 800);
  }
  await touch(page, PAUSE);

  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
  await h.chooseMenu(page, h.IDS.save);
  await page.type('dialog[open] input', 'game');
  await h.pressButton(page, '保存');
  await h.pressButton(page, '确定');
  for (let i = 0; i < 100 && !fs.existsSync(`${folder}/game.flm`); ++i) await h.pause(50);
  assert.deepEqual(fs.readFileSync(`${folder}/game.flm`), fs.readFileSync(`${folder}/player.flm`));

  await touch(page, PAUSE);
  await touch(page, {x: 167, y: 30});
  assert.equal((await h.topDialog(page)).text, `游戏结束，您的分数为 ${expected}`);
  await h.pressButton(page, '确定');
  await page.$eval('dialog[open] input', (field) => { field.value = 'Touch'; });
  await h.pressButton(page, '确定');
  // The browser's list holds the entries of the tests before this one too.
  const rows = (await h.topDialog(page)).rows;
  assert.ok(rows.some((row) => row.endsWith(` | Touch | ${expected}`)), rows.join('\n'));
  await h.pressButton(page, '确定');
  await page.close();
  fs.rmSync(folder, {recursive: true, force: true});
});

test('a damaged file dropped on the page is refused and changes nothing', async () => {
  const page = await h.openGame(session, 5);
  await page.mouse.move(2, h.HEIGHT + 58);
  await h.pause(300);
  const before = await h.framePixels(page);
  const damaged = fs.readFileSync(WORKED).subarray(0, 700);
  await page.evaluate((bytes) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(bytes)], 'damaged.flm'));
    document.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  }, Array.from(damaged));
  const refusal = await h.topDialog(page);
  assert.equal(refusal.title, '错误');
  assert.equal(refusal.text, '读取游戏存档失败！');
  await h.pressButton(page, '确定');
  await h.pause(300);
  assert.equal(h.differingPixels(await h.framePixels(page), before), 0);
  await page.close();
});

test('two tabs keep each other\'s entries', async () => {
  const context = await session.browser.createBrowserContext();
  const first = await workedExampleWithALonePiece(6, {context});
  const second = await workedExampleWithALonePiece(7, {context});
  for (const [page, name] of [[first, 'First'], [second, 'Second']]) {
    await page.bringToFront();
    await h.clickAt(page, FAST_FORWARD);
    await h.topDialog(page);
    await h.pressButton(page, '确定');
    await page.$eval('dialog[open] input', (field, value) => { field.value = value; }, name);
    await h.pressButton(page, '确定');
    const rows = (await h.topDialog(page)).rows;
    await h.pressButton(page, '确定');
    if (name === 'Second') {
      assert.match(rows[0], /^01 \| (First|Second) \| /);
      assert.match(rows[1], /^02 \| (First|Second) \| /);
      assert.notEqual(rows[0].split(' | ')[1], rows[1].split(' | ')[1]);
    }
  }
  await context.close();
});

test('the picture fills its space: sharp blocks at whole factors, filled between them', async () => {
  const folder = h.temporaryFolder('vandrel-scaled-');
  h.play(['seed 8', 'new', `frame ${folder}/start.png`]);
  for (const factor of [2, 1.5]) {
    const page = await h.openGame(session, 8, {
      prepare: (p) => p.setViewport({width: h.WIDTH, height: h.HEIGHT + 60, deviceScaleFactor: factor}),
    });
    await h.pause(300);
    const size = await page.$eval('canvas.frame', (c) => [c.width, c.height]);
    assert.deepEqual(size, [Math.round(h.WIDTH * factor), Math.round(h.HEIGHT * factor)]);
    if (factor === 2) {
      const big = await h.framePixels(page);
      const small = new Uint8Array(h.WIDTH * h.HEIGHT * 4);
      for (let y = 0; y < h.HEIGHT; ++y) {
        for (let x = 0; x < h.WIDTH; ++x) {
          const from = ((2 * y + 1) * size[0] + 2 * x + 1) * 4;
          small.set(big.subarray(from, from + 4), (y * h.WIDTH + x) * 4);
        }
      }
      assert.equal(h.differingPixels(small, await h.pngPixels(page, `${folder}/start.png`)), 0);
    }
    await page.close();
  }
  fs.rmSync(folder, {recursive: true, force: true});
});

test('the help opens in a new tab; Esc ends the game and the page offers to start again', async () => {
  const page = await h.openGame(session, 9);
  const opened = session.browser.waitForTarget((target) => target.url().endsWith('/help/instructions.html'));
  await page.keyboard.press('F1');
  await (await opened).page().then((tab) => tab && tab.close());
  await page.bringToFront();
  await page.keyboard.press('Escape');
  await page.waitForSelector('#ended:not([hidden])');
  assert.equal(await page.$('canvas.frame'), null);
  await page.close();
});

// The page's words as a player meets them: the menu bar's titles, a dialog and the ended panel.
async function pageWords(page) {
  const menus = await page.$$eval('.menu-title', (titles) => titles.map((t) => t.textContent));
  await h.chooseMenu(page, h.IDS.leaderboard);
  const list = await h.topDialog(page);
  const ok = await page.$eval('dialog[open] button.default', (button) => button.textContent);
  await h.pressButton(page, ok);
  await h.chooseMenu(page, h.IDS.exit);
  await page.waitForSelector('#ended:not([hidden])');
  const ended = await page.$eval('#ended', (panel) => panel.innerText.replace(/\s+/g, ' ').trim());
  const lang = await page.evaluate(() => document.documentElement.lang);
  await page.close();
  return {menus, title: list.title, row: list.rows[0], ok, ended, lang};
}

// Makes a page's browser name these languages (navigator.languages) before its scripts run.
const speaking = (languages) => async (page) => {
  const client = await page.createCDPSession();
  await client.send('Network.setUserAgentOverride',
                    {userAgent: await session.browser.userAgent(), acceptLanguage: languages});
};

test('the page speaks ?lang=, else the browser\'s language, else Chinese', async () => {
  const chinese = {
    menus: ['游戏(G)', '帮助(H)'], title: '排行榜', row: '01 | 佚名 | 0', ok: '确定',
    ended: '游戏已退出，排行榜已保存。 重新开始', lang: 'zh-CN',
  };
  const english = {
    menus: ['Game', 'Help'], title: 'Leaderboard', row: '01 | Anonymous | 0', ok: 'OK',
    ended: 'The game has ended, and the leaderboard is saved. Start again', lang: 'en',
  };
  // Each page in a context of its own: a list of ten default rows, whatever the others wrote.
  const words = async (options) => {
    const context = await session.browser.createBrowserContext();
    const seen = await pageWords(await h.openGame(session, 10, {context, ...options}));
    await context.close();
    return seen;
  };
  assert.deepEqual(await words({}), chinese, 'a French browser');
  assert.deepEqual(await words({query: '&lang=en'}), english);
  assert.deepEqual(await words({prepare: speaking('de-DE,en-GB,en')}), english,
                   'the first of the browser\'s languages the game has');
  assert.deepEqual(await words({prepare: speaking('en-GB,en'), query: '&lang=zh_CN'}), chinese,
                   '?lang= first');
  // Without scripts the page says what it needs in every language.
  const html = fs.readFileSync(path.join(h.WEB_DIR, 'index.html'), 'utf8');
  assert.match(html, /<p lang="zh-CN">这个游戏需要 JavaScript 和 WebAssembly。<\/p>/);
  assert.match(html, /<p lang="en">This game needs JavaScript and WebAssembly.<\/p>/);
});
