#include "plot/picture.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quorvel {

std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  for (char& ch : extension) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

const char* extensionOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Png: return "png";
    case PictureFormat::Svg: return "svg";
    case PictureFormat::Pdf: return "pdf";
    case PictureFormat::Trace: return "txt";
  }
  return "";
}

int pixelsOfCentimetres(double centimetres, int dotsPerInch) {
  const double pixels = centimetres / 2.54 * dotsPerInch;
  // Beyond what a picture may hold (or no number at all) it is refused by drawable.
  if (!(pixels < 1e9)) return pixels > 0 ? 1'000'000'000 : 0;
  return static_cast<int>(std::lround(std::max(0.0, pixels)));
}

SizeFault sizeFault(const PictureSize& size) {
  if (size.unit == SizeUnit::Window) return SizeFault::None;
  int width = size.widthPixels, height = size.heightPixels;
  if (size.unit == SizeUnit::Centimetres) {
    if (size.dotsPerInch < kMinDotsPerInch || size.dotsPerInch > kMaxDotsPerInch) {
      return SizeFault::Resolution;
    }
    width = pixelsOfCentimetres(size.widthCm, size.dotsPerInch);
    height = pixelsOfCentimetres(size.heightCm, size.dotsPerInch);
  }
  if (width < 1 || height < 1) return SizeFault::TooSmall;
  if (width > kMaxPicturePixels || height > kMaxPicturePixels) return SizeFault::TooLarge;
  return SizeFault::None;
}

bool drawable(const PictureSize& size) { return sizeFault(size) == SizeFault::None; }

PictureSpec pictureSpecFor(PictureFormat format, const PictureSize& size, int windowWidth,
                           int windowHeight, int borderPixels) {
  PictureSpec pictureSpec{format, windowWidth, windowHeight, borderPixels};
  if (size.unit == SizeUnit::Pixels) {
    pictureSpec.widthPixels = size.widthPixels;
    pictureSpec.heightPixels = size.heightPixels;
  } else if (size.unit == SizeUnit::Centimetres) {
    const int width = pixelsOfCentimetres(size.widthCm, size.dotsPerInch);
    const int height = pixelsOfCentimetres(size.heightCm, size.dotsPerInch);
    pictureSpec.pixelRatio = static_cast<double>(size.dotsPerInch) / kScreenDotsPerInch;
    // The picture as the screen would show it: a pixel each 1/96 inch.
    pictureSpec.widthPixels =
        std::max(1, static_cast<int>(std::lround(width / pictureSpec.pixelRatio)));
    pictureSpec.heightPixels =
        std::max(1, static_cast<int>(std::lround(height / pictureSpec.pixelRatio)));
    pictureSpec.imageWidthPixels = width;
    pictureSpec.imageHeightPixels = height;
    pictureSpec.dotsPerInch = size.dotsPerInch;
  }
  return pictureSpec;
}

PictureSpec fittedPictureSpecFor(PictureFormat format, const PictureSize& size, int windowWidth,
                                 int windowHeight, int borderPixels) {
  PictureSpec pictureSpec{format, windowWidth, windowHeight, borderPixels};
  if (size.unit == SizeUnit::Window || windowWidth < 1 || windowHeight < 1) return pictureSpec;
  int width = size.widthPixels;
  int height = size.heightPixels;
  if (size.unit == SizeUnit::Centimetres) {
    width = pixelsOfCentimetres(size.widthCm, size.dotsPerInch);
    height = pixelsOfCentimetres(size.heightCm, size.dotsPerInch);
    pictureSpec.dotsPerInch = size.dotsPerInch;
  }
  width = std::max(1, width);
  height = std::max(1, height);
  const double fit = std::min(static_cast<double>(width) / windowWidth,
                              static_cast<double>(height) / windowHeight);
  pictureSpec.pixelRatio = fit;
  // The fitted side is the window's; the other at least as long, the image exactly
  // the size asked.
  pictureSpec.widthPixels = std::max(1, static_cast<int>(std::lround(width / fit)));
  pictureSpec.heightPixels = std::max(1, static_cast<int>(std::lround(height / fit)));
  pictureSpec.imageWidthPixels = width;
  pictureSpec.imageHeightPixels = height;
  return pictureSpec;
}

double vectorOutputScale(const PictureSpec& pictureSpec) {
  const double dotsPerInch =
      pictureSpec.dotsPerInch > 0 ? pictureSpec.dotsPerInch : double{kScreenDotsPerInch};
  const double scale = pictureSpec.pixelRatio * kScreenDotsPerInch / dotsPerInch;
  return std::isfinite(scale) && scale > 0 ? scale : 1.0;
}

}  // namespace quorvel
