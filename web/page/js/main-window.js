// The main window in the page: its menus, status bar, section map, text
// windows, entry strip and button groups, built from the game's tables, and
// the drawing half of the game's screen (the calls that show something).
// Every control passes what the player does to the game as a command.
import { applyFont, cssColour } from './colours.js';
import { chordOf, findKey } from './keys.js';
import { element } from './elements.js';

// The status bar's panels, left to right: width, design-time text, the
// name a screen reader gives it, a caption (no bevel), a count (right-aligned).
const statusPanels = [
  [25, 'GMT', 'GMT', true], [35, '', 'Contest time'],
  [30, 'Local', 'Local', true], [35, '', 'Local time'],
  [20, 'Op', 'Op', true], [52, '', 'Operating time'],
  [31, "QSo's", "QSo's", true], [30, '', 'QSOs', false, true],
  [45, 'Sections', 'Sections', true], [20, '', 'Sections worked', false, true],
  [31, 'Score', 'Score', true], [55, '', 'Score value', false, true],
  [26, 'Q/hr', 'Q/hr', true], [25, '', 'QSO rate', false, true],
  [28, 'Dups', 'Dups', true], [25, '', 'Duplicates', false, true],
  [23, 'Lids', 'Lids', true], [25, '', 'Operator errors', false, true],
  [20, 'States', 'Station state'],
];

// The button groups along the bottom: caption and width.
const buttonGroups = [['Radio', 89], ['Macro keys', 257], ['Data functions', 89], ['Misc', 174]];

// The section map: the cells' places inside their area box's frame, and
// where the first box's frame lies inside the map's; a box of more than five
// sections is two rows high. The caption sits on the frame's top edge.
const cellColumns = [1, 34, 67, 100, 132];
const cellRows = [5, 18];
const firstAreaTop = 12;
const captionHalf = 6;

const memoIds = ['memo-incoming', 'memo-log', 'memo-outgoing'];

export class MainWindow {
  constructor(tables, calls) {
    this.tables = tables;
    this.calls = calls;
    this.command = Object.fromEntries(tables.commands.map((row) => [row.name, row.command]));
    this.memos = memoIds.map((id) => document.getElementById(id));
    this.scrollWaiting = new Set();
    this.fields = [0, 1, 2, 3, 4].map((i) => document.getElementById(`field-${i}`));
    this.band = document.getElementById('band');
    this.qsoNumber = document.getElementById('qso-number');
    this.middle = document.getElementById('middle');
    this.timer = null;
    this.keyTarget = null;
    this.buildMenus();
    this.buildStatusBar();
    this.buildSectionMap();
    this.buildButtons();
    this.connectControls();
  }

  // --- Building ------------------------------------------------------------

