// The page's menus, settings dialog and views in headless Chromium: the
// settings take effect in the game and on the page; the exports download
// the very file tovk-term writes; the results, keys, help and about views
// open beside the game; Auto CQ calls by itself until Esc; Exit ends the game
// and leaves no recovery copy.
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { openSite } from './browser.mjs';
import {
  answerBox, aria, contactByHand, idle, linesOf, play, press, termRun,
} from './page-driver.mjs';

const pageFolder = process.env.TOVK_PAGE_DIR;
const nativeTerm = process.env.TOVK_TERM_NATIVE;

let site;
before(async () => {
  site = await openSite(pageFolder);
});
after(() => site?.close());

async function menu(page, title, entry) {
  await press(page, title);
  await (await page.waitForSelector(aria(entry, 'menuitem'))).click();
  await idle(page);
}

async function inDialog(dialog, name, role) {
  return dialog.waitForSelector(aria(name, role));
}

async function downloaded(name) {
  const file = join(site.downloads, name);
  for (let wait = 0; wait < 50 && !existsSync(file); ++wait) await new Promise((r) => setTimeout(r, 100));
  return readFileSync(file, 'latin1');
}

test('the settings dialog changes the own station, the map side, a colour and a font', async () => {
  const page = await site.open('?seed=1');
  // The colour picker answers red; the browser's own cannot be driven here.
  await page.evaluate(() => {
    const click = HTMLInputElement.prototype.click;
    HTMLInputElement.prototype.click = function pick() {
      if (this.type !== 'color') return click.call(this);
      this.value = '#ff0000';
      this.dispatchEvent(new Event('change'));
    };
  });
  await press(page, 'Settings');
  let settings = await page.waitForSelector(aria('Settings', 'dialog'));
  const callsign = await inDialog(settings, 'My Callsign', 'textbox');
  await callsign.click({ clickCount: 3 });
  await callsign.type('k1abc');
  await (await inDialog(settings, 'Misc', 'tab')).click();
  await (await inDialog(settings, 'Section Display Right', 'radio')).click();
  await (await inDialog(settings, 'Colours', 'tab')).click();
  await (await inDialog(settings, 'Radio group colour', 'button')).click();
  await (await inDialog(settings, 'Fonts', 'button')).click();
  await (await inDialog(settings, 'Outgoing window', 'menuitem')).click();
  const fontBox = await page.waitForSelector(aria('Font: Outgoing window', 'dialog'));
  const size = await fontBox.waitForSelector('input[type="number"]');
  await size.click({ clickCount: 3 });
  await size.type('20');
  await (await inDialog(fontBox, 'OK', 'button')).click();
  await (await inDialog(settings, 'OK', 'button')).click();
  await idle(page);

  // A first-area call in a third-area section signs /3.
  await press(page, 'Call CQ');
  assert.deepEqual(await linesOf(page, 'Outgoing'), ['Tovk de K1ABC/3 SS']);
  const look = await page.evaluate(() => ({
    mapLeft: document.querySelector('#section-map').getBoundingClientRect().left,
    memoLeft: document.querySelector('.memo-area').getBoundingClientRect().left,
    radio: document.querySelector('.button-group').style.background,
    outgoing: document.querySelector('[aria-label="Outgoing"]').style.fontSize,
  }));
  // A tab may close without Exit: the settings are kept as they change.
  assert.match(await page.evaluate(() => localStorage.getItem('tovk:file:tovk.ini')), /K1ABC/);
  assert.ok(look.mapLeft > look.memoLeft, 'the section map moved to the right');
  assert.equal(look.radio, 'rgb(255, 0, 0)');
  assert.equal(look.outgoing, '20px');

  // The dialog opens again with what was confirmed.
  await press(page, 'Settings');
  settings = await page.waitForSelector(aria('Settings', 'dialog'));
  assert.equal(await (await inDialog(settings, 'My Callsign', 'textbox')).evaluate((box) => box.value), 'K1ABC/3');
  await page.keyboard.press('Escape');
  await idle(page);
  assert.equal(await page.$('dialog[open]'), null);
  await page.close();
});

