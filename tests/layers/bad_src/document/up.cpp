// A document that reaches up to the view, and one through "..".
#include "../view/veskview.h"
#include "geometry/leak.h"
#include "view/veskview.h"
