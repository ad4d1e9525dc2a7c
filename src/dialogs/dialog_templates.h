// The layouts of the shape dialog (132) and the soundhole dialog (133).
#pragma once

#include "framework/dialog_template.h"

const DialogTemplate& ShapeDialogTemplate();
const DialogTemplate& SoundholeDialogTemplate();
