// The two input dialogs' templates, item for item in creation (and tab) order; rectangles are
// x, y, width, height in dialog units.
#include "dialogs/dialog_templates.h"

#include "dialogs/dialog_ids.h"
#include "framework/message_box.h"

using namespace dlg;

const DialogTemplate& ShapeDialogTemplate() {
  static const DialogTemplate tmpl = {IDD_SHAPE_DIALOG,
                                      "Input Dialog",
                                      188,
                                      134,
                                      "MS Sans Serif",
                                      10,
                                      {
                                          DefPushButton(IDOK, "OK", {138, 113, 43, 14}),
                                          PushButton(IDCANCEL, "Cancel", {7, 113, 43, 14}),
                                          Label("Length", {18, 16, 25, 8}),
                                          Label("Lower Bout", {18, 31, 39, 8}),
                                          Label("Waist", {18, 46, 19, 8}),
                                          Label("Upper Bout", {18, 61, 37, 8}),
                                          Edit(IDC_LENGTH, {60, 15, 40, 12}, kAutoHScroll),
                                          Edit(IDC_LOWERBOUT, {60, 30, 40, 12}, kAutoHScroll),
                                          Edit(IDC_WAIST, {60, 45, 40, 12}, kAutoHScroll),
                                          Edit(IDC_UPPERBOUT, {60, 60, 40, 14}, kAutoHScroll),
                                          Label("a4", {113, 31, 9, 8}),
                                          Label("a6", {113, 61, 9, 8}),
                                          Edit(IDC_A4, {130, 30, 40, 12}, kAutoHScroll),
                                          Edit(IDC_A6, {130, 60, 40, 12}, kAutoHScroll),
                                          Label("Width measurements from centerline", {20, 100, 117, 8}),
                                          PushButton(IDC_CALC, "Calc", {99, 113, 43, 14}),
                                          PushButton(IDC_INTOCM, "in -> cm", {60, 80, 40, 12}),
                                          PushButton(IDC_CMTOIN, "cm -> in", {130, 80, 40, 12}),
                                          Label("a3", {113, 16, 9, 8}),
                                          Label("a5", {113, 46, 9, 8}),
                                          Edit(IDC_A3, {130, 15, 40, 12}, kAutoHScroll),
                                          Edit(IDC_A5, {130, 45, 40, 12}, kAutoHScroll),
                                      }};
  return tmpl;
}

const DialogTemplate& SoundholeDialogTemplate() {
  static const DialogTemplate tmpl = {
      IDD_SOUNDHOLE_DIALOG,
      "Enter soundhole parameters",
      269,
      133,
      "MS Sans Serif",
      10,
      {
          DefPushButton(IDOK, "OK", {222, 112, 40, 14}),
          PushButton(IDCANCEL, "Cancel", {7, 112, 40, 14}),
          Label("Diameter", {15, 10, 29, 8}),
          Edit(IDC_HOLEDIAMETER, {50, 10, 40, 12}, kAutoHScroll),
          Label("Position", {100, 10, 25, 8}),
          AutoRadioButton(IDC_FIXED, "Fixed", {15, 25, 33, 10}, kGroup),
          AutoRadioButton(IDC_CLASSICAL, "Classical", {50, 25, 44, 10}),
          Edit(IDC_HOLEPOSITION, {130, 10, 40, 12}, kAutoHScroll),
          Label("For classical calculation complete the following", {15, 40, 155, 8}),
          Label("Scale length", {15, 55, 25, 8}),
          Edit(IDC_SCALELENGTH, {40, 55, 40, 12}, kAutoHScroll),
          Label("19th fret width", {90, 55, 46, 8}),
          Edit(IDC_FRET19WIDTH, {140, 55, 40, 12}, kAutoHScroll),
          Label("If fingerboard width at the 19th fret is not known enter that for nut and 12th.",
                {15, 75, 237, 8}),
          Label("Nut width", {15, 90, 30, 8}),
          Edit(IDC_NUTWIDTH, {50, 90, 40, 14}, kAutoHScroll),
          Label("12th fret width", {100, 90, 46, 8}),
          Edit(IDC_FRET12WIDTH, {150, 90, 40, 14}, kAutoHScroll),
          PushButton(IDC_CALC, "Calc", {182, 112, 40, 14}),
          PushButton(IDC_INTOCM, "in->cm", {102, 112, 40, 14}),
          PushButton(IDC_CMTOIN, "cm->in", {142, 112, 40, 14}),
      }};
  return tmpl;
}
