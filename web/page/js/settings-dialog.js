// The settings dialog: its pages "Time out", "My station", "Colours" and
// "Misc" and its "Fonts" menu. The game waits for it; it answers with the
// changes the player made, one line each (see web/wasm/settings_answer.h):
// the items, check boxes, colours and fonts as they were picked, then, on
// OK, the timeout and the own station. Only "Time out" has Cancel; Esc
// closes the dialog on any page, keeping what was picked.
import { cssColour, gameColour, isDark } from './colours.js';
import { openDialog } from './modal-boxes.js';
import { element, group } from './elements.js';

const pageNames = ['Time out', 'My station', 'Colours', 'Misc'];

// The colour labels: the game's colour item, caption, column and row.
const colourLabels = [
  [0, 'Needed', 2, 0], [1, 'Heard', 2, 1], [2, 'Worked', 2, 2],
  [3, 'Incoming', 0, 1], [4, 'Outgoing', 0, 0], [5, 'Log', 0, 2],
  [6, 'Radio group', 1, 0], [7, 'Data group', 1, 2], [8, 'Macro group', 1, 1],
  [9, 'Misc group', 1, 3], [10, 'Section Call areas', 1, 5],
];

// The Fonts menu: its entries and the text window each sets (the game's
// numbers: Incoming 0, Log 1, Outgoing 2).
const fontEntries = [['Incoming window', 0], ['Outgoing window', 2], ['Log', 1]];
const fontFaces = ['Courier New', 'Liberation Mono', 'DejaVu Sans Mono', 'Consolas', 'Lucida Console',
  'Arial', 'Liberation Sans', 'Times New Roman'];

function labelled(caption, control) {
  return element('label', {}, caption, control);
}

function radioPair(name, caption, items, chosen, onPick) {
  const box = group(caption);
  box.setAttribute('role', 'radiogroup');
  box.setAttribute('aria-label', caption);
  items.forEach((item, index) => {
    const radio = element('input', { type: 'radio', name, checked: index === chosen });
    radio.setAttribute('aria-label', `${caption} ${item}`);
    radio.addEventListener('change', () => radio.checked && onPick(index));
    box.append(element('label', {}, radio, ` ${item} `));
  });
  return box;
}

export class SettingsDialog {
  // `stationList`: where the player's own TOVK.SS is kept (see StationList).
  constructor(stationList, chooseColour = pickColour) {
    this.stationList = stationList;
    this.chooseColour = chooseColour;
    // What was typed before the dialog went to choose the saved-game file.
    this.draft = null;
  }

  // `settings`: the values the dialog opens with (the game's SettingsJson).
  run(pageIndex, settings) {
    const draft = this.draft;
    this.draft = null;
    const changes = [];
    return openDialog({
      title: 'Settings',
      className: 'settings',
      fill: (box, answer) => {
        const finish = (extra = []) => answer([...changes, ...extra].join('\n'));
        const pages = this.buildPages(settings, draft, changes, (typed) => {
          this.draft = typed;
          finish(['choose-saved-game']);
        });
        const tabs = element('div', { className: 'tabs' });
        tabs.setAttribute('role', 'tablist');
        const cancel = element('button', { type: 'button', textContent: 'Cancel' });
        const show = (index) => {
          pages.pages.forEach((page, i) => {
            page.hidden = i !== index;
            tabs.children[i].setAttribute('aria-selected', String(i === index));
          });
          cancel.style.visibility = index === 0 ? 'visible' : 'hidden';
        };
        pageNames.forEach((name, index) => {
          const tab = element('button', { type: 'button', textContent: name });
          tab.setAttribute('role', 'tab');
          tab.addEventListener('click', () => show(index));
          tabs.append(tab);
        });
        const ok = element('button', { type: 'button', textContent: 'OK' });
        ok.addEventListener('click', () => finish(pages.confirmed()));
        cancel.addEventListener('click', () => finish());
        box.append(this.fontsMenu(settings, changes), tabs,
          element('div', { className: 'body' }, ...pages.pages),
          element('div', { className: 'buttons end' }, ok, cancel));
        show(draft?.page ?? pageIndex);
        // Esc: the changes picked so far stay.
        box.addEventListener('cancel', () => this.draft === null && finish(), { capture: true });
        return '';
      },
    });
  }

