// Paints a document the way the window would show it with everything switched on: both
// orientations, the fingerboard and the data text, into a small image.
#pragma once

#include <string>

class CVeskView;
class QImage;

// Switches the view's fingerboard and data on and paints its document into the image horizontally,
// then vertically; the image is left holding the vertical picture. Empty when both paints covered
// the whole image and changed neither the document nor the shape state; otherwise what went wrong.
// Reaching the end at all is the main point.
std::string PaintBothOrientations(CVeskView& view, QImage& image);
