// The game's colours and fonts as CSS. A colour is 0x00BBGGRR, or a desktop
// colour by its number (0xFF0000nn), drawn as the window's desktop draws it.

const desktopColours = {
  0: '#efefef', // scroll bar
  1: '#008080', // desktop
  2: '#308cc6', // active caption
  5: '#ffffff', // window background
  6: '#000000', // window frame
  7: '#000000', // menu text
  8: '#000000', // window text
  9: '#ffffff', // caption text
  10: '#b4b4b4', // active border
  11: '#f4f7fc', // inactive border
  13: '#308cc6', // highlight
  14: '#ffffff', // highlighted text
  15: '#efefef', // button face
  16: '#a0a0a0', // button shadow
  17: '#bebebe', // grey text
  18: '#000000', // button text
  20: '#ffffff', // button highlight
  23: '#000000', // tooltip text
  24: '#ffffdc', // tooltip background
};

const hex = (value) => value.toString(16).padStart(2, '0');

export function cssColour(colour) {
  const value = colour >>> 0;
  if ((value & 0xff000000) >>> 0 === 0xff000000) return desktopColours[value & 0xff] ?? '#efefef';
  return `#${hex(value & 0xff)}${hex((value >>> 8) & 0xff)}${hex((value >>> 16) & 0xff)}`;
}

// '#rrggbb' as the game's colour.
export function gameColour(css) {
  const value = parseInt(css.slice(1), 16);
  return ((value >>> 16) & 0xff) | (value & 0xff00) | ((value & 0xff) << 16);
}

// A caption on this background is written in white.
export function isDark(css) {
  const value = parseInt(css.slice(1), 16);
  const parts = [(value >>> 16) & 0xff, (value >>> 8) & 0xff, value & 0xff];
  return (Math.max(...parts) + Math.min(...parts)) / 2 < 110;
}

// A text window's font: a negative height is the characters' height in
// pixels, a positive one counts the leading as well (about a fifth more).
export function applyFont(element, font) {
  const pixels = font.height < 0 ? -font.height : Math.max(1, Math.floor((font.height * 4) / 5));
  element.style.fontFamily = `"${font.name}", "Courier New", "Liberation Mono", monospace`;
  element.style.fontSize = `${pixels}px`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
  element.style.fontStyle = font.italic ? 'italic' : 'normal';
  const lines = [font.underline && 'underline', font.strikeOut && 'line-through'].filter(Boolean);
  element.style.textDecoration = lines.length ? lines.join(' ') : 'none';
  element.style.color = cssColour(font.colour);
}
