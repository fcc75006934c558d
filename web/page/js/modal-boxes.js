// The modal boxes: the message box titled "Tovk" with its OK, and the Yes/No
// question titled "Confirm". Each is a modal <dialog> with
// role="alertdialog", named by its message; its promise gives the player's
// answer. Esc answers No (and closes a message); the first button has the
// focus, as on the desktop.

let boxCount = 0;

// Opens a modal dialog of `className` titled `title` whose body `fill`
// builds; resolves with what `fill`'s `answer` is given. The box is gone
// before the promise resolves.
export function openDialog({ title, className, role = 'dialog', fill }) {
  const box = document.createElement('dialog');
  box.className = className;
  box.setAttribute('role', role);
  const heading = document.createElement('h2');
  heading.id = `box-${++boxCount}-title`;
  heading.textContent = title;
  box.append(heading);
  return new Promise((resolve) => {
    let done = false;
    const answer = (value) => {
      if (done) return;
      done = true;
      box.close();
      box.remove();
      resolve(value);
    };
    const cancel = fill(box, answer, heading);
    box.addEventListener('cancel', (event) => {
      event.preventDefault();
      answer(cancel);
    });
    if (!box.hasAttribute('aria-labelledby')) box.setAttribute('aria-labelledby', heading.id);
    // Keys pressed while it is open are the box's, not the game's.
    box.dataset.modal = '';
    document.body.append(box);
    box.showModal();
    (box.querySelector('[autofocus]') ?? box.querySelector('.buttons button'))?.focus();
  });
}

function openBox(title, text, buttons) {
  return openDialog({
    title,
    className: 'modal-box',
    role: 'alertdialog',
    fill(box, answer, heading) {
      const message = document.createElement('p');
      message.id = `${heading.id}-text`;
      // The game ends lines with "\n\r" here and there.
      message.textContent = text.replace(/\r\n?|\n\r/g, '\n');
      box.setAttribute('aria-labelledby', message.id);
      const row = document.createElement('div');
      row.className = 'buttons';
      for (const { caption, value } of buttons) {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = caption;
        button.addEventListener('click', () => answer(value));
        row.append(button);
      }
      box.append(message, row);
      return buttons[buttons.length - 1].value;
    },
  });
}

export function askYesNo(question) {
  return openBox('Confirm', question, [
    { caption: 'Yes', value: true },
    { caption: 'No', value: false },
  ]);
}

export async function showMessage(text) {
  await openBox('Tovk', text, [{ caption: 'OK', value: undefined }]);
}
