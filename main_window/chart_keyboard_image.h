// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a 17-key keyboard (C up to the E of the next octave) shown by every chart place,
// drawn in code: black on white, 24 bits per pixel.
#pragma once

#include <QImage>
#include <array>

namespace tonalis {

namespace chart_image {
inline constexpr int kWidth = 321;
inline constexpr int kHeight = 113;
inline constexpr int kWhiteKeys = 10;
inline constexpr int kWhiteKeyPitch = 32;  // one black separating line every 32 pixels
inline constexpr int kBlackKeyWidth = 17;
inline constexpr int kBlackKeyDepth = 73;  // pixel rows from the top
inline constexpr std::array<int, 7> kBlackKeyLefts{24, 56, 120, 152, 184, 248, 280};
}  // namespace chart_image

// The picture drawn at `size`, its lines whole pixels; at the designed size exactly the sizes
// above. A picture shown at another size is drawn at that size: scaled, its lines would blur.
QImage chartKeyboardImage(QSize size = {chart_image::kWidth, chart_image::kHeight});

}  // namespace tonalis
