'use strict';
// The game window's menu bar, built from the program's menu: a title per menu with its access
// key underlined, items with their shortcuts beside them and separators. A click, the access
// keys (Alt with a title's key, then an item's key) or the arrow keys and Enter choose an item;
// Esc or a click elsewhere closes the menu. A chosen item sends its command.
const vandrelMenu = (() => {
  function build(menu, onCommand) {
    const bar = document.createElement('nav');
    bar.className = 'menubar';
    bar.setAttribute('role', 'menubar');
    const popups = menu.menus.map((popup) => buildPopup(bar, popup));
    let open = null;

    function close() {
      if (!open) return;
      open.list.hidden = true;
      open.title.classList.remove('open');
      open = null;
    }
    function show(popup, focusFirst) {
      close();
      open = popup;
      popup.list.hidden = false;
      popup.title.classList.add('open');
      if (focusFirst) popup.items[0].button.focus();
    }
    function choose(item) {
      close();
      onCommand(item.id);
    }

    for (const popup of popups) {
      popup.title.addEventListener('mousedown', (event) => {
        event.preventDefault();
        if (open === popup) close(); else show(popup, false);
      });
      popup.title.addEventListener('mouseenter', () => {
        if (open && open !== popup) show(popup, false);
      });
      for (const item of popup.items) item.button.addEventListener('click', () => choose(item));
    }
    document.addEventListener('mousedown', (event) => {
      if (open && !bar.contains(event.target)) close();
    });

    // Keys while a menu is open, or Alt with a title's access key; true when the key was used.
    function key(event) {
      if (event.altKey && !event.ctrlKey && event.key.length === 1) {
        const popup = popups.find((p) => p.key === event.key.toUpperCase());
        if (popup) {
          show(popup, true);
          return true;
        }
      }
      if (!open) return false;
      const index = popups.indexOf(open);
      const focused = open.items.findIndex((item) => item.button === document.activeElement);
      if (event.key === 'Escape') {
        close();
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        const step = event.key === 'ArrowDown' ? 1 : -1;
        const count = open.items.length;
        open.items[(focused + step + count) % count].button.focus();
      } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
        const step = event.key === 'ArrowRight' ? 1 : -1;
        show(popups[(index + step + popups.length) % popups.length], true);
      } else if (event.key === 'Enter' && focused >= 0) {
        choose(open.items[focused]);
      } else if (event.key.length === 1) {
        const item = open.items.find((i) => i.key === event.key.toUpperCase());
        if (item) choose(item);
      }
      return true;
    }

    return {element: bar, key, isOpen: () => open !== null, close};
  }

  function buildPopup(bar, popup) {
    const title = document.createElement('button');
    title.className = 'menu-title';
    title.type = 'button';
    title.tabIndex = -1;
    vandrelLabels.fill(title, popup.title);
    const list = document.createElement('div');
    list.className = 'menu-popup';
    list.setAttribute('role', 'menu');
    list.hidden = true;
    const items = [];
    for (const entry of popup.items) {
      if (entry.id === 0) {
        list.append(document.createElement('hr'));
        continue;
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.setAttribute('role', 'menuitem');
      button.dataset.command = String(entry.id);
      const label = document.createElement('span');
      vandrelLabels.fill(label, entry.text);
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      shortcut.textContent = entry.shortcut;
      button.append(label, shortcut);
      list.append(button);
      items.push({id: entry.id, button, key: vandrelLabels.accessKey(entry.text)});
    }
    const holder = document.createElement('div');
    holder.className = 'menu';
    holder.append(title, list);
    bar.append(holder);
    return {title, list, items, key: vandrelLabels.accessKey(popup.title)};
  }

  return {build};
})();
