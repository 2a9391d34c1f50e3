#include "windows/view.h"

#include "display/colour.h"

namespace pw {

View::View(TextEngine& textEngine_, ImageBank& images_, Random& random_,
           const Observers& observers_, int width, int height)
    : textEngine(textEngine_), images(images_), random(random_), observers(observers_),
      canvas(width, height, kButtonFace) {}

} // namespace pw