test('the exports download the files tovk-term writes for the same game', async () => {
  const page = await site.open('?seed=1');
  await play(page, contactByHand);
  for (const [entry, title, name] of [['Export Cabrillo...', 'Export Cabrillo', 'Q1AAA.log'],
    ['Export ADIF...', 'Export ADIF', 'Q1AAA.adi']]) {
    await menu(page, 'Game', entry);
    const box = await page.waitForSelector(aria(title, 'dialog'));
    await (await inDialog(box, 'Save', 'button')).click();
    await answerBox(page, `Wrote 1 contacts to ${name}\nSkipped 0 log lines that could not be read`, 'OK');
    const file = await downloaded(name);
    if (nativeTerm) {
      const term = termRun(nativeTerm, pageFolder, contactByHand, 1,
        [`export ${name.endsWith('.log') ? 'cabrillo' : 'adif'} ${name}`]);
      assert.equal(file, term.files[name], `${name} differs from tovk-term's`);
    }
    assert.match(file, /AK3VLB/);
  }
  await page.close();
});

test('results, keys, help and about open beside the game', async () => {
  const page = await site.open('?seed=1');
  await play(page, contactByHand);
  await menu(page, 'Game', 'Results...');
  const results = await page.waitForSelector(aria('Results', 'dialog'));
  const figures = await results.$$eval('.figures > *', (cells) => cells.map((cell) => cell.textContent));
  assert.deepEqual(figures.slice(0, 6), ['Contacts', '1', 'Sections', '1', 'Score', '2']);
  assert.match(await results.evaluate((box) => box.textContent), /W3: DE EPA MDC\n/);
  await (await inDialog(results, 'Close', 'button')).click();

  await menu(page, 'Help', 'Keys');
  const keys = await page.waitForSelector(aria('Keys', 'dialog'));
  assert.equal((await keys.$$('tr')).length, 23);
  await (await inDialog(keys, 'OK', 'button')).click();

  await menu(page, 'Help', 'Help on help');
  const help = await page.waitForSelector(aria('Tovk Help', 'dialog'));
  const frame = await (await help.waitForSelector('iframe')).contentFrame();
  await frame.waitForSelector('#helponhelp');
  await (await inDialog(help, 'Close', 'button')).click();

  await menu(page, 'Help', 'About Tovk');
  const about = await page.waitForSelector(aria('About Tovk', 'dialog'));
  assert.match(await about.evaluate((box) => box.textContent), /Tovk - Incremental release.*Version 1\.0/s);
  await page.close();
});

test('Auto CQ calls every second until Esc; Exit ends the game and leaves no recovery copy', async () => {
  const page = await site.open('?seed=1');
  await press(page, 'Auto CQ');
  await page.waitForFunction(() =>
    document.querySelector('[aria-label="Outgoing"]').childElementCount >= 3, { timeout: 6_000 });
  await page.keyboard.press('Escape');
  await idle(page);
  const stopped = (await linesOf(page, 'Outgoing')).length;
  await new Promise((r) => setTimeout(r, 1_500));
  assert.equal((await linesOf(page, 'Outgoing')).length, stopped);

  await play(page, contactByHand.slice(1));
  await press(page, 'Exit');
  await answerBox(page, 'Are you sure ?', 'Yes');
  await answerBox(page, 'Save the game', 'No');
  await page.waitForSelector('::-p-text(Tovk has ended)');
  const kept = await page.evaluate(() => Object.keys(localStorage));
  assert.ok(kept.includes('tovk:file:tovk.ini'), 'the settings are written on quitting');
  assert.ok(!kept.includes('tovk:file:tovk-recovery.sav'), 'a clean quit leaves nothing to recover');
  await page.close();
});
