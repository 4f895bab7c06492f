#pragma once
// The picture's options as the user's preferences: the style of every picture (图像选项)
// and the size the export asked last (导出尺寸). A user who has chosen nothing (also
// one whose preferences were written before the two looks) sees the modern look with
// smooth curves; 经典外观 gives the original picture, every other option off.
#include "plot/picture.h"
#include "plot/picture_style.h"
#include "settings/preferences.h"

namespace quorvel {

inline constexpr Preference<bool> kClassicLook{"picture/classic", false};
inline constexpr Preference<bool> kSmoothCurves{"picture/smooth", true};
inline constexpr Preference<bool> kGridLines{"picture/grid", false};
inline constexpr Preference<bool> kPiTicks{"picture/piTicks", false};
inline constexpr Preference<int> kCurveLabels{"picture/labels", 0};  // CurveLabels
inline constexpr Preference<int> kLabelPoints{"picture/labelPoints", kDefaultLabelPoints};
inline constexpr Preference<int> kPresentationPercent{"picture/presentationPercent",
                                                      kDefaultPresentationPercent};

inline constexpr Preference<int> kExportUnit{"export/unit", 0};  // SizeUnit
inline constexpr Preference<int> kExportWidthPixels{"export/widthPixels", 1600};
inline constexpr Preference<int> kExportHeightPixels{"export/heightPixels", 1000};
inline constexpr Preference<double> kExportWidthCm{"export/widthCm", 10};
inline constexpr Preference<double> kExportHeightCm{"export/heightCm", 10};
inline constexpr Preference<int> kExportDotsPerInch{"export/dotsPerInch", 300};

// The options as stored (what 图像选项 shows): modern unless 经典外观 is chosen, the
// numbers brought inside their ranges.
PictureStyle storedPictureStyle(const Preferences& preferences);
// The style pictures are drawn in: the stored options in the modern look, every option
// off in the classic look.
PictureStyle pictureStyleOf(const Preferences& preferences);
void storePictureStyle(Preferences& preferences, const PictureStyle& style);

// The stored export size; one that cannot be drawn reads as the window's size.
PictureSize exportSizeOf(const Preferences& preferences);
void storeExportSize(Preferences& preferences, const PictureSize& size);

}  // namespace quorvel
