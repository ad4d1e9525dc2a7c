// A dialog's layout as plain data, the way a resource script describes it: caption, size and font,
// then the controls in creation order (which is also the tab order), all measured in dialog units.
#pragma once

#include <vector>

enum class DialogItemKind { DefPushButton, PushButton, Label, Edit, AutoRadioButton, Icon };

// Style bits of a control.
enum DialogItemStyle : unsigned {
  kTabStop = 1u << 0,      // reached with Tab
  kGroup = 1u << 1,        // starts a group; a group runs up to the next item that starts one
  kBorder = 1u << 2,       // an edit with a frame
  kAutoHScroll = 1u << 3,  // an edit that scrolls sideways past its width
  kNoPrefix = 1u << 4,     // a label that shows '&' as it stands
};

// The identifier of controls that nothing looks up.
inline constexpr int IDC_STATIC = 65535;

struct DialogRect {
  int x, y, cx, cy;
};

struct DialogItem {
  DialogItemKind kind;
  int id;
  // A button's or label's caption; for an icon, the icon's file or resource path, or empty for the
  // application's own icon.
  const char* text;
  DialogRect rect;
  unsigned style;
};

struct DialogTemplate {
  int id;
  const char* caption;
  int cx, cy;
  const char* fontName;
  int pointSize;
  std::vector<DialogItem> items;
};

// Items with the default styles a resource script gives each kind; extra adds to them.
namespace dlg {
inline DialogItem DefPushButton(int id, const char* text, DialogRect r, unsigned extra = 0) {
  return {DialogItemKind::DefPushButton, id, text, r, kTabStop | extra};
}
inline DialogItem PushButton(int id, const char* text, DialogRect r, unsigned extra = 0) {
  return {DialogItemKind::PushButton, id, text, r, kTabStop | extra};
}
inline DialogItem Label(const char* text, DialogRect r, unsigned extra = 0, int id = IDC_STATIC) {
  return {DialogItemKind::Label, id, text, r, kGroup | extra};
}
inline DialogItem Edit(int id, DialogRect r, unsigned extra = 0) {
  return {DialogItemKind::Edit, id, "", r, kTabStop | kBorder | extra};
}
inline DialogItem AutoRadioButton(int id, const char* text, DialogRect r, unsigned extra = 0) {
  return {DialogItemKind::AutoRadioButton, id, text, r, kTabStop | extra};
}
inline DialogItem Icon(const char* path, DialogRect r, unsigned extra = 0, int id = IDC_STATIC) {
  return {DialogItemKind::Icon, id, path, r, extra};
}
}  // namespace dlg
