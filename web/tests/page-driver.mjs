// Playing the page as a player does: controls found by their role and name,
// as a screen reader finds them, clicked and typed into; what the windows
// show read back line by line. And the same steps played by tovk-term.
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

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

// The contact of seed 1 taken by hand: two CQs, three repeats, the exchange
// typed into the fields, then sent (the station's answer to the message puts
// its own check into the field), QSLed and logged. Each step as the page does it and as tovk-term's command.
export const contactByHand = [
  ['Call CQ'], ['Call CQ'], ['Repeat'], ['Repeat'], ['Repeat'],
  ['type', 'Number', '1'], ['type', 'Prec', 'b'], ['type', 'Callsign', 'ak3vlb'],
  ['type', 'Check', '56'], ['type', 'Section', 'mdc'],
  ['Send Msg'], ['Send QSL'], ['Log QSO'],
];
const termFields = { Number: 'number', Prec: 'prec', Callsign: 'call', Check: 'check', Section: 'section' };
export const loggedContact = '1977/11/18|21:00|AK3VLB    | 40|    1| B | 35| MDC |    1';

export async function play(page, steps) {
  for (const [what, field, text] of steps) {
    if (what === 'type') await typeField(page, field, text);
    else if (what === 'key') await page.keyboard.press(field).then(() => idle(page));
    else await press(page, what);
  }
}

// What tovk-term plays for `steps` with `seed`, then `more` commands of its
// own: the lines of each window, and the files it wrote (latin1 texts).
export function termRun(term, pageFolder, steps, seed, more = []) {
  const folder = mkdtempSync(join(tmpdir(), 'tovk-page-term-'));
  try {
    copyFileSync(join(pageFolder, 'TOVK.SS'), join(folder, 'TOVK.SS'));
    const commands = steps.map(([what, field, text]) => {
      if (what === 'type') return `type ${termFields[field]} ${text}`;
      if (what === 'key') return { F1: 'call cq', Enter: 'enter' }[field];
      return what;
    });
    const run = spawnSync(term, ['--dir', folder, '--seed', String(seed)],
      { input: `${[...commands, ...more].join('\n')}\n`, encoding: 'utf8' });
    const lines = run.stdout.split('\n');
    const tagged = (tag) => lines.filter((line) => line.startsWith(tag)).map((line) => line.slice(6));
    const files = Object.fromEntries(readdirSync(folder).map((name) => [name, readFileSync(join(folder, name), 'latin1')]));
    return { lines: { Incoming: tagged('in  | '), Outgoing: tagged('out | '), Log: tagged('log | ') }, files };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

