// The views besides the game's screen: the results summary with its rate
// chart, the help document, the key list and the about box. Each is a
// dialog that stays open beside the game (the game does not wait for it)
// and is made once and shown again on the next request.
import { download } from './storage.js';
import { element, group } from './elements.js';

const figureNames = ['Contacts', 'Sections', 'Score', 'Q/hr', 'Dupes', 'Lids', 'Operating time'];
const historyColumns = ['Run', 'Call', 'Power', 'QSOs', 'Sections', 'Score', 'Dupes', 'Lids', 'Op time'];
// Where the help's topics lie in the document (Contents, Help on help, Full
// text search, Search).
const helpPlaces = ['contents', 'helponhelp', null, 'index'];

// A dialog beside the game, made once; `build(body)` fills it.
function view(title, className, build) {
  const box = element('dialog', { className: `view ${className}` });
  const heading = element('h2', { textContent: title, id: `${className}-title` });
  box.setAttribute('aria-labelledby', heading.id);
  const close = element('button', { type: 'button', textContent: 'Close' });
  close.addEventListener('click', () => box.close());
  const body = element('div', { className: 'body' });
  box.append(heading, body);
  const buttons = element('div', { className: 'buttons end' }, close);
  box.append(buttons);
  build(body, buttons, close);
  document.body.append(box);
  return box;
}

function showView(box) {
  if (!box.open) box.show();
  box.querySelector('.buttons button')?.focus();
}

// "2024-11-16T14:05:09" as "2024-11-16 14:05"; anything else as it stands.
function runTime(when) {
  return when.length >= 16 && when[10] === 'T' ? `${when.slice(0, 10)} ${when.slice(11, 16)}` : when;
}

export function gridStep(busiest) {
  for (let step = 1; ; step *= 10) {
    for (const factor of [1, 2, 5]) {
      if (Math.ceil(busiest / (step * factor)) <= 5) return step * factor;
    }
  }
}

// The chart of contacts per contest hour (the contest starts on the 18th at
// 21:00 UTC), a labelled hour every six.
function drawRateChart(canvas, counts) {
  const ratio = window.devicePixelRatio || 1;
  const width = canvas.clientWidth || 620;
  const height = canvas.clientHeight || 210;
  canvas.width = width * ratio;
  canvas.height = height * ratio;
  const paint = canvas.getContext('2d');
  paint.scale(ratio, ratio);
  paint.fillStyle = '#fff';
  paint.fillRect(0, 0, width, height);
  const plot = { left: 36, top: 22, right: width - 10, bottom: height - 34 };
  paint.font = '11px Arial, "Liberation Sans", sans-serif';
  paint.fillStyle = '#000';
  paint.textAlign = 'center';
  paint.fillText('Contacts per contest hour (UTC)', width / 2, 15);
  const busiest = Math.max(0, ...counts);
  const step = gridStep(busiest);
  const top = Math.max(5, Math.ceil(busiest / step) * step);
  const scaleStep = gridStep(top);
  const yOf = (count) => plot.bottom - (count * (plot.bottom - plot.top)) / top;
  paint.textAlign = 'right';
  for (let value = 0; value <= top; value += scaleStep) {
    paint.fillStyle = '#d0d0d0';
    paint.fillRect(plot.left, Math.round(yOf(value)), plot.right - plot.left, 1);
    paint.fillStyle = '#000';
    paint.fillText(String(value), plot.left - 4, yOf(value) + 4);
  }
  const slot = (plot.right - plot.left) / counts.length;
  const gap = slot >= 4 ? 1 : 0;
  paint.textAlign = 'center';
  counts.forEach((count, hour) => {
    const left = plot.left + Math.floor(hour * slot);
    const right = plot.left + Math.floor((hour + 1) * slot) - gap;
    if (hour % 6 === 0) {
      paint.fillStyle = '#d0d0d0';
      paint.fillRect(left, plot.top, 1, plot.bottom - plot.top + 3);
      const fromDayStart = 21 + hour;
      paint.fillStyle = '#000';
      paint.fillText(`${String(fromDayStart % 24).padStart(2, '0')}:00`, left, plot.bottom + 15);
      paint.fillText(`Nov ${18 + Math.floor(fromDayStart / 24)}`, left, plot.bottom + 28);
    }
    if (count <= 0) return;
    const y = yOf(Math.min(count, top));
    paint.fillStyle = '#2f5fb3';
    paint.fillRect(left, y, Math.max(1, right - left), plot.bottom - y);
  });
  paint.fillStyle = '#000';
  paint.fillRect(plot.left, plot.bottom, plot.right - plot.left, 1);
}

export class Views {
  constructor(tables) {
    this.tables = tables;
    this.results = null;
    this.help = null;
    this.keys = null;
    this.about = null;
  }

