// The map page in a real browser: starts `tessera serve` on a data set,
// drives headless Chromium through playwright-core, and checks what a
// person would see: an address typed into the search box goes to its
// square, a click on the map shows the square's address, zooming in draws
// the grid lines, and no request leaves the server. Saves a screenshot.
//
//   node map_page_test.mjs TESSERA DATA_DIR WEB_DIR SCREENSHOT_PNG
import {spawn} from 'node:child_process';
import {mkdtempSync, mkdirSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {createInterface} from 'node:readline';

// Double-clicks at `at` until the map shows `zoom`. On a busy machine the
// browser may take a double click that comes while the previous zoom still
// animates as two single clicks, so one that left the zoom where it was is
// repeated.
async function zoomInAt(page, at, zoom) {
  for (let attempt = 1; ; attempt++) {
    await page.mouse.dblclick(at.x, at.y);
    try {
      await page.waitForSelector(`body[data-zoom="${zoom}"]`, {timeout: 10000});
      return;
    } catch (error) {
      const now = await page.evaluate(() => document.body.dataset.zoom);
      if (attempt === 3 || now !== String(zoom - 1)) throw error;
    }
  }
}

const [tessera, dataDir, webDir, screenshot] = process.argv.slice(2);
const require = createRequire(resolve(webDir, 'package.json'));
const {chromium} = require('playwright-core');

let failures = 0;
let passes = 0;
function check(condition, what) {
  if (condition) {
    passes++;
  } else {
    failures++;
    console.error('FAILED: ' + what);
  }
}

// Starts the server on a free port; resolves to its base URL.
function startServer() {
  const server = spawn(tessera, ['--data', dataDir, 'serve', '--listen',
    '127.0.0.1:0', '--threads', '4', '--web', webDir],
  {stdio: ['ignore', 'pipe', 'inherit']});
  const url = new Promise((resolve, reject) => {
    createInterface({input: server.stdout}).on('line', (line) => {
      const m = /^listening on (http:\/\/\S+)$/.exec(line);
      if (m) resolve(m[1]);
    });
    server.on('exit', (code) => reject(new Error('tessera serve exited: ' + code)));
  });
  return {server, url};
}

const {server, url} = startServer();
const userDataDir = mkdtempSync(join(tmpdir(), 'tessera-chromium-'));
let context;
try {
  const base = await url;
  context = await chromium.launchPersistentContext(userDataDir, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport: {width: 1280, height: 720},
    args: ['--no-sandbox', '--disable-background-networking',
      '--disable-component-update', '--disable-gpu', '--no-first-run',
      '--disable-sync'],
  });
  const page = context.pages()[0] || await context.newPage();
  const outside = [];
  page.on('request', (r) => {
    if (!r.url().startsWith(base)) outside.push(r.url());
  });
  const pageErrors = [];
  page.on('pageerror', (e) => pageErrors.push(e.message));
  page.on('console', (m) => {
    if (m.type() === 'error') pageErrors.push(m.text());
  });

  await page.goto(base);
  await page.waitForSelector('body[data-ready="true"]', {timeout: 30000});
  check(await page.locator('path.leaflet-interactive, svg path').count() > 100,
      'country outlines drawn');
  check(await page.locator('#language option').allTextContents()
      .then((codes) => codes.join(',')) === 'de,en,ja', 'languages listed');

  // Typing a whole address goes to its square.
  await page.locator('#search').pressSequentially('defais.marbra.haithi', {delay: 20});
  await page.waitForSelector('body[data-words="defais.marbra.haithi"]', {timeout: 10000});
  const typed = await page.locator('#result').innerText();
  check(typed.includes('defais.marbra.haithi'), 'typed address shown: ' + typed);
  check(typed.includes('0.123450, 10.654328'), 'typed address centre: ' + typed);
  check(await page.locator('path.square').count() === 1, 'square outlined');
  await page.waitForFunction(() => Number(document.body.dataset.gridLines) > 0);

  // Out to zoom 16: no grid.
  for (const zoom of [18, 17, 16]) {
    await page.locator('.leaflet-control-zoom-out').click();
    await page.waitForSelector(`body[data-zoom="${zoom}"]`);
  }
  await page.waitForFunction(() => document.body.dataset.gridLines === '0');
  check(await page.locator('path.grid-line').count() === 0, 'no grid at zoom 16');

  // A click shows the address of the square under the pointer.
  const at = {x: 820, y: 420};
  const clicked = await page.evaluate(({x, y}) => {
    const p = window.tesseraMap.containerPointToLatLng([x, y]).wrap();
    return {lat: p.lat.toFixed(6), lng: p.lng.toFixed(6)};
  }, at);
  await page.mouse.click(at.x, at.y);
  const expected = await fetch(base + 'v1/convert-to-3wa?coordinates=' +
      clicked.lat + ',' + clicked.lng + '&language=en').then((r) => r.json());
  await page.waitForFunction((words) => document.body.dataset.words === words,
      expected.words, {timeout: 10000});
  const shown = await page.locator('#result').innerText();
  check(shown.includes(expected.words), 'clicked address shown: ' + shown);
  check(expected.nearest_place === null || shown.includes(expected.nearest_place),
      'clicked nearest place shown');

  // In to zoom 19 around the clicked point, as a double click zooms: the
  // grid is drawn around the square.
  for (const zoom of [17, 18, 19]) await zoomInAt(page, at, zoom);
  await page.waitForFunction(() => Number(document.body.dataset.gridLines) > 0,
      null, {timeout: 10000});
  check(await page.locator('path.grid-line').count() > 0, 'grid lines drawn');
  const statusText = await page.locator('#status').innerText();
  check(/Data tessera-fixture-1 · zoom 19 · \d+ grid lines/.test(statusText),
      'status: ' + statusText);
  check(await page.locator('path.square').count() === 1, 'clicked square outlined');
  check(await page.evaluate(() => document.body.dataset.words) === expected.words,
      'still the clicked square after zooming');

  mkdirSync(dirname(screenshot), {recursive: true});
  await page.screenshot({path: screenshot});
  check(outside.length === 0, 'requests outside the server: ' + outside.join(' '));
  check(pageErrors.length === 0, 'page errors: ' + pageErrors.join(' | '));
} catch (error) {
  failures++;
  console.error('FAILED: ' + (error.stack || error));
} finally {
  if (context) await context.close();
  server.kill('SIGTERM');
  rmSync(userDataDir, {recursive: true, force: true});
}
console.log(`map page: ${passes} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
