#pragma once
// The picture's options as the user's preferences: the style of every picture (图像选项)
// and the size the export asked last (导出尺寸). Every option is off until the user
// turns it on.
#include "plot/picture.h"
#include "plot/picture_style.h"
#include "shell/preferences.h"

namespace quorvel {

inline constexpr Preference<bool> kSmoothCurves{"picture/smooth", false};
inline constexpr Preference<bool> kGridLines{"picture/grid", false};
inline constexpr Preference<bool> kPiTicks{"picture/piTicks", false};
inline constexpr Preference<int> kCurveLabels{"picture/labels", 0};  // CurveLabels
inline constexpr Preference<int> kLabelPoints{"picture/labelPoints", kDefaultLabelPoints};

inline constexpr Preference<int> kExportUnit{"export/unit", 0};  // SizeUnit
inline constexpr Preference<int> kExportWidthPixels{"export/widthPixels", 1600};
inline constexpr Preference<int> kExportHeightPixels{"export/heightPixels", 1000};
inline constexpr Preference<double> kExportWidthCm{"export/widthCm", 10};
inline constexpr Preference<double> kExportHeightCm{"export/heightCm", 10};
inline constexpr Preference<int> kExportDotsPerInch{"export/dotsPerInch", 300};

// The stored style, its numbers brought inside their ranges.
PictureStyle pictureStyleOf(const Preferences& preferences);
void storePictureStyle(Preferences& preferences, const PictureStyle& style);

// The stored export size; one that cannot be drawn reads as the window's size.
PictureSize exportSizeOf(const Preferences& preferences);
void storeExportSize(Preferences& preferences, const PictureSize& size);

}  // namespace quorvel
