#include "settings/picture_preferences.h"

namespace quorvel {

const std::vector<std::string>& knownPreferenceKeys() {
  // A new preference is listed here too, or its file forgets it.
  static const std::vector<std::string> keys = {
      kClassicLook.key,         kSmoothCurves.key,  kGridLines.key,      kPiTicks.key,
      kCurveLabels.key,         kLabelPoints.key,   kExportUnit.key,     kExportWidthPixels.key,
      kExportHeightPixels.key,  kExportWidthCm.key, kExportHeightCm.key, kExportDotsPerInch.key,
      kPresentationPercent.key,
  };
  return keys;
}

PictureStyle storedPictureStyle(const Preferences& preferences) {
  PictureStyle style;
  style.modern = !preferences.get(kClassicLook);
  style.smooth = preferences.get(kSmoothCurves);
  style.grid = preferences.get(kGridLines);
  style.piTicks = preferences.get(kPiTicks);
  style.labels = static_cast<CurveLabels>(preferences.get(kCurveLabels));
  style.labelPoints = preferences.get(kLabelPoints);
  style.presentationPercent = preferences.get(kPresentationPercent);
  return checkedStyle(style);
}

PictureStyle pictureStyleOf(const Preferences& preferences) {
  const PictureStyle stored = storedPictureStyle(preferences);
  if (stored.modern) return stored;
  // The classic picture, with 演示模式's size as chosen.
  PictureStyle classic;
  classic.presentationPercent = stored.presentationPercent;
  return classic;
}

void storePictureStyle(Preferences& preferences, const PictureStyle& style) {
  preferences.set(kClassicLook, !style.modern);
  preferences.set(kSmoothCurves, style.smooth);
  preferences.set(kGridLines, style.grid);
  preferences.set(kPiTicks, style.piTicks);
  preferences.set(kCurveLabels, static_cast<int>(style.labels));
  preferences.set(kLabelPoints, style.labelPoints);
  preferences.set(kPresentationPercent, style.presentationPercent);
}

PictureSize exportSizeOf(const Preferences& preferences) {
  PictureSize size;
  const int unit = preferences.get(kExportUnit);
  if (unit == static_cast<int>(SizeUnit::Pixels) ||
      unit == static_cast<int>(SizeUnit::Centimetres)) {
    size.unit = static_cast<SizeUnit>(unit);
  }
  size.widthPixels = preferences.get(kExportWidthPixels);
  size.heightPixels = preferences.get(kExportHeightPixels);
  size.widthCm = preferences.get(kExportWidthCm);
  size.heightCm = preferences.get(kExportHeightCm);
  size.dotsPerInch = preferences.get(kExportDotsPerInch);
  if (!drawable(size)) return PictureSize{};
  return size;
}

void storeExportSize(Preferences& preferences, const PictureSize& size) {
  preferences.set(kExportUnit, static_cast<int>(size.unit));
  preferences.set(kExportWidthPixels, size.widthPixels);
  preferences.set(kExportHeightPixels, size.heightPixels);
  preferences.set(kExportWidthCm, size.widthCm);
  preferences.set(kExportHeightCm, size.heightCm);
  preferences.set(kExportDotsPerInch, size.dotsPerInch);
}

}  // namespace quorvel
