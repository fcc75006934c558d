// The page's start: the game compiled to WebAssembly, the station list and
// the files kept in this browser are loaded side by side; then the window is
// built from the game's tables, the game starts (with ?seed=N the game of
// that seed, as `tovk-term --seed N` plays it), and once the page is on the
// screen the game offers the recovery copy of a game that never quit.
import createGame from '../tovk.js';
import { FileBox } from './file-box.js';
import { GameCalls } from './game-calls.js';
import { MainWindow } from './main-window.js';
import { askYesNo, showMessage } from './modal-boxes.js';
import { SettingsDialog } from './settings-dialog.js';
import { GameStorage, download } from './storage.js';
import { Views } from './views.js';

const gameFolder = '/tovk';
const pageStationList = '/page/TOVK.SS';
const refusedMessage = 'This browser does not let Tovk keep its files (settings, saved games and ' +
  'the copy that restores a game after a crash), perhaps in a private window or with its storage ' +
  'full. The game goes on; Save still downloads your game.';

// localStorage, or a stand-in that keeps nothing when the browser refuses
// even to show it (the refusal shows at the first write).
function browserStorage() {
  try {
    return window.localStorage;
  } catch {
    return {
      getItem: () => null,
      setItem: () => {
        throw new Error('no storage');
      },
      removeItem: () => {},
    };
  }
}

async function start() {
  const stationList = fetch('TOVK.SS').then((reply) => (reply.ok ? reply.arrayBuffer() : null), () => null);
  const page = {};
  const game = await createGame({
    page,
    // The module the page's head began compiling.
    instantiateWasm(imports, receive) {
      window.tovkWasm
        .then((compiled) => WebAssembly.instantiate(compiled, imports).then((made) => receive(made, compiled)))
        .catch(startFailed);
      return {};
    },
  });
  performance.mark('tovk-module');
  const fs = game.FS;

  const storage = new GameStorage(fs, gameFolder, browserStorage());
  storage.load();
  const list = await stationList;
  fs.mkdirTree('/page');
  if (list) fs.writeFile(pageStationList, new Uint8Array(list));
  game.ccall('tovk_create', null, ['string', 'string'], [gameFolder, pageStationList]);
  const tables = JSON.parse(game.ccall('tovk_tables', 'string'));
  performance.mark('tovk-created');

  let refusalShown = false;
  const fileBox = new FileBox(storage);
  const calls = new GameCalls(game, () => {
    mainWindow.flush();
    fileBox.offerDownload(storage.keep(), download);
    if (storage.refused && !refusalShown) {
      refusalShown = true;
      showMessage(refusedMessage);
    }
  });
  const mainWindow = new MainWindow(tables, calls);
  const views = new Views(tables);
  const settings = new SettingsDialog({
    isOwn: () => storage.has('TOVK.SS'),
    keep: (bytes) => storage.put('TOVK.SS', bytes),
    forget: () => storage.remove('TOVK.SS'),
  });
  // The game's screen: the window draws, the boxes ask, the views show.
  Object.assign(page, {
    appendLine: (memo, text) => mainWindow.appendLine(memo, text),
    clearLines: (memo) => mainWindow.clearLines(memo),
    setFieldText: (field, text) => mainWindow.setFieldText(field, text),
    setBandBox: (band) => mainWindow.setBandBox(band),
    setQsoNumber: (text) => mainWindow.setQsoNumber(text),
    setButtonEnabled: (button, enabled) => mainWindow.setButtonEnabled(button, enabled),
    setCallButtonCaption: (caption) => mainWindow.setCallButtonCaption(caption),
    setStatusPanel: (panel, text) => mainWindow.setStatusPanel(panel, text),
    setTimerEnabled: (enabled) => mainWindow.setTimerEnabled(enabled),
    showNotebookPage: (notebookPage) => mainWindow.showNotebookPage(notebookPage),
    paintSectionCell: (section, colour) => mainWindow.paintSectionCell(section, colour),
    paintAreaBox: (area, colour) => mainWindow.paintAreaBox(area, colour),
    dockSectionPanel: (right) => mainWindow.dockSectionPanel(right),
    showLook: (look) => mainWindow.showLook(look),
    moveFocus: (forward) => mainWindow.moveFocus(forward),
    endProgram: () => mainWindow.endProgram(),
    // The boxes show the windows' newest lines before they open.
    showMessage: (text) => (mainWindow.flush(), showMessage(text)),
    askYesNo: (question) => (mainWindow.flush(), askYesNo(question)),
    chooseFile: (request) => (mainWindow.flush(), fileBox.choose(request)),
    runSettingsDialog: (settingsPage, values) => (mainWindow.flush(), settings.run(settingsPage, values)),
    showResults: (summary) => views.showResults(summary),
    showHelp: (topic) => views.showHelp(topic),
    showKeyList: () => views.showKeyList(),
    showAbout: () => views.showAbout(),
  });

  const seed = new URLSearchParams(location.search).get('seed') ?? '';
  performance.mark('tovk-built');
  await calls.call('tovk_start', null, ['string'], [seed]);
  performance.mark('tovk-started');
  const frame = document.getElementById('window');
  frame.classList.remove('starting');
  frame.removeAttribute('aria-busy');
  // The question about the recovery copy waits until the game is painted.
  await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted, 0)));
  performance.mark('tovk-playable');
  document.documentElement.dataset.state = 'playable';
  await calls.call('tovk_offer_recovery', null);
}

function startFailed(error) {
  document.documentElement.dataset.state = 'failed';
  showMessage(`Tovk could not start in this browser: ${error?.message ?? error}`);
}

start().catch(startFailed);
