'use strict';
// A finger on the canvas. A touch that lifts before the long-press time, not having wandered
// further than a few pixels, is a tap where it came down; one held there until that time is a
// long press, at once. A wander, a second finger or a touch the browser cancels is neither.
// Pointer events of a mouse or a pen are left to the mouse's handlers.
const vandrelTouches = (() => {
  const SLOP = 10;  // CSS pixels a finger may wander and still tap

  // Calls on.tap(start) and on.longPress(start) with the place ({clientX, clientY}) a touch
  // came down, and on.lifted() at the end of every touch, whatever it was.
  function watch(element, longPressMs, on) {
    let touch = null;  // {id, start, timer} while the touch may still count
    function forget() {
      if (touch) clearTimeout(touch.timer);
      touch = null;
    }
    element.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'touch') return;
      event.preventDefault();  // no mouse events are made up from the touch
      if (touch) {
        forget();
        return;
      }
      const start = {clientX: event.clientX, clientY: event.clientY};
      touch = {id: event.pointerId, start, timer: setTimeout(() => {
        forget();
        on.longPress(start);
      }, longPressMs)};
    });
    element.addEventListener('pointermove', (event) => {
      if (!touch || event.pointerId !== touch.id) return;
      const way = Math.hypot(event.clientX - touch.start.clientX, event.clientY - touch.start.clientY);
      if (way > SLOP) forget();
    });
    element.addEventListener('pointerup', (event) => {
      if (event.pointerType !== 'touch') return;
      if (touch && event.pointerId === touch.id) {
        const start = touch.start;
        forget();
        on.tap(start);
      }
      on.lifted();
    });
    element.addEventListener('pointercancel', (event) => {
      if (event.pointerType !== 'touch') return;
      forget();
      on.lifted();
    });
  }

  return {watch};
})();
