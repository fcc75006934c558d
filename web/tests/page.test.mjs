// The page in headless Chromium, played as a player plays it: it starts
// with the start status; Call CQ, a contact typed by hand and the keys give
// the lines tovk-term gives for the same seed and commands; a refusal's box
// is answered; a saved game survives a reload and comes back by Restore and
// by upload; a reload mid-game offers the recovery copy; a browser that
// keeps nothing says so once and the game goes on.
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { openSite } from './browser.mjs';
import {
  answerBox, aria, contactByHand, idle, linesOf, loggedContact, play, press, statusBar, termRun,
} from './page-driver.mjs';

const pageFolder = process.env.TOVK_PAGE_DIR;
const nativeTerm = process.env.TOVK_TERM_NATIVE;

let site;
before(async () => {
  site = await openSite(pageFolder);
});
after(() => site?.close());

async function pageLines(page) {
  return {
    Incoming: await linesOf(page, 'Incoming'),
    Outgoing: await linesOf(page, 'Outgoing'),
    Log: await linesOf(page, 'Log'),
  };
}

test('the page starts with the start status and every control named', async () => {
  const page = await site.open('?seed=1');
  assert.equal(await page.title(), 'Tovk Sweepstakes Version 1.0');
  assert.deepEqual(await statusBar(page), ['GMT', '21:00', 'Local', '16:00', 'Op', '00:00:00',
    "QSo's", '0', 'Sections', '0', 'Score', '0', 'Q/hr', '-', 'Dups', '0', 'Lids', '0', '--']);
  assert.deepEqual(await linesOf(page, 'Log'), []);
  for (const caption of ['Call CQ', 'Tune band', 'Auto CQ', 'QRZ', 'Send Nr', 'Send Prec',
    'Send Msg', 'Send Chck', 'Send Sct', 'Send QSL', 'Repeat', 'Send Dup', 'Log QSO', 'Check log',
    'Clr Xchg', 'QRT', 'Timeout', 'QRV', 'New', 'Save', 'Restore', 'Exit', 'Game', 'Settings', 'Help']) {
    assert.ok(await page.$(aria(caption, 'button')), caption);
  }
  assert.equal((await page.$$('.section-map .cell')).length, 75);
  assert.equal(await page.$eval(aria('Band', 'combobox'), (band) => band.value), '40');
  assert.equal(await page.$eval(aria('QSO #', 'textbox'), (box) => box.value), '1');
  await site.screenshot(page, 'page-start');
  await page.close();
});

test('Call CQ, a contact typed by hand and the keys play the lines tovk-term plays', async () => {
  const page = await site.open('?seed=1');
  await press(page, 'Call CQ');
  assert.deepEqual(await linesOf(page, 'Outgoing'), ['Tovk de Q1AAA SS']);
  await play(page, contactByHand.slice(1));
  const lines = await pageLines(page);
  assert.equal(lines.Log.at(-1), loggedContact);
  assert.equal(await page.$eval(aria('QSO #', 'textbox'), (box) => box.value), '2');
  // F1 calls CQ, Enter takes the next step of the contact.
  const keys = [['key', 'F1'], ['key', 'Enter'], ['key', 'Enter'], ['key', 'Enter']];
  await play(page, keys);
  if (nativeTerm) {
    const term = termRun(nativeTerm, pageFolder, [...contactByHand, ...keys], 1);
    assert.deepEqual(await pageLines(page), term.lines);
  }
  assert.deepEqual(site.consoleErrors, []);
  await page.close();
});