  buildPages(settings, draft, changes, chooseSavedGame) {
    const hours = element('input', { type: 'number', min: 0, max: 60, value: draft?.hours ?? 2 });
    const minutes = element('input', { type: 'number', min: 0, max: 59, value: draft?.minutes ?? 30 });
    hours.setAttribute('aria-label', 'Hours');
    minutes.setAttribute('aria-label', 'Minutes');
    const timeOut = element('div', { className: 'page' },
      group('Set Time Out', element('div', { className: 'grid' },
        labelled('Hours', hours), element('span'), element('span'),
        labelled('Minutes', minutes))));

    const callsign = element('input', { type: 'text', value: draft?.callsign ?? settings.callsign });
    callsign.setAttribute('aria-label', 'My Callsign');
    callsign.addEventListener('input', () => {
      callsign.value = callsign.value.toUpperCase();
    });
    const check = element('input', { type: 'text', value: draft?.check ?? settings.check });
    check.setAttribute('aria-label', 'My Check');
    const myStation = element('div', { className: 'page' },
      group('My Callsign', callsign), group('My Check', check),
      radioPair('power', 'Power (W)', ['100', '1000'], settings.highPower ? 1 : 0,
        (index) => changes.push(`power ${index ? 1000 : 100}`)));

    const colours = element('div', { className: 'page colours' });
    for (const [item, caption, column, row] of colourLabels) {
      const label = element('button', { type: 'button', textContent: caption, title: 'Click to choose the colour' });
      label.setAttribute('aria-label', `${caption} colour`);
      label.style.gridColumn = String(column + 1);
      label.style.gridRow = String(row + 1);
      const paint = (css) => {
        label.style.background = css;
        label.style.color = isDark(css) ? 'white' : 'black';
      };
      paint(cssColour(settings.colours[item]));
      label.addEventListener('click', async () => {
        const chosen = await this.chooseColour(cssColour(settings.colours[item]));
        if (!chosen) return;
        changes.push(`colour ${item} ${gameColour(chosen)}`);
        paint(chosen);
      });
      colours.append(label);
    }

    const savedGame = element('input', { type: 'text', readOnly: true, value: settings.savedGameFile,
      title: 'Click to change Save Game file' });
    savedGame.setAttribute('aria-label', 'Save Game file');
    const typed = () => ({ page: 3, hours: hours.value, minutes: minutes.value,
      callsign: callsign.value, check: check.value });
    savedGame.addEventListener('click', () => chooseSavedGame(typed()));
    savedGame.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        chooseSavedGame(typed());
      }
    });
    const checks = element('div', { className: 'checks' });
    for (const [key, caption, value, hint] of [
      ['autodetect', 'Auto detect', settings.autoDetect, 'Automatically detects parts of incoming QSO message'],
      ['autoclear', 'Auto clear', settings.autoClear, 'Clears incoming QSO message'],
      ['assist', 'Log Assist', settings.assist, 'Inhibits logging until QSO message is sent'],
      ['silent', 'Silent mode', settings.silentMode, ''],
      ['autosave', 'Auto save', settings.autoSave, 'Automatic save and restore of game'],
    ]) {
      const box = element('input', { type: 'checkbox', checked: value, title: hint });
      box.addEventListener('change', () => changes.push(`${key} ${box.checked ? 1 : 0}`));
      checks.append(element('label', { title: hint }, box, ` ${caption}`));
    }
    const misc = element('div', { className: 'page misc' },
      element('div', {}, group('Save Game file', savedGame),
        radioPair('side', 'Section Display', ['Left', 'Right'], settings.sectionMapRight ? 1 : 0,
          (index) => changes.push(`side ${index ? 'right' : 'left'}`))),
      checks, this.stationListGroup());

    return {
      pages: [timeOut, myStation, colours, misc],
      confirmed: () => [`timeout ${Number(hours.value) || 0} ${Number(minutes.value) || 0}`,
        `station ${callsign.value}\t${check.value}`],
    };
  }

  // The player's own station list: kept in the browser, played from the
  // next time the page is opened; the page's own one comes back on request.
  stationListGroup() {
    const said = element('p', { className: 'note' });
    const upload = element('input', { type: 'file', accept: '.ss,.SS' });
    upload.setAttribute('aria-label', 'Load your own TOVK.SS');
    const forget = element('button', { type: 'button', textContent: "Use the page's own" });
    const show = () => {
      const own = this.stationList.isOwn();
      said.textContent = own ? 'Your own TOVK.SS is kept; it plays from the next time the page is opened.'
        : "The page's own TOVK.SS.";
      forget.hidden = !own;
    };
    upload.addEventListener('change', async () => {
      if (upload.files[0]) this.stationList.keep(new Uint8Array(await upload.files[0].arrayBuffer()));
      show();
    });
    forget.addEventListener('click', () => {
      this.stationList.forget();
      show();
    });
    show();
    const box = group('Station list', element('label', {}, 'Load your own TOVK.SS ', upload), forget, said);
    box.style.gridColumn = '1 / 3';
    return box;
  }

  fontsMenu(settings, changes) {
    const list = element('div', { className: 'menu-list', hidden: true, role: 'menu' });
    const title = element('button', { type: 'button', className: 'menu-title', textContent: 'Fonts' });
    title.setAttribute('aria-haspopup', 'menu');
    title.addEventListener('click', () => {
      list.hidden = !list.hidden;
    });
    for (const [caption, memo] of fontEntries) {
      const entry = element('button', { type: 'button', textContent: caption });
      entry.setAttribute('role', 'menuitem');
      entry.addEventListener('click', async () => {
        list.hidden = true;
        const font = await chooseFont(caption, settings.fonts[memo]);
        if (!font) return;
        settings.fonts[memo] = font;
        const flags = [font.bold, font.italic, font.underline, font.strikeOut].map((on) => (on ? 1 : 0));
        changes.push(`font ${memo} ${font.height} ${flags.join(' ')} ${font.name}`);
      });
      list.append(entry);
    }
    return element('div', { className: 'menu-bar' }, element('div', { className: 'menu' }, title, list));
  }
}

