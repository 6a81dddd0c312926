// SPDX-License-Identifier: GPL-3.0-or-later
// Where every control of the main window sits, in twips as designed (design/twips.h).
#pragma once

#include <array>

#include "design/twips.h"

namespace tonalis::layout {

using design::kTwipsPerPixel;
using design::toPixels;
using design::TwipRect;

inline constexpr int kClientWidth = 15375;
inline constexpr int kClientHeight = 14475;

// Controls placed directly on the window.
inline constexpr TwipRect kDetChord{10320, 960, 2055, 1095};
inline constexpr TwipRect kBuildChord{12480, 960, 2055, 1095};
inline constexpr TwipRect kPrint{14640, 960, 615, 1095};
inline constexpr TwipRect kClear{3480, 1695, 6735, 360};
inline constexpr TwipRect kChordNameFrame{10320, 120, 4935, 735};
inline constexpr TwipRect kPlayedNotesFrame{120, 1320, 2655, 735};
inline constexpr TwipRect kChordSymbolFrame{120, 120, 2655, 1095};
inline constexpr TwipRect kChartBox{120, 2040, 15135, 11985};
inline constexpr TwipRect kDial{2820, 240, 615, 615};
inline constexpr TwipRect kVolumeBar{3000, 1050, 255, 990};
inline constexpr TwipRect kVolumeHeading{2880, 0, 495, 255};
inline constexpr TwipRect kVolumeLevel{2760, 840, 735, 255};
// The chord readout in the white strip between the chart box (bottom 14025) and the client edge.
inline constexpr TwipRect kChordReading{240, 14040, 14895, 420};

// The five tick lines beside the volume bar run from x 2880 to x 3360.
inline constexpr int kTickLeft = 2880;
inline constexpr int kTickRight = 3360;
inline constexpr std::array<int, 5> kTickY{1080, 1305, 1545, 1785, 2010};

// Labels inside the three result frames, relative to their frame.
inline constexpr TwipRect kChordNameLabel{0, 240, 4935, 495};
inline constexpr TwipRect kPlayedNotesLabel{0, 240, 2535, 495};
inline constexpr TwipRect kChordSymbolLabel{0, 240, 2655, 855};

// The chart frame fills the top of the chart box; the chart controls are relative to it.
inline constexpr TwipRect kChartFrame{0, 0, 15135, 11775};
inline constexpr TwipRect kChartRoot{13410, 10920, 1395, 810};
inline constexpr TwipRect kMarkerTemplate{-120, -60, 255, 255};

// Keyboard. White keys overlap their neighbours by 15 twips (one shared border pixel).
inline constexpr int kKeyboardLeft = 3480;
inline constexpr int kWhiteKeyPitch = 480;
inline constexpr int kWhiteKeyWidth = 495;
inline constexpr int kWhiteKeyHeight = 1695;
inline constexpr int kBlackKeyWidth = 255;
inline constexpr int kBlackKeyHeight = 1095;
inline constexpr int kBlackKeyOffset = 360;  // from the white key before it
inline constexpr int kMarkerSize = 255;
inline constexpr int kWhiteMarkerInset = 120;
inline constexpr int kWhiteMarkerTop = 1320;
inline constexpr int kBlackMarkerTop = 720;

// Chart grid: 3 columns by 10 rows of pictures, each with its caption just above it.
inline constexpr int kChartColumnLeft = 240;
inline constexpr int kChartColumnPitch = 4920;
inline constexpr int kChartRowPitch = 1080;
inline constexpr int kPictureTop = 360;
inline constexpr int kCaptionTop = 120;
inline constexpr int kPictureWidth = 4815;
inline constexpr int kPictureHeight = 840;
inline constexpr int kCaptionHeight = 240;

// Marker x-position of chart keys 1..17 in chart column 1 (index 0 is unused).
inline constexpr std::array<int, 18> kChartKeyX{0,    240,  480,  720,  960,  1200,
                                                1680, 1920, 2160, 2400, 2640, 2880,
                                                3120, 3600, 3840, 4080, 4320, 4560};
inline constexpr int kWhiteMarkerY = 960;  // in chart row 1
inline constexpr int kBlackMarkerY = 630;

// Key index 1..24.
TwipRect keyRect(int key);
TwipRect keyMarkerRect(int key);
// The smallest rectangle holding all 24 keys.
TwipRect keyboardRect();
// The key whose visible part lies under the point (x, y), in twips relative to the window, or
// theory::kNoKey. Black keys lie in front of the white ones, and of two white keys sharing a
// border the lower lies in front.
int keyAt(int x, int y);

// Chart column 1..3, chart row 1..10.
TwipRect pictureRect(int column, int row);
// Chart slot 0..29: the caption above the slot's picture.
TwipRect captionRect(int slot);

// Marker position tables: chart key 1..17 by chart column 1..3 and by chart row 1..10.
int dotX(int chartKey, int column);
int dotY(int chartKey, int row);
// Marker index 10000 * column + 100 * row + chart key.
TwipRect markerRect(int markerIndex);

}  // namespace tonalis::layout