  buildMenus() {
    const bar = document.getElementById('menu-bar');
    for (const entry of this.tables.menus.bar) {
      if (entry.command >= 0) {
        bar.append(element('div', { className: 'menu' }, this.menuButton(entry, 'menu-title')));
        continue;
      }
      const list = element('div', { className: 'menu-list', hidden: true, role: 'menu' });
      list.setAttribute('aria-label', entry.caption);
      for (const item of this.tables.menus[entry.submenu]) {
        list.append(item.separator ? element('hr') : this.menuButton(item, '', 'menuitem'));
      }
      const title = element('button', { type: 'button', className: 'menu-title', textContent: entry.caption });
      title.setAttribute('aria-haspopup', 'menu');
      title.setAttribute('aria-expanded', 'false');
      title.addEventListener('click', () => this.openMenu(list.hidden ? list : null));
      bar.append(element('div', { className: 'menu' }, title, list));
    }
    document.addEventListener('pointerdown', (event) => {
      if (!event.target.closest('.menu')) this.openMenu(null);
    });
    bar.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.openMenu(null);
    });
  }

  menuButton(entry, className, role) {
    const button = element('button', { type: 'button', className, textContent: entry.caption });
    if (role) button.setAttribute('role', role);
    button.addEventListener('click', () => {
      this.openMenu(null);
      this.calls.run(entry.command);
    });
    return button;
  }

  // Opens `list` (null: closes every menu).
  openMenu(list) {
    for (const open of document.querySelectorAll('.menu-list')) {
      open.hidden = open !== list;
      open.previousElementSibling.setAttribute('aria-expanded', String(open === list));
    }
    list?.querySelector('button')?.focus();
  }

  buildStatusBar() {
    const bar = document.getElementById('status-bar');
    this.panels = statusPanels.map(([width, text, name, caption, count]) => {
      const panel = element('span', { textContent: text });
      panel.style.width = `${width}px`;
      panel.style.minWidth = `${width}px`;
      panel.dataset.name = name;
      if (!caption) panel.classList.add('figure');
      if (count) panel.classList.add('count');
      panel.setAttribute('aria-label', caption ? name : `${name} ${text}`);
      bar.append(panel);
      return panel;
    });
  }

  buildSectionMap() {
    const host = document.getElementById('section-map');
    const map = this.captionBox('Sections', 'map');
    const areas = this.tables.areas;
    let top = firstAreaTop;
    this.areas = [];
    this.cells = [];
    areas.forEach((area, index) => {
      const count = area.last - area.first + 1;
      const height = count > 5 ? 42 : 29;
      const box = this.captionBox(area.caption, 'area');
      box.style.top = `${top}px`;
      box.style.height = `${height - captionHalf}px`;
      box.title = index === areas.length - 1 ? 'Sections in the VE call areas'
        : `Sections in the ${area.caption} call area`;
      for (let section = area.first; section <= area.last; ++section) {
        const slot = section - area.first;
        const cell = element('button', {
          type: 'button',
          className: 'cell',
          textContent: this.tables.sections[section],
          tabIndex: -1,
        });
        cell.style.left = `${cellColumns[slot % 5]}px`;
        cell.style.top = `${cellRows[Math.floor(slot / 5)]}px`;
        cell.addEventListener('click', () => this.calls.run(this.command.ClickSectionMap));
        box.append(cell);
        this.cells[section] = cell;
      }
      map.append(box);
      this.areas.push(box);
      top += height;
    });
    host.append(map);
  }

  captionBox(caption, className) {
    const box = element('div', { className: `caption-box ${className}` });
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', caption);
    box.append(element('span', { className: 'caption', textContent: caption }));
    return box;
  }

  buildButtons() {
    const host = document.getElementById('button-groups');
    this.groups = buttonGroups.map(([caption, width]) => {
      const group = element('fieldset', { className: 'button-group' }, element('legend', { textContent: caption }));
      group.style.width = `${width}px`;
      host.append(group);
      return group;
    });
    this.buttons = [];
    for (const row of this.tables.commands) {
      if (row.group < 0) continue;
      const caption = element('span', { textContent: row.caption });
      const button = element('button', { type: 'button', title: row.hint },
        element('img', { src: `icons/${row.picture}.svg`, alt: '', width: 16, height: 16 }), caption);
      button.dataset.name = row.name;
      button.style.gridRow = String(row.row + 1);
      button.style.gridColumn = String(row.column + 1);
      button.addEventListener('click', () => this.calls.run(row.command));
      this.groups[row.group].append(button);
      this.buttons[row.command] = button;
    }
  }

  connectControls() {
    this.band.append(element('option', { value: '', textContent: '' }));
    for (const band of this.tables.bands) this.band.append(element('option', { value: band, textContent: band }));
    this.band.addEventListener('change', () =>
      this.calls.run(this.command.ChooseBand, 0, this.band.value));
    this.fields.forEach((field, index) => {
      field.addEventListener('input', () => {
        // Letters become capitals as they are typed.
        const { selectionStart, selectionEnd } = field;
        const upper = field.value.toUpperCase();
        if (upper !== field.value) {
          field.value = upper;
          field.setSelectionRange(selectionStart, selectionEnd);
        }
        this.calls.run(this.command.TypeField, index, field.value);
      });
    });
    // The right mouse button clears the incoming and outgoing windows.
    for (const [memo, command] of [[0, 'ClearIncoming'], [2, 'ClearOutgoing']]) {
      this.memos[memo].addEventListener('contextmenu', (event) => {
        event.preventDefault();
        this.calls.run(this.command[command]);
      });
    }
    document.getElementById('tab-qso').addEventListener('click', () => this.chooseNotebookPage(0));
    document.getElementById('tab-log').addEventListener('click', () => this.chooseNotebookPage(1));
    document.addEventListener('keydown', (event) => this.keyPressed(event));
  }

  // --- Input ---------------------------------------------------------------

  keyPressed(event) {
    // Keys in a box, a menu or one of the views are theirs.
    if (this.calls.busy || document.querySelector('dialog[data-modal]')) return;
    if (event.target instanceof Element && event.target.closest('dialog, .menu-bar')) return;
    const chord = chordOf(event);
    const row = chord && findKey(this.tables.keys, chord);
    if (!row) return;
    event.preventDefault();
    // A key held down acts once; only moving between the fields repeats.
    const repeats = row.command === this.command.NextField || row.command === this.command.PreviousField;
    if (event.repeat && !repeats) return;
    this.keyTarget = event.target;
    this.calls.pressKey(chord).finally(() => {
      this.keyTarget = null;
    });
  }

  chooseNotebookPage(page) {
    this.showNotebookPage(page);
    this.calls.call('tovk_notebook_page', null, ['number'], [page]);
    this.scrollToEnd(page === 1 ? 1 : 0);
  }

  // --- The game's screen ---------------------------------------------------

  appendLine(memo, text) {
    this.memos[memo].append(element('div', { textContent: text }));
    this.scrollWaiting.add(memo);
  }

  clearLines(memo) {
    this.memos[memo].replaceChildren();
  }

  // Shows the newest lines of the windows that got some.
  flush() {
    for (const memo of this.scrollWaiting) this.scrollToEnd(memo);
    this.scrollWaiting.clear();
  }

  scrollToEnd(memo) {
    const view = this.memos[memo];
    view.scrollTop = view.scrollHeight;
  }

  setFieldText(field, text) {
    if (this.fields[field].value !== text) this.fields[field].value = text;
  }

  setBandBox(band) {
    this.band.value = this.tables.bands.includes(band) ? band : '';
  }

  setQsoNumber(text) {
    this.qsoNumber.value = text;
  }

  setButtonEnabled(button, enabled) {
    this.buttons[button].disabled = !enabled;
  }

  setCallButtonCaption(caption) {
    this.buttons[this.command.CallStation].querySelector('span').textContent = caption;
  }

  setStatusPanel(index, text) {
    const panel = this.panels[index];
    panel.textContent = text;
    // A screen reader reads a figure by its name, which carries the value.
    if (panel.classList.contains('figure')) panel.setAttribute('aria-label', `${panel.dataset.name} ${text}`);
  }

  setTimerEnabled(enabled) {
    if (enabled === (this.timer !== null)) return;
    if (!enabled) {
      clearInterval(this.timer);
      this.timer = null;
      return;
    }
    this.timer = setInterval(() => this.calls.tick(), 1000);
  }

  showNotebookPage(page) {
    const chosen = page === 1 ? 'log' : 'qso';
    for (const name of ['qso', 'log']) {
      const tab = document.getElementById(`tab-${name}`);
      tab.setAttribute('aria-selected', String(name === chosen));
      tab.tabIndex = name === chosen ? 0 : -1;
      document.getElementById(`page-${name}`).hidden = name !== chosen;
    }
  }

  paintSectionCell(section, colour) {
    const cell = this.cells[section];
    if (!cell) return;
    cell.style.background = cssColour(colour);
    cell.style.color = '#000';
  }

  paintAreaBox(area, colour) {
    if (this.areas[area]) this.areas[area].style.background = cssColour(colour);
  }

  dockSectionPanel(right) {
    this.middle.classList.toggle('map-right', right);
  }

  showLook(look) {
    this.memos.forEach((memo, index) => {
      memo.style.background = cssColour(look.memoColours[index]);
      applyFont(memo, look.fonts[index]);
    });
    this.memos[0].classList.toggle('wrap', look.incomingWordwrap);
    this.groups.forEach((group, index) => {
      group.style.background = cssColour(look.groupColours[index]);
    });
    document.getElementById('band-group').style.background = cssColour(look.bandColour);
    document.getElementById('qso-number-group').style.background = cssColour(look.qsoNumberColour);
  }

  moveFocus(forward) {
    const from = this.keyTarget ?? document.activeElement;
    const current = this.fields.indexOf(from);
    // From outside the fields, forward starts at the number, back at the section.
    let next = forward ? 0 : this.fields.length - 1;
    if (current >= 0) next = (current + (forward ? 1 : -1) + this.fields.length) % this.fields.length;
    this.fields[next].focus();
    this.fields[next].select();
  }

  endProgram() {
    this.setTimerEnabled(false);
    const again = element('button', { type: 'button', className: 'plain', textContent: 'Play again' });
    again.addEventListener('click', () => location.reload());
    document.body.append(element('div', { className: 'ended', role: 'status' },
      element('p', { textContent: 'Tovk has ended. 73!' }), again));
  }
}
