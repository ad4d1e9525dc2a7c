// The dialogs' only contact with the view's class.
#include "dialogs/view_link.h"

#include "view/veskview.h"

void InvalidateView(CVeskView* view) {
  if (view) view->update();
}

void SetFingerboardReady(CVeskView* view, int ready) {
  if (view) view->m_fingerboardReady = ready;
}
