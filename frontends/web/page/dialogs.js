'use strict';
// The program's dialogs and message boxes as HTML dialogs, modal over the page: a title bar,
// the controls where the dialog's layout puts them, Enter for the default button and Esc or
// the close box for Cancel. Buttons send their ids; a box answers its request.
const vandrelDialogs = (() => {
  const IDOK = 1;
  const IDCANCEL = 2;
  const MB_ICONERROR = 0x10;
  const MB_ICONINFORMATION = 0x40;
  const open = new Set();

  // A dialog element with a title bar; onCancel runs for Esc and the close box.
  function frame(title, onCancel) {
    const dialog = document.createElement('dialog');
    dialog.className = 'window';
    const bar = document.createElement('header');
    const caption = document.createElement('span');
    caption.textContent = title;
    const closer = document.createElement('button');
    closer.type = 'button';
    closer.className = 'close-box';
    closer.setAttribute('aria-label', vandrelWords.close);
    closer.textContent = '×';
    closer.addEventListener('click', onCancel);
    bar.append(caption, closer);
    dialog.append(bar);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      onCancel();
    });
    return dialog;
  }

  function show(dialog, host) {
    host.append(dialog);
    open.add(dialog);
    dialog.showModal();
  }

  function remove(dialog) {
    open.delete(dialog);
    if (dialog.open) dialog.close();
    dialog.remove();
  }

  // Enter in the dialog presses its default button, unless a button has the focus.
  function enterPresses(dialog, button) {
    dialog.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.target instanceof HTMLButtonElement) return;
      event.preventDefault();
      button.click();
    });
  }

  function control(item, send) {
    let element;
    if (item.type === 'default' || item.type === 'button') {
      element = document.createElement('button');
      element.type = 'button';
      vandrelLabels.fill(element, item.text);
      element.addEventListener('click', () => send(item.id));
    } else if (item.type === 'edit') {
      element = document.createElement('input');
      element.type = 'text';
      element.value = item.text;
    } else if (item.type === 'list') {
      element = document.createElement('div');
      element.className = 'list';
    } else if (item.type === 'icon') {
      element = document.createElement('img');
      element.src = 'icons/vandrel-32.png';
      element.alt = '';
    } else {
      element = document.createElement('span');
      element.className = 'label';
      element.textContent = item.text;
    }
    element.classList.add('control');
    if (item.type === 'default') element.classList.add('default');
    Object.assign(element.style, {
      left: `${item.x}px`, top: `${item.y}px`, width: `${item.w}px`, height: `${item.h}px`,
    });
    element.dataset.control = String(item.id);
    return element;
  }

  // A dialog of the program: send(id) for each button pressed, IDCANCEL for Esc.
  function openDialog(layout, send, host) {
    const dialog = frame(layout.title, () => send(IDCANCEL));
    const client = document.createElement('div');
    client.className = `client points-${layout.fontPoints}`;
    client.style.width = `${layout.width}px`;
    client.style.height = `${layout.height}px`;
    const controls = layout.controls.map((item) => control(item, send));
    client.append(...controls);
    dialog.append(client);
    const byDefault = controls.find((element) => element.classList.contains('default'));
    if (byDefault) enterPresses(dialog, byDefault);
    show(dialog, host);
    const first = controls.find((element) => element.matches('button, input'));
    if (first) first.focus();
    return dialog;
  }

  function icon(type) {
    const mark = document.createElement('span');
    if (type & MB_ICONERROR) {
      mark.className = 'box-icon error';
      mark.textContent = '×';
    } else if (type & MB_ICONINFORMATION) {
      mark.className = 'box-icon information';
      mark.textContent = 'i';
    }
    return mark;
  }

  // A message box with one OK button; answer() runs once when it closes.
  function messageBox(text, caption, type, answer, host) {
    const finish = () => {
      remove(dialog);
      answer();
    };
    const dialog = frame(caption, finish);
    dialog.classList.add('box');
    const body = document.createElement('div');
    body.className = 'box-body';
    const words = document.createElement('p');
    words.textContent = text;
    body.append(icon(type), words);
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = vandrelWords.ok;
    ok.addEventListener('click', finish);
    buttons.append(ok);
    dialog.append(body, buttons);
    show(dialog, host);
    ok.focus();
  }

  // Asks for a file name to save under; answer(name) with the name, or answer(null).
  function askName(title, answer, host) {
    const finish = (name) => {
      remove(dialog);
      answer(name);
    };
    const dialog = frame(title, () => finish(null));
    dialog.classList.add('box');
    const body = document.createElement('label');
    body.className = 'name-body';
    body.append(vandrelWords.fileName);
    const field = document.createElement('input');
    field.type = 'text';
    body.append(field);
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const save = document.createElement('button');
    save.type = 'button';
    save.textContent = vandrelWords.save;
    save.addEventListener('click', () => finish(field.value.trim() || null));
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.textContent = vandrelWords.cancel;
    cancel.addEventListener('click', () => finish(null));
    buttons.append(save, cancel);
    dialog.append(body, buttons);
    enterPresses(dialog, save);
    show(dialog, host);
    field.focus();
  }

  function renderList(element, list) {
    const table = document.createElement('table');
    table.classList.toggle('grid', list.grid);
    const head = table.createTHead().insertRow();
    for (const heading of list.headings) {
      const cell = document.createElement('th');
      cell.textContent = heading;
      head.append(cell);
    }
    const body = table.createTBody();
    for (const row of list.rows) {
      const line = body.insertRow();
      for (const text of row) line.insertCell().textContent = text;
      line.addEventListener('click', () => {
        for (const other of body.rows) other.classList.toggle('selected', other === line);
      });
    }
    element.replaceChildren(table);
  }

  return {
    openDialog, messageBox, askName, renderList, remove,
    anyOpen: () => open.size > 0,
  };
})();
