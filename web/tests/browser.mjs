// The browser tests' runner: serves a folder on 127.0.0.1 with the static
// server `./run --web` uses (Python's), opens it in Debian's Chromium,
// headless, through puppeteer-core (no browser of its own), and keeps
// screenshots.
//   const site = await openSite(folder);
//   const page = await site.open('?seed=1');
//   await site.screenshot(page, 'start');
//   await site.close();
// CHROMIUM names another browser; TOVK_SCREENSHOTS the screenshots' folder.
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

// Chromium on a machine with no network beyond loopback: nothing in the
// background that would try to reach the outside.
const chromiumFlags = [
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--no-default-browser-check',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--disable-dev-shm-usage',
  '--no-sandbox',
];

// Starts `python3 -m http.server` on a free port of 127.0.0.1 serving
// `folder`; resolves to the server process and its address.
export function serve(folder, port = 0) {
  const server = spawn(
    'python3',
    ['-u', '-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', folder],
    { stdio: ['ignore', 'pipe', 'ignore'] },
  );
  return new Promise((resolve, reject) => {
    let said = '';
    const timer = setTimeout(() => fail(new Error(`no server after 10 s: ${said}`)), 10_000);
    const fail = (error) => {
      clearTimeout(timer);
      server.kill();
      reject(error);
    };
    server.on('error', fail);
    server.on('exit', (code) => fail(new Error(`the server ended with ${code}: ${said}`)));
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const found = /port (\d+)/.exec(said);
      if (!found) return;
      clearTimeout(timer);
      server.removeAllListeners('exit');
      resolve({ server, url: `http://127.0.0.1:${found[1]}/` });
    });
  });
}

export async function launchChromium(moreFlags = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...chromiumFlags, ...moreFlags],
    defaultViewport: { width: 1024, height: 768 },
  });
}

export async function openSite(folder) {
  const { server, url } = await serve(folder);
  let browser;
  try {
    browser = await launchChromium();
  } catch (error) {
    server.kill();
    throw error;
  }
  const shots = process.env.TOVK_SCREENSHOTS || join(process.cwd(), 'screenshots');
  const downloads = mkdtempSync(join(tmpdir(), 'tovk-downloads-'));
  const consoleErrors = [];
  // Each page in a context of its own: its own storage, unless `context`
  // is given (a reload or a second tab of the same player).
  return {
    url,
    downloads,
    // Problems the pages reported: console errors and uncaught exceptions.
    consoleErrors,
    // A browser context whose downloads land in `downloads`.
    async newContext() {
      return browser.createBrowserContext({ downloadBehavior: { policy: 'allow', downloadPath: downloads } });
    },
    async open(path = '', context = null) {
      const owner = context ?? (await this.newContext());
      const page = await owner.newPage();
      // A page that is there answers at once; a failing test should not hang.
      page.setDefaultTimeout(5_000);
      page.on('console', (message) => {
        if (message.type() === 'error') consoleErrors.push(message.text());
      });
      page.on('pageerror', (error) => consoleErrors.push(String(error)));
      await page.goto(url + path);
      await page.waitForSelector('html[data-state="playable"]');
      return page;
    },
    async screenshot(page, name) {
      mkdirSync(shots, { recursive: true });
      const file = join(shots, `${name}.png`);
      await page.screenshot({ path: file });
      return file;
    },
    async close() {
      await browser.close();
      server.kill();
      rmSync(downloads, { recursive: true, force: true });
    },
  };
}
