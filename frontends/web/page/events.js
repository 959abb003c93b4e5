'use strict';
// The queue of the page's events for the program, and the wait for the next one. Every event
// is {kind, window, x, y, flags, id, text}; the kinds are page_bridge.h's PAGE_EVENT_*.
const vandrelEvents = (() => {
  const KIND = {
    leftDown: 1, leftDouble: 2, rightDown: 3, move: 4, pointerLeft: 5, button: 6, drop: 7,
    answer: 8,
  };
  const queue = [];
  let wake = null;

  function push(event) {
    // A move replaces a move still waiting for the same window: the program needs only the
    // last place of the pointer, not every step of the way.
    const last = queue[queue.length - 1];
    if (event.kind === KIND.move && last && last.kind === KIND.move && last.window === event.window) {
      queue[queue.length - 1] = event;
    } else {
      queue.push(event);
    }
    if (wake) wake();
  }

  // Resolves with 1 when an event is queued, or with 0 once timeoutMs have passed (never when
  // timeoutMs is negative).
  function wait(timeoutMs) {
    if (queue.length > 0) return Promise.resolve(1);
    return new Promise((resolve) => {
      let timer = null;
      wake = () => {
        wake = null;
        if (timer !== null) clearTimeout(timer);
        resolve(1);
      };
      if (timeoutMs >= 0) {
        timer = setTimeout(() => {
          wake = null;
          resolve(0);
        }, timeoutMs);
      }
    });
  }

  function take() {
    return queue.shift() || null;
  }

  return {KIND, push, wait, take};
})();
