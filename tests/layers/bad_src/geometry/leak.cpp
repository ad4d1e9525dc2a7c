// Geometry with a Qt header.
#include <QString>
#include <cmath>