  showResults(summary) {
    this.results ??= view('Results', 'results', () => {});
    const body = this.results.querySelector('.body');
    const figures = element('div', { className: 'figures' });
    const values = [summary.contacts, summary.sections, summary.scoreText, summary.rateText,
      summary.dupes, summary.lids, summary.operatingTime];
    figureNames.forEach((name, i) => figures.append(element('span', { textContent: name }),
      element('b', { textContent: String(values[i]) })));
    if (summary.unreadLines > 0) {
      figures.append(element('span', { textContent: summary.unreadLines === 1
        ? '1 log line could not be read' : `${summary.unreadLines} log lines could not be read` }));
    }
    const bands = element('div', { className: 'bands' },
      ...this.tables.bands.map((band) => element('span', { textContent: `${band} m` })),
      ...summary.contactsPerBand.map((count) => element('span', { textContent: String(count) })));
    const needed = summary.sectionsNeeded.map((area) => `${area.area}: ${area.sections.join(' ')}`);
    const chart = element('canvas');
    chart.setAttribute('role', 'img');
    chart.setAttribute('aria-label', 'Contacts per contest hour');
    const saveChart = element('button', { type: 'button', className: 'plain', textContent: 'Save chart as PNG...' });
    saveChart.addEventListener('click', () => chart.toBlob(async (png) =>
      download('rate.png', new Uint8Array(await png.arrayBuffer()))));
    let history = element('p', { textContent: 'No finished contests yet.' });
    if (summary.history.length > 0) {
      history = element('table', {},
        element('thead', {}, element('tr', {}, ...historyColumns.map((name) => element('th', { textContent: name })))),
        element('tbody', {}, ...summary.history.map((run) => element('tr', {},
          ...[runTime(run.when), run.call, run.power, run.contacts, run.sections, run.score, run.dupes,
            run.lids, run.operatingTime].map((cell) => element('td', { textContent: String(cell) }))))));
    }
    body.replaceChildren(
      element('div', { className: 'top' }, group('Results', figures),
        element('div', { style: 'flex:1' }, group('Contacts per band', bands),
          group('Sections still needed', element('div', { style: 'white-space:pre-wrap',
            textContent: (needed.length ? needed : ['Every section worked']).join('\n') })))),
      group('Rate', chart, element('div', { className: 'buttons end' }, saveChart)),
      group('Practice history', history));
    showView(this.results);
    drawRateChart(chart, summary.contactsPerHour);
  }

  showHelp(topic) {
    if (!this.help) this.help = this.buildHelp();
    const place = helpPlaces[topic];
    const frame = this.help.querySelector('iframe');
    if (!frame.src) frame.src = `tovk-help.html#${place ?? 'contents'}`;
    else if (place) frame.contentWindow.location.hash = place;
    showView(this.help);
    if (place === null) this.help.querySelector('input').focus();
  }

  buildHelp() {
    return view('Tovk Help', 'help', (body, buttons) => {
      body.remove();
      const box = buttons.parentElement;
      const frame = element('iframe', { title: 'Help text' });
      const find = element('input', { type: 'search', placeholder: 'Find in the whole text',
        title: 'Type a word and press Enter to find it' });
      find.setAttribute('aria-label', 'Find');
      const result = element('div', { className: 'find-result' });
      result.setAttribute('aria-label', 'Find result');
      const findNext = (backwards) => {
        if (!find.value) return;
        const found = frame.contentWindow.find(find.value, false, backwards, true);
        result.textContent = found ? '' : `"${find.value}" is not in the help`;
      };
      const tool = (caption, hint, action) => {
        const button = element('button', { type: 'button', textContent: caption, title: hint });
        button.addEventListener('click', action);
        return button;
      };
      find.addEventListener('keydown', (event) => event.key === 'Enter' && findNext(event.shiftKey));
      const toolbar = element('div', { className: 'toolbar' },
        tool('Back', 'Back to the place you came from', () => frame.contentWindow.history.back()),
        tool('Forward', 'Forward again', () => frame.contentWindow.history.forward()),
        tool('Contents', 'The list of topics', () => { frame.contentWindow.location.hash = 'contents'; }),
        tool('Index', 'The keyword index', () => { frame.contentWindow.location.hash = 'index'; }),
        find,
        tool('Previous', 'Previous place', () => findNext(true)),
        tool('Next', 'Next place', () => findNext(false)));
      box.insertBefore(toolbar, buttons);
      box.insertBefore(frame, buttons);
      box.insertBefore(result, buttons);
    });
  }

  showKeyList() {
    this.keys ??= view('Keys', 'key-list', (body, buttons, close) => {
      close.textContent = 'OK';
      const rows = this.tables.keys.map((row) =>
        element('tr', {}, element('td', {}, element('b', { textContent: row.keyText })), element('td', { textContent: row.does })));
      const lines = this.tables.nextStep;
      const enter = element('p', {}, element('b', { textContent: 'Enter' }));
      lines.slice(0, -1).forEach((line, i) => {
        enter.append(i === 0 ? line.replace(/^Enter/, '') : line);
        if (i + 2 < lines.length) enter.append(element('br'));
      });
      body.append(element('table', {}, element('tbody', {}, ...rows)), enter,
        element('p', { textContent: lines[lines.length - 1] }));
    });
    showView(this.keys);
  }

  showAbout() {
    this.about ??= view('About Tovk', 'about', (body, buttons, close) => {
      close.textContent = 'OK';
      body.append(element('div', { className: 'title', textContent: 'Tovk - Incremental release' }),
        element('div', { textContent: 'Version 1.0' }));
    });
    showView(this.about);
  }
}
