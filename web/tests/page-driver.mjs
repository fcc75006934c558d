// Playing the page as a player does: controls found by their role and name,
// as a screen reader finds them, clicked and typed into; what the windows
// show read back line by line.
export const aria = (name, role) => `::-p-aria([name="${name}"][role="${role}"])`;

export async function press(page, caption) {
  const button = await page.waitForSelector(aria(caption, 'button'));
  await button.click();
  await idle(page);
}

// Waits until the game has answered the last thing the player did (and the
// page has painted it): no call into the game runs, or one waits in a box.
export async function idle(page) {
  await page.waitForFunction(() => new Promise((painted) => requestAnimationFrame(() => setTimeout(() => painted(true), 0))));
}

// The lines of the text window named `window`, also while its notebook page
// is not the one shown.
export async function linesOf(page, window) {
  return page.$eval(`[role="log"][aria-label="${window}"]`,
    (log) => [...log.children].map((line) => line.textContent));
}

// The alert box with `message`; clicks its `answer` button.
export async function answerBox(page, message, answer) {
  const box = await page.waitForSelector(aria(message, 'alertdialog'));
  const button = await box.waitForSelector(aria(answer, 'button'));
  await button.click();
  await idle(page);
}

// Types `text` into the entry field named `field` ("Callsign", ...).
export async function typeField(page, field, text) {
  const input = await page.waitForSelector(aria(field, 'textbox'));
  await input.click({ clickCount: 3 });
  await input.type(text);
  await idle(page);
}

export async function statusBar(page) {
  return page.$$eval('#status-bar > span', (panels) => panels.map((panel) => panel.textContent));
}

// Presses `caption` (or a key) until the status bar's last panel reads `state`.
export async function until(page, state, step, tries = 30) {
  for (let i = 0; i < tries; ++i) {
    const panels = await statusBar(page);
    if (panels[18] === state) return true;
    await step();
  }
  return false;
}
