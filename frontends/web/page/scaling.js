'use strict';
// How the game's picture fills the space it is given, in device pixels: at a whole factor
// every game pixel becomes a sharp square block; between whole factors the picture is enlarged
// by the next whole factor without smoothing and then brought down with smoothing, so edges
// stay crisp and the space is filled.
const vandrelScaling = (() => {
  // The factor that fits width x height into the space, and whether it is a whole one.
  function factorFor(width, height, spaceWidth, spaceHeight) {
    let factor = Math.min(spaceWidth / width, spaceHeight / height);
    if (!(factor > 0)) factor = 1;
    const whole = Math.round(factor);
    if (whole >= 1 && Math.abs(factor - whole) < 0.002) return {factor: whole, whole: true};
    return {factor, whole: false};
  }

  // Draws the part (x, y, w, h) of source, a picture in game pixels, onto target at the factor;
  // between whole factors through enlarged, a canvas kept for the purpose.
  function drawPart(target, source, enlarged, scale, x, y, w, h) {
    const context = target.getContext('2d');
    if (scale.whole) {
      context.imageSmoothingEnabled = false;
      context.drawImage(source, x, y, w, h, x * scale.factor, y * scale.factor,
                        w * scale.factor, h * scale.factor);
      return;
    }
    // One game pixel more on every side, since smoothing reaches across the part's edge.
    const left = Math.max(0, x - 1);
    const top = Math.max(0, y - 1);
    const right = Math.min(source.width, x + w + 1);
    const bottom = Math.min(source.height, y + h + 1);
    const up = Math.ceil(scale.factor);
    const big = enlarged.getContext('2d');
    big.imageSmoothingEnabled = false;
    big.drawImage(source, left, top, right - left, bottom - top, left * up, top * up,
                  (right - left) * up, (bottom - top) * up);
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    const toX = Math.floor(left * scale.factor);
    const toY = Math.floor(top * scale.factor);
    const toRight = Math.ceil(right * scale.factor);
    const toBottom = Math.ceil(bottom * scale.factor);
    context.drawImage(enlarged, left * up, top * up, (right - left) * up, (bottom - top) * up,
                      toX, toY, toRight - toX, toBottom - toY);
  }

  return {factorFor, drawPart};
})();
