// The game's folder kept in the browser's own storage (localStorage), one
// entry a file under its usual name, its bytes as they are. At start the
// entries become the files of the game's folder; after every call into the
// game the files that changed are written back at once, so a closed tab or a
// crashed browser loses nothing that was written. Exports are only
// downloaded, not kept. When the browser refuses (a private window, a full
// storage), `refused` says so and the game goes on.

const prefix = 'tovk:file:';
// Files written only to be downloaded (exports).
const notKept = /\.(log|adi)$/i;
// The game's temporary files, renamed over their targets when complete.
const temporary = /\.tmp-/;

function bytesToText(bytes) {
  let text = '';
  for (let at = 0; at < bytes.length; at += 0x8000) {
    text += String.fromCharCode.apply(null, bytes.subarray(at, at + 0x8000));
  }
  return text;
}

function textToBytes(text) {
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

export class GameStorage {
  // `store`: window.localStorage, or what stands in for it.
  constructor(fs, folder, store) {
    this.fs = fs;
    this.folder = folder;
    this.store = store;
    this.stamps = new Map(); // name -> how the file stood when last kept
    this.refused = null; // the browser's reason, once it refused
  }

  // Makes the folder and fills it from the storage.
  load() {
    this.fs.mkdirTree(this.folder);
    let names = [];
    try {
      names = Object.keys(this.store).filter((key) => key.startsWith(prefix));
      for (const key of names) {
        const name = key.slice(prefix.length);
        if (name.includes('/') || name === '' || name.startsWith('.')) continue;
        this.fs.writeFile(this.path(name), textToBytes(this.store.getItem(key) ?? ''));
      }
      // A storage that cannot take a byte now will not later either.
      this.store.setItem(`${prefix}.probe`, '');
      this.store.removeItem(`${prefix}.probe`);
    } catch (error) {
      this.refused = error;
    }
    this.stamps = this.currentStamps();
  }

  path(name) {
    return `${this.folder}/${name}`;
  }

  has(name) {
    return this.fs.analyzePath(this.path(name)).exists;
  }

  // The kept files now: name -> a stamp that changes when the file does (a
  // file replaced by renaming is a new node).
  currentStamps() {
    const stamps = new Map();
    for (const name of this.fs.readdir(this.folder)) {
      if (name === '.' || name === '..' || temporary.test(name)) continue;
      const stat = this.fs.stat(this.path(name));
      if (!this.fs.isFile(stat.mode)) continue;
      stamps.set(name, `${stat.ino}:${stat.mtime.getTime()}:${stat.size}`);
    }
    return stamps;
  }

  // Writes back what changed since the last call; returns the names of the
  // files written, downloads included (exports are not kept, but were
  // written).
  keep() {
    const now = this.currentStamps();
    const changed = [];
    for (const [name, stamp] of now) {
      if (this.stamps.get(name) === stamp) continue;
      changed.push(name);
      if (notKept.test(name)) continue;
      this.write(`${prefix}${name}`, () => bytesToText(this.fs.readFile(this.path(name))));
    }
    for (const name of this.stamps.keys()) {
      if (!now.has(name) && !notKept.test(name)) this.write(`${prefix}${name}`, null);
    }
    this.stamps = now;
    return changed;
  }

  // `text` null removes the entry.
  write(key, text) {
    if (this.refused) return;
    try {
      if (text === null) this.store.removeItem(key);
      else this.store.setItem(key, text());
    } catch (error) {
      this.refused = error;
    }
  }

  // The files of the folder whose names end in `extension` ('' for all).
  list(extension) {
    return this.fs
      .readdir(this.folder)
      .filter((name) => name !== '.' && name !== '..' && !temporary.test(name))
      .filter((name) => this.fs.isFile(this.fs.stat(this.path(name)).mode))
      .filter((name) => !extension || name.toLowerCase().endsWith(extension.toLowerCase()))
      .sort();
  }

  // A file the player gave the page (an uploaded saved game or station list).
  put(name, bytes) {
    this.fs.writeFile(this.path(name), bytes);
  }

  remove(name) {
    if (this.has(name)) this.fs.unlink(this.path(name));
  }

  read(name) {
    return this.fs.readFile(this.path(name));
  }
}

// Offers `bytes` as a file download named `name`.
export function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}
