// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/layout.h"

#include "theory/chord_chart.h"
#include "theory/keyboard.h"

namespace tonalis::layout {

namespace {

// Number of white keys to the left of key `key`.
int whiteKeysBefore(int key) {
  int count = 0;
  for (int k = 1; k < key; ++k) {
    if (!theory::isBlackKey(k)) ++count;
  }
  return count;
}

int whiteKeyLeft(int whiteIndex) {
  return kKeyboardLeft + kWhiteKeyPitch * whiteIndex;
}

}  // namespace

TwipRect keyRect(int key) {
  if (theory::isBlackKey(key)) {
    const int left = whiteKeyLeft(whiteKeysBefore(key) - 1) + kBlackKeyOffset;
    return {left, 0, kBlackKeyWidth, kBlackKeyHeight};
  }
  return {whiteKeyLeft(whiteKeysBefore(key)), 0, kWhiteKeyWidth, kWhiteKeyHeight};
}

TwipRect keyMarkerRect(int key) {
  const TwipRect rect = keyRect(key);
  if (theory::isBlackKey(key)) return {rect.left, kBlackMarkerTop, kMarkerSize, kMarkerSize};
  return {rect.left + kWhiteMarkerInset, kWhiteMarkerTop, kMarkerSize, kMarkerSize};
}

TwipRect keyboardRect() {
  const TwipRect last = keyRect(theory::kKeyCount);
  return {kKeyboardLeft, 0, last.right() - kKeyboardLeft, kWhiteKeyHeight};
}

int keyAt(int x, int y) {
  const auto contains = [x, y](const TwipRect& rect) {
    return x >= rect.left && x < rect.right() && y >= rect.top && y < rect.bottom();
  };
  for (const bool black : {true, false}) {
    for (int key = 1; key <= theory::kKeyCount; ++key) {
      if (theory::isBlackKey(key) == black && contains(keyRect(key))) return key;
    }
  }
  return theory::kNoKey;
}

TwipRect pictureRect(int column, int row) {
  return {kChartColumnLeft + kChartColumnPitch * (column - 1),
          kPictureTop + kChartRowPitch * (row - 1), kPictureWidth, kPictureHeight};
}

TwipRect captionRect(int slot) {
  const int column = theory::chartColumn(slot);
  const int row = theory::chartRow(slot);
  return {kChartColumnLeft + kChartColumnPitch * (column - 1),
          kCaptionTop + kChartRowPitch * (row - 1), kPictureWidth, kCaptionHeight};
}

int dotX(int chartKey, int column) {
  return kChartKeyX[chartKey] + kChartColumnPitch * (column - 1);
}

int dotY(int chartKey, int row) {
  const int firstRow = theory::isBlackKey(chartKey) ? kBlackMarkerY : kWhiteMarkerY;
  return firstRow + kChartRowPitch * (row - 1);
}

TwipRect markerRect(int markerIndex) {
  const auto [column, row, chartKey] = theory::markerPlace(markerIndex);
  return {dotX(chartKey, column), dotY(chartKey, row), kMarkerSize, kMarkerSize};
}

}  // namespace tonalis::layout
