// Screenshots kept with the tests: an element's picture compared with the
// one stored beside its program, with room for the noise of font drawing,
// so that what fails is a layout that moved. KORVEX_UPDATE_SCREENSHOTS=1
// stores the new pictures instead (review them before committing).
'use strict';
const fs = require('fs');

const kChannelTolerance = 64;   // a pixel differs when a channel differs by more
const kDifferingShare = 0.005;  // at most this share of the pixels may differ (a label moved
                                // by 3 pixels makes about 2%)

// Answers { width, height, differing } for two PNG images, decoded by
// Chromium in a blank page of context.
async function compareImages(context, expected, actual) {
  const page = await context.newPage();
  try {
    return await page.evaluate(async function (args) {
      async function pixels(base64) {
        const blob = await (await fetch('data:image/png;base64,' + base64)).blob();
        const bitmap = await createImageBitmap(blob);
        const canvas = document.createElement('canvas');
        canvas.width = bitmap.width;
        canvas.height = bitmap.height;
        const ctx = canvas.getContext('2d');
        ctx.drawImage(bitmap, 0, 0);
        return { width: bitmap.width, height: bitmap.height,
                 data: ctx.getImageData(0, 0, bitmap.width, bitmap.height).data };
      }
      const a = await pixels(args.expected), b = await pixels(args.actual);
      if (a.width !== b.width || a.height !== b.height)
        return { width: b.width, height: b.height, expectedWidth: a.width, expectedHeight: a.height, differing: -1 };
      let differing = 0;
      for (let i = 0; i < a.data.length; i += 4) {
        for (let c = 0; c < 3; c++) {
          if (Math.abs(a.data[i + c] - b.data[i + c]) > args.tolerance) { differing++; break; }
        }
      }
      return { width: a.width, height: a.height, differing };
    }, { expected: expected.toString('base64'), actual: actual.toString('base64'), tolerance: kChannelTolerance });
  } finally {
    await page.close();
  }
}

// Compares the picture of locator with the PNG file; throws when the sizes
// differ or too many pixels do.
async function checkScreenshot(context, locator, file) {
  const actual = await locator.screenshot();
  if (process.env.KORVEX_UPDATE_SCREENSHOTS === '1') {
    fs.writeFileSync(file, actual);
    return;
  }
  if (!fs.existsSync(file)) throw new Error('no stored screenshot ' + file + ' (KORVEX_UPDATE_SCREENSHOTS=1 makes it)');
  const result = await compareImages(context, fs.readFileSync(file), actual);
  if (result.differing < 0) {
    throw new Error('the screenshot is ' + result.width + 'x' + result.height + ', the stored one ' +
                    result.expectedWidth + 'x' + result.expectedHeight + ': ' + file);
  }
  const share = result.differing / (result.width * result.height);
  if (share > kDifferingShare) {
    throw new Error(result.differing + ' pixels (' + (share * 100).toFixed(1) + '%) differ from ' + file);
  }
}

module.exports = { checkScreenshot, compareImages };
