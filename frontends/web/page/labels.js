'use strict';
// Texts with "&" before their access key, as the program's menus and buttons carry them.
const vandrelLabels = (() => {
  // The access key of text, upper case, or '' when it has none ("&&" is a plain "&").
  function accessKey(text) {
    for (let i = 0; i < text.length - 1; ++i) {
      if (text[i] !== '&') continue;
      if (text[i + 1] !== '&') return text[i + 1].toUpperCase();
      ++i;
    }
    return '';
  }

  // Fills element with text, its access key underlined.
  function fill(element, text) {
    element.textContent = '';
    let plain = '';
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '&' && i + 1 < text.length) {
        ++i;
        if (text[i] !== '&') {
          element.append(plain);
          plain = '';
          const key = document.createElement('u');
          key.textContent = text[i];
          element.append(key);
          continue;
        }
      }
      plain += text[i];
    }
    element.append(plain);
  }

  // Whether a keydown event is the portable key text "Ctrl+N", "F1", "Space", "P"...
  function matches(event, keyText) {
    const parts = keyText.split('+');
    const key = parts.pop();
    const wantCtrl = parts.includes('Ctrl');
    const wantShift = parts.includes('Shift');
    const wantAlt = parts.includes('Alt');
    if (event.ctrlKey !== wantCtrl || event.altKey !== wantAlt || event.metaKey) return false;
    if (key.length > 1 && event.shiftKey !== wantShift) return false;
    if (key === 'Space') return event.code === 'Space';
    if (key.length === 1) return event.key.toUpperCase() === key.toUpperCase();
    return event.key === key;
  }

  return {accessKey, fill, matches};
})();
