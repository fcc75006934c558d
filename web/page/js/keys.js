// Reading the browser's key presses as the game's keys: the key, a letter,
// and Shift, Ctrl and Alt, as the game's key table names them. The numbers
// are the game's own (Key in app/commands.h): Enter, Esc, Tab, Shift+Tab,
// Space, PgUp, PgDn, F1..F12, a letter.

const named = {
  Enter: 0,
  Escape: 1,
  Tab: 2,
  ' ': 4,
  PageUp: 5,
  PageDown: 6,
};
const backtab = 3;
const space = 4;
const firstFunctionKey = 7;
const letterKey = 19;

// The chord of a keydown event, or null for a key the game never uses.
export function chordOf(event) {
  let key = named[event.key];
  let letter = '';
  const functionKey = /^F([1-9]|1[0-2])$/.exec(event.key);
  if (functionKey) key = firstFunctionKey + Number(functionKey[1]) - 1;
  // Letters by their place on the keyboard: Alt changes what they type.
  const letterCode = /^Key([A-Z])$/.exec(event.code);
  if (key === undefined && letterCode) {
    key = letterKey;
    letter = letterCode[1];
  }
  if (key === undefined) return null;
  if (key === named.Tab && event.shiftKey) key = backtab;
  // Shift+Tab is a key of its own; Shift+Space is a Space.
  const shiftCounts = key !== backtab && key !== space;
  return {
    key,
    letter,
    shift: shiftCounts && event.shiftKey,
    control: event.ctrlKey,
    alt: event.altKey,
  };
}

// The row of the game's key table for `chord`, or undefined.
export function findKey(keys, chord) {
  return keys.find((row) => row.key === chord.key && row.letter === chord.letter &&
    row.shift === chord.shift && row.control === chord.control && row.alt === chord.alt);
}
