#include "export/FittedClientSize.h"

PixelSize FittedClientSize(PixelSize movie, PixelSize border, PixelSize screen) {
  PixelSize fitted = movie;
  while ((border.width + fitted.width > screen.width || border.height + fitted.height > screen.height) &&
         fitted.width > 1 && fitted.height > 1) {
    fitted.width /= 2;
    fitted.height /= 2;
  }
  return fitted;
}
