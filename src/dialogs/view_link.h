// The two things the dialogs ask of the view they were given: a repaint, and the verdict on
// whether the fingerboard data suffice. A null view is skipped.
#pragma once

class CVeskView;

// Invalidates the whole client area; the next paint redraws everything.
void InvalidateView(CVeskView* view);
void SetFingerboardReady(CVeskView* view, int ready);
