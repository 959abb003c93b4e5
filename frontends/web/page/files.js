'use strict';
// Files between the player's system and the program's file system: a file chosen in the
// browser's picker or dropped on the page is copied into /uploads for the program to open; a
// saved game is written by the program into /saves and then delivered to the player, into the
// file the browser's save picker chose where the browser has one, else as a download.
const vandrelFilesOfPage = (() => {
  const UPLOADS = '/uploads';
  const SAVES = '/saves';
  // Saved games waiting to be delivered, by path: {handle} or {download: name}.
  const waiting = new Map();

  // A name that is safe as one file name in the program's file system.
  function safeName(name) {
    const plain = String(name).replace(/[\/\\\0]/g, '_');
    return plain === '' || plain === '.' || plain === '..' ? 'file' : plain;
  }

  async function receive(file) {
    FS.mkdirTree(UPLOADS);
    const path = `${UPLOADS}/${safeName(file.name)}`;
    FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    return path;
  }

  function accepted(filter) {
    return filter.flatMap((entry) => entry.patterns)
        .map((pattern) => pattern.replace(/^\*/, ''))
        .filter((extension) => extension.startsWith('.'))
        .join(',');
  }

  // Calls answer(path) with the copied file, or answer(null) when the picker was closed.
  function open(filter, answer) {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accepted(filter);
    input.addEventListener('change', async () => {
      const file = input.files[0];
      answer(file ? await receive(file) : null);
    }, {once: true});
    input.addEventListener('cancel', () => answer(null), {once: true});
    input.click();
  }

  function withExtension(name, defaultExt) {
    return defaultExt && !/\.[^.]*$/.test(name) ? `${name}.${defaultExt}` : name;
  }

  // Calls answer(path) with the path the program is to save to, or answer(null).
  async function save(filter, defaultExt, answer, askName) {
    FS.mkdirTree(SAVES);
    if (typeof window.showSaveFilePicker === 'function') {
      let handle;
      try {
        const types = filter.map((entry) => ({
          description: entry.name,
          accept: {'application/x-vandrel-saved-game': entry.patterns.map((p) => p.replace(/^\*/, ''))},
        }));
        handle = await window.showSaveFilePicker({types});
      } catch (error) {
        answer(null);
        return;
      }
      const path = `${SAVES}/${safeName(handle.name)}`;
      waiting.set(path, {handle});
      answer(path);
      return;
    }
    askName((name) => {
      if (name === null) {
        answer(null);
        return;
      }
      const fileName = safeName(withExtension(name, defaultExt));
      const path = `${SAVES}/${fileName}`;
      waiting.set(path, {download: fileName});
      answer(path);
    });
  }

  function download(bytes, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/x-vandrel-saved-game'}));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  async function write(handle, bytes) {
    try {
      const stream = await handle.createWritable();
      await stream.write(bytes);
      await stream.close();
    } catch (error) {
      console.error('vandrel: the saved game could not be written', error);
    }
  }

  // Every waiting saved game that the program has written leaves its file system now.
  function deliver() {
    for (const [path, target] of waiting) {
      if (!FS.analyzePath(path).exists) continue;
      const bytes = FS.readFile(path);
      FS.unlink(path);
      waiting.delete(path);
      if (target.handle) write(target.handle, bytes); else download(bytes, target.download);
    }
  }

  return {receive, open, save, deliver};
})();
