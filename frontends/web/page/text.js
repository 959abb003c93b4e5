'use strict';
// The program's text, drawn with the page's canvas in the face the page ships and copied into
// the program's bitmap without smoothing: a pixel is the text's colour where the glyph covers
// at least half of it and stays as it was elsewhere, as the desktop program draws.
const vandrelText = (() => {
  const FACE = '"Vandrel Text", "WenQuanYi Zen Hei", "Noto Sans CJK SC", sans-serif';
  // Masks of the texts drawn lately, by font and text: a rising score text is drawn five times
  // a frame (its outline and itself) for twenty frames, so each is rasterised once.
  const MASKS_KEPT = 64;
  const masks = new Map();
  const canvas = document.createElement('canvas');
  const context = canvas.getContext('2d', {willReadFrequently: true});

  // {width, height, covered}: covered[i] is 1 where the glyphs cover at least half a pixel.
  function rasterise(font, pixelHeight, text) {
    context.font = font;
    const textWidth = Math.ceil(context.measureText(text).width);
    const width = textWidth + 2;
    const height = pixelHeight * 2;
    if (canvas.width < width || canvas.height < height) {
      canvas.width = Math.max(canvas.width, width);
      canvas.height = Math.max(canvas.height, height);
    }
    context.clearRect(0, 0, width, height);
    context.font = font;
    context.textBaseline = 'top';
    context.fillStyle = '#000';
    context.fillText(text, 1, 0);
    const alpha = context.getImageData(0, 0, width, height).data;
    const covered = new Uint8Array(width * height);
    for (let i = 0; i < covered.length; ++i) covered[i] = alpha[i * 4 + 3] >= 128 ? 1 : 0;
    return {textWidth, width, height, covered};
  }

  function maskOf(pixelHeight, bold, text) {
    const font = `${bold ? 'bold ' : ''}${pixelHeight}px ${FACE}`;
    const key = `${font}\n${text}`;
    let mask = masks.get(key);
    if (mask) {
      masks.delete(key);  // kept as the newest
    } else {
      mask = rasterise(font, pixelHeight, text);
      if (masks.size >= MASKS_KEPT) masks.delete(masks.keys().next().value);
    }
    masks.set(key, mask);
    return mask;
  }

  // heap: the program's memory as 32-bit words; bits: the bitmap's first word there.
  function draw(heap, bits, width, height, pixelHeight, bold, rgb, x, y, clip, alignRight, text) {
    if (text === '') return;
    const mask = maskOf(pixelHeight, bold, text);
    const left = (alignRight ? clip[2] - mask.textWidth : x) - 1;
    const [clipLeft, clipTop, clipRight, clipBottom] = clip;
    const pixel = (0xFF000000 | rgb) >>> 0;
    for (let row = 0; row < mask.height; ++row) {
      const ty = y + row;
      if (ty < clipTop || ty >= clipBottom || ty < 0 || ty >= height) continue;
      for (let column = 0; column < mask.width; ++column) {
        const tx = left + column;
        if (tx < clipLeft || tx >= clipRight || tx < 0 || tx >= width) continue;
        if (mask.covered[row * mask.width + column]) heap[bits + ty * width + tx] = pixel;
      }
    }
  }

  return {draw};
})();
