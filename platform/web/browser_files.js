// The program's own folder, /vandrel, kept in the browser's storage (IndexedDB), for the
// leaderboard "list.txt": its bytes are the desktop's, GB18030 with CR LF. The folder is filled
// from the storage before the program starts; under the file lock (file_lock.cpp) it is filled
// afresh once the lock is held and written back before the lock is given up. (Emscripten's
// script tools read this file: it keeps to what they parse, without destructuring.)
var vandrelFiles = {
  folder: '/vandrel',
  database: null,
  held: new Map(),
  nextToken: 1,

  open() {
    if (this.database) return Promise.resolve(this.database);
    return new Promise((resolve, reject) => {
      const request = indexedDB.open('vandrel', 1);
      request.onupgradeneeded = () => request.result.createObjectStore('files');
      request.onsuccess = () => resolve(this.database = request.result);
      request.onerror = () => reject(request.error);
    });
  },

  // Resolves when the transaction has reached the storage, so another tab sees it after.
  async transact(mode, work) {
    const database = await this.open();
    return new Promise((resolve, reject) => {
      const transaction = database.transaction('files', mode);
      const result = work(transaction.objectStore('files'));
      transaction.oncomplete = () => resolve(result.result);
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error);
    });
  },

  // Files the program keeps: not the lock files nor the temporary files of a write.
  kept(name) {
    return name !== '.' && name !== '..' && !name.endsWith('.lock') && !name.endsWith('.tmp');
  },

  async fill() {
    const stored = await this.transact('readonly', (files) => {
      const all = {result: []};
      const cursor = files.openCursor();
      cursor.onsuccess = () => {
        if (!cursor.result) return;
        all.result.push([cursor.result.key, cursor.result.value]);
        cursor.result.continue();
      };
      return all;
    });
    for (const file of stored) FS.writeFile(this.folder + '/' + file[0], file[1]);
  },

  async keep() {
    const names = FS.readdir(this.folder).filter((name) => this.kept(name));
    const files = names.map((name) => [name, FS.readFile(this.folder + '/' + name)]);
    await this.transact('readwrite', (store) => {
      for (const file of files) store.put(file[1], file[0]);
      return {result: undefined};
    });
  },

  // A token when the lock was had within waitMs milliseconds (0: only if it is free now), 0
  // when another tab held it all the while, -1 without the browser's locks (outside a browser).
  async lock(path, waitMs) {
    if (typeof navigator === 'undefined' || !navigator.locks) return -1;
    const token = this.nextToken++;
    const granted = await new Promise((resolve) => {
      const options = waitMs > 0 ? {signal: AbortSignal.timeout(waitMs)} : {ifAvailable: true};
      navigator.locks.request('vandrel:' + path, options, (lock) => {
        if (!lock) {
          resolve(false);
          return undefined;
        }
        resolve(true);
        return new Promise((release) => this.held.set(token, release));
      }).catch(() => resolve(false));
    });
    if (!granted) return 0;
    try {
      await this.fill();
    } catch (error) {
      console.warn('vandrel: the stored files could not be read', error);
    }
    return token;
  },

  async unlock(token) {
    try {
      await this.keep();
    } catch (error) {
      console.warn('vandrel: the files could not be stored', error);
    }
    const release = this.held.get(token);
    this.held.delete(token);
    if (release) release();
  },
};

Module['preRun'] = [].concat(Module['preRun'] || [], () => {
  FS.mkdirTree(vandrelFiles.folder);
  if (typeof indexedDB === 'undefined') return;
  addRunDependency('vandrel-files');
  vandrelFiles.fill().catch((error) => console.warn('vandrel: no stored files', error))
      .finally(() => removeRunDependency('vandrel-files'));
});
