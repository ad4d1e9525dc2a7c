// Template and control identifiers of the two input dialogs.
#pragma once

inline constexpr int IDD_SHAPE_DIALOG = 132;
inline constexpr int IDD_SOUNDHOLE_DIALOG = 133;

// Shape dialog edits.
inline constexpr int IDC_LENGTH = 1000;
inline constexpr int IDC_LOWERBOUT = 1001;
inline constexpr int IDC_WAIST = 1002;
inline constexpr int IDC_UPPERBOUT = 1003;
inline constexpr int IDC_A4 = 1004;
inline constexpr int IDC_A6 = 1005;
inline constexpr int IDC_A3 = 1009;
inline constexpr int IDC_A5 = 1010;

// Buttons of both dialogs.
inline constexpr int IDC_CALC = 1006;
inline constexpr int IDC_INTOCM = 1007;
inline constexpr int IDC_CMTOIN = 1008;

// Soundhole dialog.
inline constexpr int IDC_HOLEDIAMETER = 1011;
inline constexpr int IDC_FIXED = 1012;
inline constexpr int IDC_CLASSICAL = 1013;
inline constexpr int IDC_HOLEPOSITION = 1014;
inline constexpr int IDC_SCALELENGTH = 1015;
inline constexpr int IDC_FRET19WIDTH = 1016;
inline constexpr int IDC_NUTWIDTH = 1017;
inline constexpr int IDC_FRET12WIDTH = 1018;
