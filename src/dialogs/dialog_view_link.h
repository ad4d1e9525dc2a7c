// The two things the dialogs ask of the view they were given: a repaint, and the verdict on
// whether the fingerboard data suffice. The view implements it; the dialogs never see the view.
#pragma once

class CDialogViewLink {
 public:
  // Invalidates the whole client area; the next paint redraws everything.
  virtual void Invalidate() = 0;
  virtual void SetFingerboardReady(int ready) = 0;

 protected:
  ~CDialogViewLink() = default;
};
