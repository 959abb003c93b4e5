'use strict';
// The page's own words (the boxes' buttons, the save-name box, the ended panel) in the
// language the program speaks; the program hands them over once, before it opens any window.
const vandrelWords = {
  ok: '', close: '', saveAs: '', fileName: '', save: '', cancel: '', ended: '', again: '',
};
