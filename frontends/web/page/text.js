'use strict';
// The program's text, drawn with the page's canvas in the face the page ships and copied into
// the program's bitmap without smoothing: a pixel is the text's colour where the glyph covers
// at least half of it and stays as it was elsewhere, as the desktop program draws.
const vandrelText = (() => {
  const FACE = '"Vandrel Text", "WenQuanYi Zen Hei", "Noto Sans CJK SC", sans-serif';
  const canvas = document.createElement('canvas');
  const context = canvas.getContext('2d', {willReadFrequently: true});

  // heap: the program's memory as 32-bit words; bits: the bitmap's first word there.
  function draw(heap, bits, width, height, pixelHeight, bold, rgb, x, y, clip, alignRight, text) {
    const font = `${bold ? 'bold ' : ''}${pixelHeight}px ${FACE}`;
    context.font = font;
    const textWidth = Math.ceil(context.measureText(text).width);
    const boxWidth = textWidth + 2;
    const boxHeight = pixelHeight * 2;
    if (boxWidth < 1 || textWidth === 0) return;
    if (canvas.width < boxWidth || canvas.height < boxHeight) {
      canvas.width = Math.max(canvas.width, boxWidth);
      canvas.height = Math.max(canvas.height, boxHeight);
    }
    context.clearRect(0, 0, boxWidth, boxHeight);
    context.font = font;
    context.textBaseline = 'top';
    context.fillStyle = '#000';
    context.fillText(text, 1, 0);
    const alpha = context.getImageData(0, 0, boxWidth, boxHeight).data;
    const left = (alignRight ? clip[2] - textWidth : x) - 1;
    const [clipLeft, clipTop, clipRight, clipBottom] = clip;
    const pixel = (0xFF000000 | rgb) >>> 0;
    for (let row = 0; row < boxHeight; ++row) {
      const ty = y + row;
      if (ty < clipTop || ty >= clipBottom || ty < 0 || ty >= height) continue;
      for (let column = 0; column < boxWidth; ++column) {
        const tx = left + column;
        if (tx < clipLeft || tx >= clipRight || tx < 0 || tx >= width) continue;
        if (alpha[(row * boxWidth + column) * 4 + 3] >= 128) heap[bits + ty * width + tx] = pixel;
      }
    }
  }

  return {draw};
})();
