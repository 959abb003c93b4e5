'use strict';
// The game window: the menu bar over a canvas that shows the program's frames, filling the
// space below the menu. Mouse input and touches on the canvas and the keys of the window go to
// the program as events; a file dropped on the page is copied into the program's file system
// and sent.
const vandrelCanvasWindow = (() => {
  const MK = {left: 1, right: 2, shift: 4, control: 8, middle: 16};
  const IDOK = 1;
  const IDCANCEL = 2;

  function open(id, title, width, height, menu, host) {
    document.title = title;
    const root = document.createElement('main');
    root.className = 'game-window';
    const bar = vandrelMenu.build(menu, (command) => send(vandrelEvents.KIND.button, {id: command}));
    const stage = document.createElement('div');
    stage.className = 'stage';
    const display = document.createElement('canvas');
    display.className = 'frame';
    display.setAttribute('aria-label', title);
    stage.append(display);
    root.append(bar.element, stage);
    host.append(root);

    const picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    const enlarged = document.createElement('canvas');
    let scale = {factor: 1, whole: true};

    function send(kind, fields) {
      vandrelEvents.push(Object.assign({kind, window: id}, fields));
    }

    function layout() {
      const ratio = window.devicePixelRatio || 1;
      const space = stage.getBoundingClientRect();
      scale = vandrelScaling.factorFor(width, height, space.width * ratio, space.height * ratio);
      display.width = Math.max(1, Math.round(width * scale.factor));
      display.height = Math.max(1, Math.round(height * scale.factor));
      display.style.width = `${display.width / ratio}px`;
      display.style.height = `${display.height / ratio}px`;
      if (!scale.whole) {
        enlarged.width = width * Math.ceil(scale.factor);
        enlarged.height = height * Math.ceil(scale.factor);
      }
      vandrelScaling.drawPart(display, picture, enlarged, scale, 0, 0, width, height);
    }
    new ResizeObserver(layout).observe(stage);
    window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
        .addEventListener('change', layout, {once: true});

    // The count of frames shown is kept on the canvas, for whoever waits for the first one.
    let frames = 0;
    function present(rgba, x, y, w, h) {
      const pixels = new ImageData(new Uint8ClampedArray(rgba), w, h);
      picture.getContext('2d').putImageData(pixels, x, y);
      // At the picture's own size the pixels go straight to the screen's canvas.
      if (scale.whole && scale.factor === 1) {
        display.getContext('2d').putImageData(pixels, x, y);
      } else {
        vandrelScaling.drawPart(display, picture, enlarged, scale, x, y, w, h);
      }
      if (++frames === 1) performance.mark('vandrel-first-frame');
      display.dataset.frames = String(frames);
    }

    // The pointer in game pixels.
    function gamePoint(event) {
      const box = display.getBoundingClientRect();
      return {
        x: Math.floor((event.clientX - box.left) * width / box.width),
        y: Math.floor((event.clientY - box.top) * height / box.height),
      };
    }
    function flags(event) {
      let value = 0;
      if (event.buttons & 1) value |= MK.left;
      if (event.buttons & 2) value |= MK.right;
      if (event.buttons & 4) value |= MK.middle;
      if (event.shiftKey) value |= MK.shift;
      if (event.ctrlKey) value |= MK.control;
      return value;
    }
    // A finger does not hover: its moves are not the pointer's.
    display.addEventListener('pointermove', (event) => {
      if (event.pointerType === 'touch') return;
      send(vandrelEvents.KIND.move, Object.assign(gamePoint(event), {flags: flags(event)}));
    });
    // The second press of a double-click is a double-click, not a press; a right double-click
    // is one right press, as on the desktop.
    display.addEventListener('mousedown', (event) => {
      event.preventDefault();
      bar.close();
      const point = Object.assign(gamePoint(event), {flags: flags(event)});
      const second = event.detail > 1 && event.detail % 2 === 0;
      if (event.button === 0) {
        send(second ? vandrelEvents.KIND.leftDouble : vandrelEvents.KIND.leftDown, point);
      } else if (event.button === 2 && !second) {
        send(vandrelEvents.KIND.rightDown, point);
      }
    });
    display.addEventListener('contextmenu', (event) => event.preventDefault());
    display.addEventListener('mouseleave', () => send(vandrelEvents.KIND.pointerLeft, {}));
    // When a finger lifts, nothing is over the canvas any more: the pointer has left.
    vandrelTouches.watch(display, menu.longPressMs, {
      tap(start) {
        bar.close();
        send(vandrelEvents.KIND.tap, gamePoint(start));
      },
      longPress(start) {
        send(vandrelEvents.KIND.longPress, gamePoint(start));
      },
      lifted() {
        send(vandrelEvents.KIND.pointerLeft, {});
      },
    });

    function key(event) {
      if (vandrelDialogs.anyOpen()) return;
      if (bar.key(event)) {
        event.preventDefault();
        return;
      }
      for (const item of menu.menus.flatMap((popup) => popup.items).concat(menu.keys)) {
        const keyText = item.shortcut !== undefined ? item.shortcut : item.key;
        if (keyText && vandrelLabels.matches(event, keyText)) {
          event.preventDefault();
          send(vandrelEvents.KIND.button, {id: item.id});
          return;
        }
      }
      if (event.key === 'Escape') send(vandrelEvents.KIND.button, {id: IDCANCEL});
      if (event.key === 'Enter') send(vandrelEvents.KIND.button, {id: IDOK});
    }
    document.addEventListener('keydown', key);

    // A file dropped anywhere on the page while no dialog is open goes to the game window.
    function dragOver(event) {
      if (event.dataTransfer && Array.from(event.dataTransfer.types).includes('Files')) {
        event.preventDefault();
      }
    }
    async function drop(event) {
      event.preventDefault();
      const file = event.dataTransfer && event.dataTransfer.files[0];
      if (!file || vandrelDialogs.anyOpen()) return;
      const path = await vandrelFilesOfPage.receive(file);
      send(vandrelEvents.KIND.drop, {text: path});
    }
    document.addEventListener('dragover', dragOver);
    document.addEventListener('drop', drop);

    return {
      present,
      close() {
        document.removeEventListener('keydown', key);
        document.removeEventListener('dragover', dragOver);
        document.removeEventListener('drop', drop);
        root.remove();
      },
      showCursor(show) {
        display.style.cursor = show ? '' : 'none';
      },
    };
  }

  return {open};
})();
