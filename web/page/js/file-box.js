// The file box the game asks for (Save, Restore, the saved-game choice,
// the exports): the files kept in this browser, a name to type, and for
// opening, a file of the player's own to upload. A file saved is also
// offered as a download once the game has written it.
import { openDialog } from './modal-boxes.js';

// The extension of a filter's first pattern: "Saved Files|*.sav|..." gives
// ".sav"; none for "*.*".
export function firstExtension(filter) {
  const pattern = (filter.split('|')[1] ?? '').split(';')[0];
  const match = /^\*(\.[^.*]+)$/.exec(pattern);
  return match ? match[1] : '';
}

// The files the game keeps for itself in its folder.
const gameFiles = new Set(['tovk.ini', 'tovk.ss', 'tovk-recovery.sav', 'tovk-history.csv']);

function labelled(caption, control) {
  const label = document.createElement('label');
  label.append(caption, control);
  return label;
}

export class FileBox {
  constructor(storage) {
    this.storage = storage;
    // The name of the file the running call saves, to offer for download.
    this.pendingDownload = null;
  }

  // Resolves with the chosen name (without a folder: the game's folder), or
  // null when cancelled.
  async choose(request) {
    const extension = firstExtension(request.filter);
    const chosen = await openDialog({
      title: request.title || (request.save ? 'Save As' : 'Open'),
      className: 'file-box',
      fill: (box, answer) => this.fill(box, answer, request, extension),
    });
    if (chosen && request.save) this.pendingDownload = chosen;
    return chosen;
  }

  fill(box, answer, request, extension) {
    const body = document.createElement('div');
    body.className = 'body';
    const kept = document.createElement('select');
    kept.size = 6;
    kept.setAttribute('aria-label', 'Files kept in this browser');
    for (const name of this.storage.list(extension)) kept.append(new Option(name, name));
    const name = document.createElement('input');
    name.type = 'text';
    name.value = request.fileName;
    name.autofocus = true;
    name.spellcheck = false;
    kept.addEventListener('change', () => {
      name.value = kept.value;
    });
    kept.addEventListener('dblclick', () => kept.value && answer(kept.value));
    name.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && name.value.trim()) answer(name.value.trim());
    });
    body.append(labelled('Files kept in this browser', kept), labelled('File name', name));

    if (request.save) {
      const note = document.createElement('p');
      note.className = 'note';
      note.textContent = 'The file is kept in this browser and downloaded as well.';
      body.append(note);
    } else {
      const upload = document.createElement('input');
      upload.type = 'file';
      if (extension) upload.accept = extension;
      upload.addEventListener('change', async () => {
        const file = upload.files[0];
        if (!file) return;
        // A file named like one of the game's own is kept beside it, not over it.
        const name = gameFiles.has(file.name.toLowerCase()) ? `uploaded-${file.name}` : file.name;
        this.storage.put(name, new Uint8Array(await file.arrayBuffer()));
        answer(name);
      });
      body.append(labelled('Upload a file of your own', upload));
    }

    const buttons = document.createElement('div');
    buttons.className = 'buttons end';
    const accept = document.createElement('button');
    accept.type = 'button';
    accept.textContent = request.save ? 'Save' : 'Open';
    accept.addEventListener('click', () => name.value.trim() && answer(name.value.trim()));
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.textContent = 'Cancel';
    cancel.addEventListener('click', () => answer(null));
    buttons.append(accept, cancel);
    box.append(body, buttons);
    return null;
  }

  // After a call: the file it saved, once written, as a download (under the
  // name chosen, or that name with the extension the game added).
  offerDownload(written, download) {
    const wanted = this.pendingDownload;
    this.pendingDownload = null;
    if (!wanted) return;
    const name = written.find((file) => file === wanted) ??
      written.find((file) => file.startsWith(wanted));
    if (name) download(name, this.storage.read(name));
  }
}
