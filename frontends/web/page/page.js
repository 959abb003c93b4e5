'use strict';
// vandrelPage: what the program calls on the page (page_bridge.h), and the Module settings
// that start the program once its file system and font are ready. The address's ?seed=N is
// the program's --seed N, and its ?lang=CODE the program's --lang CODE.
const vandrelPage = (() => {
  const desktop = () => document.getElementById('desktop');
  const windows = new Map();  // the program's window ids: {canvas} or {dialog}
  const KIND = vandrelEvents.KIND;
  const IDOK = 1;
  const IDCANCEL = 2;

  function answer(request, id, text) {
    vandrelEvents.push({kind: KIND.answer, window: request, id, text});
  }

  function dialogControl(window, control) {
    const entry = windows.get(window);
    return entry && entry.dialog ? entry.dialog.querySelector(`[data-control="${control}"]`) : null;
  }

  return {
    openCanvasWindow(window, title, width, height, menu) {
      windows.set(window, {canvas: vandrelCanvasWindow.open(window, title, width, height, menu, desktop())});
    },
    openDialog(window, layout) {
      const send = (id) => vandrelEvents.push({kind: KIND.button, window, id});
      windows.set(window, {dialog: vandrelDialogs.openDialog(layout, send, desktop())});
    },
    closeWindow(window) {
      const entry = windows.get(window);
      if (!entry) return;
      if (entry.canvas) entry.canvas.close(); else vandrelDialogs.remove(entry.dialog);
      windows.delete(window);
    },
    present(window, rgba, x, y, w, h) {
      const entry = windows.get(window);
      if (entry && entry.canvas) entry.canvas.present(rgba, x, y, w, h);
    },
    itemText(window, control) {
      const element = dialogControl(window, control);
      if (!element) return '';
      return element instanceof HTMLInputElement ? element.value : element.textContent;
    },
    setItemText(window, control, text) {
      const element = dialogControl(window, control);
      if (!element) return;
      if (element instanceof HTMLInputElement) element.value = text; else element.textContent = text;
    },
    renderList(window, control, list) {
      const element = dialogControl(window, control);
      if (element) vandrelDialogs.renderList(element, list);
    },
    messageBox(request, text, caption, type) {
      vandrelDialogs.messageBox(text, caption, type, () => answer(request, IDOK), desktop());
    },
    openFile(request, filter) {
      vandrelFilesOfPage.open(filter, (path) => {
        if (path) answer(request, IDOK, path); else answer(request, IDCANCEL);
      });
    },
    saveFile(request, filter, defaultExt) {
      const askName = (then) => vandrelDialogs.askName(vandrelWords.saveAs, then, desktop());
      vandrelFilesOfPage.save(filter, defaultExt, (path) => {
        if (path) answer(request, IDOK, path); else answer(request, IDCANCEL);
      }, askName);
    },
    deliverSavedFiles() {
      vandrelFilesOfPage.deliver();
    },
    showCursor(show) {
      for (const entry of windows.values()) if (entry.canvas) entry.canvas.showCursor(show);
    },
    // The program's own pages lie beside this page; they open in a new tab. The blank page a
    // desktop browser is woken with first is not needed here.
    openUrl(url) {
      if (url === 'about:blank') return;
      const own = 'file:///vandrel/';
      const address = url.startsWith(own) ? url.slice(own.length) : url;
      window.open(address, '_blank', 'noopener');
    },
    // The program's language: the page's words and the document's language follow it.
    useTexts(texts) {
      Object.assign(vandrelWords, texts);
      document.documentElement.lang = texts.lang;
      document.getElementById('ended-text').textContent = texts.ended;
      document.getElementById('again').textContent = texts.again;
    },
    programEnded() {
      document.getElementById('ended').hidden = false;
      document.title = 'Vandrel';
    },
    waitEvent: (timeoutMs) => vandrelEvents.wait(timeoutMs),
    takeEvent: () => vandrelEvents.take(),
    drawText: (...args) => vandrelText.draw(...args),
  };
})();

// The program's start: its arguments from the address, and its run once the font is loaded
// (text is drawn from the first frame on).
var Module = {
  arguments: (() => {
    const query = new URLSearchParams(location.search);
    const seed = query.get('seed');
    const lang = query.get('lang');
    return [
      ...(seed !== null && /^\d+$/.test(seed) ? ['--seed', seed] : []),
      ...(lang !== null && /^[A-Za-z0-9_.@-]+$/.test(lang) ? ['--lang', lang] : []),
    ];
  })(),
  preRun: [() => {
    addRunDependency('vandrel-font');
    document.fonts.load('bold 16px "Vandrel Text"')
        .catch(() => {})
        .finally(() => removeRunDependency('vandrel-font'));
  }],
  print: (text) => console.log(text),
  printErr: (text) => console.warn(text),
};

document.getElementById('again').addEventListener('click', () => location.reload());
