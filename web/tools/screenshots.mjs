// Pictures of the page for looking at by eye beside the window's (made by
// tovk_ui_screenshot): the same seed, the same contacts played through the
// buttons, the same window size; boxes are answered with OK.
//   node web/tools/screenshots.mjs build-web/page DIR
import { launchChromium, serve } from '../tests/browser.mjs';
import { aria, idle, press, statusBar } from '../tests/page-driver.mjs';

const [folder, out = '.'] = process.argv.slice(2);
const { server, url } = await serve(folder);
const browser = await launchChromium();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 621, height: 600 });
  await page.goto(`${url}?seed=1977`);
  await page.waitForSelector('html[data-state="playable"]');
  await page.screenshot({ path: `${out}/page-start.png` });

  // Any box the game opens is answered with OK, as the window's printed them.
  const pressAnswering = async (caption) => {
    const button = await page.$(aria(caption, 'button'));
    const clicked = button.click();
    await clicked;
    await idle(page);
    for (let box; (box = await page.$('dialog[open] ::-p-aria([name="OK"][role="button"])')); ) {
      console.log('box:', await page.$eval('dialog[open] p', (text) => text.textContent));
      await box.click();
      await idle(page);
    }
  };
  const contacts = async () => Number((await statusBar(page))[7]);
  for (let attempt = 0; attempt < 200 && (await contacts()) < 6; ++attempt) {
    await pressAnswering('Call CQ');
    if ((await statusBar(page))[18] !== 'Called me') continue;
    for (const caption of ['Send Msg', 'Send QSL', 'Log QSO']) await pressAnswering(caption);
  }
  await press(page, 'Call CQ');
  console.log('contacts:', await contacts());
  await page.screenshot({ path: `${out}/page-contacts.png` });
  await page.click('#tab-log');
  await idle(page);
  await page.screenshot({ path: `${out}/page-log.png` });
} finally {
  await browser.close();
  server.kill();
}
