'use strict';
// What the browser program costs: the bytes a visitor's browser fetches (each file gzipped, as
// a web server sends it), the time from navigation to the first frame from a local server, and
// the CPU of the page's renderer process while a game plays with the pointer still and while
// it is paused (from /proc, over --seconds, 20 by default), beside a bare page that shows as
// many frames (bench/web_floor/). Run by bench/web_page.sh.
//
//   node bench/web_page.js [--seconds N] [--loads N]
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const h = require('../tests/web/harness');
const {serve} = require('../tests/web/static_server');

const options = {seconds: 20, loads: 5};
for (let i = 2; i < process.argv.length; i += 2) options[process.argv[i].replace(/^--/, '')] = Number(process.argv[i + 1]);
const WEB_DIR = process.env.VANDREL_WEB_DIR || path.join(__dirname, '../build-web');

// Nanoseconds of CPU all threads of pid have run, from /proc.
function cpuNanoseconds(pid) {
  let total = 0;
  for (const task of fs.readdirSync(`/proc/${pid}/task`)) {
    total += Number(fs.readFileSync(`/proc/${pid}/task/${task}/schedstat`, 'utf8').split(' ')[0]);
  }
  return total;
}

// The renderer processes that the browser started.
function renderers(browserPid) {
  const children = [];
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const cmdline = fs.readFileSync(`/proc/${entry}/cmdline`, 'utf8');
      if (cmdline.includes('--type=renderer') && cmdline.includes(`--user-data-dir=`) &&
          isDescendant(Number(entry), browserPid)) children.push(Number(entry));
    } catch (error) { /* gone meanwhile */ }
  }
  return children;
}

function isDescendant(pid, ancestor) {
  for (let current = pid; current > 1;) {
    const stat = fs.readFileSync(`/proc/${current}/stat`, 'utf8');
    current = Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
    if (current === ancestor) return true;
  }
  return false;
}

// The CPU share of each of pids over the next seconds, in the same order.
async function cpuShares(pids, seconds) {
  const before = pids.map(cpuNanoseconds);
  await h.pause(seconds * 1000);
  return pids.map((pid, i) => 100 * (cpuNanoseconds(pid) - before[i]) / (seconds * 1e9));
}

const sum = (values) => values.reduce((a, b) => a + b, 0);

// A browser in which the renderer processes serve the pages opened in it and nothing else:
// no spare renderer kept warm, and the first blank page closed.
async function quietBrowser() {
  const session = await h.startBrowser(['--disable-features=SpareRendererForSitePerProcess']);
  for (const blank of await session.browser.pages()) await blank.close();
  return session;
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

(async () => {
  const session = await h.startBrowser();
  const fetched = new Set();
  const times = [];
  for (let i = 0; i < options.loads; ++i) {
    const page = await h.openGame(session, 7, {
      prepare: (p) => p.on('response', (response) => fetched.add(new URL(response.url()).pathname)),
    });
    times.push(await page.evaluate(() => performance.getEntriesByName('vandrel-first-frame')[0].startTime));
    await page.close();
  }
  let raw = 0;
  let gzipped = 0;
  for (const name of fetched) {
    const file = path.join(WEB_DIR, name.endsWith('/') ? `${name}index.html` : name);
    if (!fs.existsSync(file)) continue;
    const bytes = fs.readFileSync(file);
    raw += bytes.length;
    gzipped += zlib.gzipSync(bytes, {level: 9}).length;
  }
  console.log(`page: ${fetched.size} files, ${raw} bytes, ${gzipped} bytes gzipped (target under 1.5 MB)`);
  console.log(`first frame: median ${median(times).toFixed(0)} ms from navigation over ${times.length} loads ` +
              `(${times.map((t) => t.toFixed(0)).join(', ')}; target under 500 ms)`);

  await session.close();

  // The renderer's CPU in a browser of its own, where no page closed before is winding down.
  const playingSession = await quietBrowser();
  const page = await h.openGame(playingSession, 7);
  await page.mouse.move(2, h.HEIGHT + 58);
  await h.pause(3000);
  // The page's renderer is the one that works while the game plays; Chromium's other
  // renderers are counted apart.
  const pids = renderers(playingSession.browser.process().pid);
  const playingAll = await cpuShares(pids, options.seconds);
  const ours = playingAll.indexOf(Math.max(...playingAll));
  await page.keyboard.press('Space');
  await h.pause(1000);
  const pausedAll = await cpuShares(pids, options.seconds);
  const playing = playingAll[ours];
  const paused = pausedAll[ours];
  const others = [sum(playingAll) - playing, sum(pausedAll) - paused];
  await playingSession.close();

  // The same browser and number of frames for a page that does nothing else.
  const floorSession = await quietBrowser();
  const floor = await serve(path.join(__dirname, 'web_floor'));
  await (await floorSession.browser.newPage()).goto(floor.url);
  await h.pause(3000);
  const floorAll = await cpuShares(renderers(floorSession.browser.process().pid), options.seconds);
  const floorShare = Math.max(...floorAll);
  floor.server.close();
  await floorSession.close();

  console.log(`renderer CPU, playing with the pointer still: ${playing.toFixed(2)} % of a core (target 0.5 %)`);
  console.log(`renderer CPU, paused:                        ${paused.toFixed(2)} % of a core (target 0.1 %)`);
  console.log(`renderer CPU, a bare page with the same frames: ${floorShare.toFixed(2)} % of a core (bench/web_floor)`);
  console.log(`Chromium's other renderers meanwhile: ${others[0].toFixed(2)} % playing, ${others[1].toFixed(2)} % paused`);
  for (const problem of [...session.problems, ...playingSession.problems]) console.log(problem);
})();
