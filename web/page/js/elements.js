// Making the page's elements in one expression.

// A `tag` element with `properties` set and `children` appended.
export function element(tag, properties = {}, ...children) {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
}

// A group box: a fieldset with its caption.
export function group(caption, ...children) {
  return element('fieldset', {}, element('legend', { textContent: caption }), ...children);
}
