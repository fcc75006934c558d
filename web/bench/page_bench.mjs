// The page's figures, in Debian's Chromium (headless) on the local server:
//  - from the page's request to the first painted, playable game (each load
//    in a fresh browser context: nothing cached), against 1 s;
//  - Call CQ clicked to its lines in the page, and to the frame that paints
//    them (frames unthrottled, so no wait for a display's refresh is
//    counted), against a frame's 16 ms;
//  - the size of each part the page loads, uncompressed, against 1.5 MB in all.
//   node web/bench/page_bench.mjs build-web/page [loads]
import { loadavg } from 'node:os';
import { launchChromium, serve } from '../tests/browser.mjs';

const [folder, loadsText = '7'] = process.argv.slice(2);
const loads = Number(loadsText);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kB = (bytes) => `${(bytes / 1024).toFixed(1)} kB`;

// Where each file the page loads counts.
function partOf(path) {
  if (path.endsWith('.wasm')) return 'WebAssembly (tovk.wasm)';
  if (path === '/tovk.js') return 'Emscripten script (tovk.js)';
  if (path.startsWith('/js/')) return 'page script (js/*.js)';
  if (path.endsWith('.css')) return 'styles (tovk.css)';
  if (path === '/' || path.endsWith('.html')) return 'page (index.html)';
  if (path.endsWith('TOVK.SS')) return 'station list (TOVK.SS)';
  return 'pictures (icons/*.svg, tovk.svg)';
}

const { server, url } = await serve(folder);
// Frames as soon as there is something to paint: the figure is the page's
// own time, not a wait for the display's next refresh.
const browser = await launchChromium(['--disable-frame-rate-limit', '--disable-gpu-vsync']);
try {
  const startTimes = [];
  const sizes = new Map();
  for (let load = 0; load < loads; ++load) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    if (load === 0) {
      page.on('response', async (response) => {
        const path = new URL(response.url()).pathname;
        const bytes = (await response.buffer().catch(() => Buffer.alloc(0))).length;
        sizes.set(path, bytes);
      });
    }
    await page.goto(`${url}?seed=1`);
    await page.waitForSelector('html[data-state="playable"]', { timeout: 10_000 });
    startTimes.push(await page.evaluate(() => Object.fromEntries(performance.getEntriesByType('mark')
      .filter((mark) => mark.name.startsWith('tovk-')).map((mark) => [mark.name.slice(5), mark.startTime]))));
    await context.close();
  }

  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(`${url}?seed=1`);
  await page.waitForSelector('html[data-state="playable"]');
  // Call CQ, many times: the click to the CQ line in the outgoing window,
  // and to the frame after it.
  const cq = await page.evaluate(async (rounds) => {
    const button = [...document.querySelectorAll('.button-group button')]
      .find((b) => b.textContent === 'Call CQ');
    const outgoing = document.querySelector('[role="log"][aria-label="Outgoing"]');
    const toLines = [];
    const toFrame = [];
    const frameWork = [];
    for (let round = 0; round < rounds; ++round) {
      // Between rounds the page settles, as between a player's clicks.
      await new Promise((settled) => setTimeout(settled, 30));
      const before = outgoing.childElementCount;
      const lined = new Promise((seen) => {
        const watch = new MutationObserver(() => {
          if (outgoing.childElementCount === before) return;
          watch.disconnect();
          seen(performance.now());
        });
        watch.observe(outgoing, { childList: true });
      });
      const clicked = performance.now();
      button.click();
      const linesAt = await lined;
      let frameAt = 0;
      const paintedAt = await new Promise((frame) => requestAnimationFrame(() => {
        frameAt = performance.now();
        setTimeout(() => frame(performance.now()), 0);
      }));
      toLines.push(linesAt - clicked);
      toFrame.push(paintedAt - clicked);
      frameWork.push(paintedAt - frameAt);
    }
    return { toLines, toFrame, frameWork };
  }, 60);
  await context.close();

  console.log(`machine load average: ${loadavg()[0].toFixed(1)} (figures grow with it)`);
  const step = (name) => median(startTimes.map((marks) => marks[name]));
  const startup = step('playable');
  console.log(`first painted playable game: ${startup.toFixed(0)} ms (median of ${loads} cold loads;` +
    ` ${(startup / 1000).toFixed(2)} of the 1 s limit)`);
  console.log(`  WebAssembly ready ${step('module').toFixed(0)} ms, session made ${step('created').toFixed(0)},` +
    ` window built ${step('built').toFixed(0)}, game started ${step('started').toFixed(0)}`);
  const lines = median(cq.toLines);
  const frame = median(cq.toFrame);
  console.log(`Call CQ to its lines in the page: ${lines.toFixed(2)} ms (median of 60;` +
    ` ${(lines / 16).toFixed(2)} of 16 ms)`);
  console.log(`Call CQ to the frame that paints its lines: ${frame.toFixed(2)} ms (median of 60;` +
    ` ${(frame / 16).toFixed(2)} of 16 ms; max ${Math.max(...cq.toFrame).toFixed(1)} ms),` +
    ` of which the frame's own work ${median(cq.frameWork).toFixed(2)} ms`);
  const parts = new Map();
  for (const [path, bytes] of sizes) parts.set(partOf(path), (parts.get(partOf(path)) ?? 0) + bytes);
  let total = 0;
  for (const [part, bytes] of [...parts].sort((a, b) => b[1] - a[1])) {
    console.log(`  ${part}: ${kB(bytes)}`);
    total += bytes;
  }
  console.log(`what the page loads: ${kB(total)} in all (${(total / (1.5 * 1024 * 1024)).toFixed(2)} of 1.5 MB);` +
    ' the help document, loaded when asked for: ' +
    `${kB((await (await fetch(`${url}tovk-help.html`)).arrayBuffer()).byteLength)}`);
} finally {
  await browser.close();
  server.kill();
}
