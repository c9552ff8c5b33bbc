// cImage: PureBasic's images, each a canvas kept outside the page.
// Emitted calls: cImage.CreateImage(#I, width, height[, depth[, back]]),
// cImage.ImageID(#I) for ImageGadget and DrawImage, cImage.ImageOutput(#I)
// for StartDrawing, cImage.ImageWidth(#I), cImage.FreeImage(#I) and the
// other Image commands.
// A new image is black unless a back colour is given (#PB_Image_Transparent
// makes a 32-bit image transparent). An ImageGadget shows the picture the
// image had when it was given to the gadget.
var cImage = (function () {
  var W = cWindow, num = W.num;
  var kAll = -1, kTransparent = -1;
  var hasPage = typeof document !== 'undefined';

  var images = W.registry('Image', release);

  function release(image) { if (image.output) W.dropHandle(image.output); }

  function newCanvas(width, height) {
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    return canvas;
  }

  // The common part of the commands that make an image from a canvas.
  function make(command, number, canvas, depth) {
    var n = images.reserve(command, number);
    if (n < 0) return 0;
    var image = images.add({ number: n, canvas: canvas, depth: depth, output: 0 });
    return W.created(number, image);
  }

  // CreateImage(#I, width, height[, 24 | 32[, backColor]]): 0 for a size
  // that is not at least 1 by 1.
  function CreateImage(number, width, height, depth, back) {
    var w = Math.round(num(width)), h = Math.round(num(height));
    if (w < 1 || h < 1 || !hasPage) return 0;
    var canvas = newCanvas(w, h);
    var d = depth === undefined || num(depth) !== 32 ? 24 : 32;
    var color = back === undefined ? 0 : num(back);
    if (!(color === kTransparent && d === 32)) {
      var ctx = canvas.getContext('2d');
      ctx.fillStyle = W.cssColor(color === kTransparent ? 0 : color);
      ctx.fillRect(0, 0, w, h);
    }
    return make('CreateImage', number, canvas, d);
  }

  function copyOf(canvas, x, y, width, height) {
    var copy = newCanvas(width, height);
    copy.getContext('2d').drawImage(canvas, x, y, width, height, 0, 0, width, height);
    return copy;
  }

  // CopyImage(#I, #New)
  function CopyImage(number, copy) {
    var image = images.get('CopyImage', number);
    if (!image) return 0;
    var c = image.canvas;
    return make('CopyImage', copy, copyOf(c, 0, 0, c.width, c.height), image.depth);
  }

  // GrabImage(#I, #New, x, y, width, height)
  function GrabImage(number, copy, x, y, width, height) {
    var image = images.get('GrabImage', number);
    if (!image) return 0;
    var w = Math.round(num(width)), h = Math.round(num(height));
    if (w < 1 || h < 1) return 0;
    return make('GrabImage', copy, copyOf(image.canvas, num(x), num(y), w, h), image.depth);
  }

  // The picture of a drawing output as a new image (GrabDrawingImage).
  function fromCanvas(command, number, canvas, x, y, width, height) {
    var w = Math.round(num(width)), h = Math.round(num(height));
    if (w < 1 || h < 1) return 0;
    return make(command, number, copyOf(canvas, num(x), num(y), w, h), 24);
  }

  // ResizeImage(#I, width, height[, mode]): #PB_Ignore keeps a side.
  function ResizeImage(number, width, height, mode) {
    var image = images.get('ResizeImage', number);
    if (!image) return 0;
    var old = image.canvas;
    var w = W.given(width) ? Math.round(num(width)) : old.width;
    var h = W.given(height) ? Math.round(num(height)) : old.height;
    if (w < 1 || h < 1) return 0;
    var canvas = newCanvas(w, h), ctx = canvas.getContext('2d');
    ctx.imageSmoothingEnabled = num(mode) !== 1;
    ctx.drawImage(old, 0, 0, w, h);
    image.canvas = canvas;
    if (image.output) W.fromHandle(image.output).output = canvas;
    return 1;
  }

  function FreeImage(number) {
    if (num(number) === kAll) {
      images.list().forEach(function (image) { images.free(image); });
      return;
    }
    var image = images.get('FreeImage', number);
    if (image) images.free(image);
  }

  function IsImage(number) { return images.find(number) ? 1 : 0; }

  function ImageID(number) {
    var image = images.get('ImageID', number);
    return image ? image.handle : 0;
  }

  function ImageWidth(number) {
    var image = images.get('ImageWidth', number);
    return image ? image.canvas.width : 0;
  }
  function ImageHeight(number) {
    var image = images.get('ImageHeight', number);
    return image ? image.canvas.height : 0;
  }
  function ImageDepth(number) {
    var image = images.get('ImageDepth', number);
    return image ? image.depth : 0;
  }

  // ImageOutput(#I): the image as the output of StartDrawing.
  function ImageOutput(number) {
    var image = images.get('ImageOutput', number);
    if (!image) return 0;
    if (!image.output) image.output = W.newHandle({ output: image.canvas });
    return image.output;
  }

  return {
    CreateImage: CreateImage, CopyImage: CopyImage, GrabImage: GrabImage,
    ResizeImage: ResizeImage, FreeImage: FreeImage, IsImage: IsImage, ImageID: ImageID,
    ImageWidth: ImageWidth, ImageHeight: ImageHeight, ImageDepth: ImageDepth,
    ImageOutput: ImageOutput,

    // helpers of the desktop libraries
    fromCanvas: fromCanvas,

    // the PureBasic type of each function's result, for the converter
    returns: {
      CreateImage: 'i', CopyImage: 'i', GrabImage: 'i', ResizeImage: 'i', FreeImage: '',
      IsImage: 'i', ImageID: 'i', ImageWidth: 'i', ImageHeight: 'i', ImageDepth: 'i',
      ImageOutput: 'i'
    }
  };
})();