test("a refusal's message box is answered and the game goes on", async () => {
  const page = await site.open('?seed=1');
  await press(page, 'Timeout');
  await answerBox(page, 'Are you sure?', 'Yes');
  const settings = await page.waitForSelector(aria('Settings', 'dialog'));
  const minutes = await settings.waitForSelector(aria('Minutes', 'spinbutton'));
  await minutes.click({ clickCount: 3 });
  await minutes.type('10');
  const hours = await settings.waitForSelector(aria('Hours', 'spinbutton'));
  await hours.click({ clickCount: 3 });
  await hours.type('0');
  await (await settings.waitForSelector(aria('OK', 'button'))).click();
  await answerBox(page, 'Sorry, rules state that a minimum timeout is 15 minutes', 'OK');
  assert.equal(await page.$('dialog[open]'), null);
  await press(page, 'Call CQ');
  assert.deepEqual(await linesOf(page, 'Outgoing'), ['Tovk de Q1AAA SS']);
  await page.close();
});

test('a saved game is kept and downloaded; after a reload Restore and an upload bring it back', async () => {
  const context = await site.newContext();
  const page = await site.open('?seed=1', context);
  await play(page, contactByHand);
  await press(page, 'Save');
  const box = await page.waitForSelector(aria('Save As', 'dialog'));
  const name = await box.waitForSelector(aria('File name', 'textbox'));
  await name.click({ clickCount: 3 });
  await name.type('game1');
  await (await box.waitForSelector(aria('Save', 'button'))).click();
  await idle(page);
  const downloaded = join(site.downloads, 'game1.sav');
  for (let wait = 0; wait < 50 && !existsSync(downloaded); ++wait) await new Promise((r) => setTimeout(r, 100));
  const saved = readFileSync(downloaded, 'latin1');
  assert.match(saved, /AK3VLB/);
  assert.equal(await page.evaluate(() => localStorage.getItem('tovk:file:game1.sav')), saved);

  // The same browser, the page opened again: the recovery question first.
  await page.reload();
  await answerBox(page, 'Restore the game from the last session?', 'No');
  assert.deepEqual(await linesOf(page, 'Log'), []);
  await press(page, 'Restore');
  const restore = await page.waitForSelector(aria('Restore game ?', 'dialog'));
  await (await restore.waitForSelector(aria('File name', 'textbox'))).evaluate((box) => { box.value = ''; });
  await (await restore.waitForSelector(aria('File name', 'textbox'))).type('game1.sav');
  await (await restore.waitForSelector(aria('Open', 'button'))).click();
  await idle(page);
  assert.equal((await linesOf(page, 'Log')).at(-1), loggedContact);

  // Another browser: the downloaded file uploaded in Restore.
  const other = await site.open('?seed=2');
  await press(other, 'Restore');
  const upload = await other.waitForSelector('dialog[open] input[type="file"]');
  await upload.uploadFile(downloaded);
  await idle(other);
  assert.equal((await linesOf(other, 'Log')).at(-1), loggedContact);
  assert.deepEqual(site.consoleErrors, []);
  await context.close();
  await other.close();
});

test('a reload mid-game offers the recovery copy, which brings the game back', async () => {
  const context = await site.newContext();
  const page = await site.open('?seed=1', context);
  await play(page, contactByHand);
  const before = await statusBar(page);
  await page.reload();
  await answerBox(page, 'Restore the game from the last session?', 'Yes');
  assert.equal((await linesOf(page, 'Log')).at(-1), loggedContact);
  assert.deepEqual((await statusBar(page)).slice(0, 12), before.slice(0, 12));
  await context.close();
});

test('a browser that keeps no files says so once and the game goes on', async () => {
  const context = await site.newContext();
  const page = await context.newPage();
  page.setDefaultTimeout(5_000);
  await page.evaluateOnNewDocument(() => {
    Storage.prototype.setItem = () => {
      throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
    };
  });
  await page.goto(`${site.url}?seed=1`);
  const refusal = await page.waitForSelector('::-p-aria([role="alertdialog"])');
  assert.match(await refusal.evaluate((box) => box.textContent), /does not let Tovk keep its files/);
  await (await refusal.waitForSelector(aria('OK', 'button'))).click();
  await play(page, contactByHand);
  assert.equal((await linesOf(page, 'Log')).at(-1), loggedContact);
  assert.equal(await page.$('dialog[open]'), null);
  await context.close();
});
