#include "plot/picture.h"

#include <cctype>

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

}  // namespace quorvel