// The browser's colour picker; resolves with '#rrggbb' or null.
function pickColour(start) {
  return new Promise((resolve) => {
    const picker = element('input', { type: 'color', value: start });
    picker.addEventListener('change', () => resolve(picker.value));
    picker.addEventListener('cancel', () => resolve(null));
    picker.click();
  });
}

// A small font box: face, size in pixels and style.
function chooseFont(caption, font) {
  return openDialog({
    title: `Font: ${caption}`,
    className: 'settings',
    fill(box, answer) {
      const face = element('select');
      for (const name of new Set([font.name, ...fontFaces])) face.append(new Option(name, name, false, name === font.name));
      const size = element('input', { type: 'number', min: 6, max: 72,
        value: font.height < 0 ? -font.height : Math.max(1, Math.floor((font.height * 4) / 5)) });
      const styles = ['bold', 'italic', 'underline', 'strikeOut'].map((style) =>
        element('input', { type: 'checkbox', checked: font[style] }));
      const ok = element('button', { type: 'button', textContent: 'OK' });
      ok.addEventListener('click', () => answer({ ...font, name: face.value,
        height: -Math.max(6, Math.min(72, Number(size.value) || 13)),
        bold: styles[0].checked, italic: styles[1].checked,
        underline: styles[2].checked, strikeOut: styles[3].checked }));
      const cancel = element('button', { type: 'button', textContent: 'Cancel' });
      cancel.addEventListener('click', () => answer(null));
      box.append(element('div', { className: 'body font-form' },
        'Font', face, 'Size', size,
        ...['Bold', 'Italic', 'Underline', 'Strikeout'].flatMap((name, i) => [name, styles[i]])),
      element('div', { className: 'buttons end' }, ok, cancel));
      return null;
    },
  });
}
