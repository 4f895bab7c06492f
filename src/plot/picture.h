#pragma once
// Pictures as files. A writer makes a surface of the picture's format and size,
// lets the caller draw on it (the program replays its list there, the one way every
// picture is drawn: on the screen, in every export) and writes the file whole.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

class Surface;

enum class PictureFormat {
  Bmp,   // 24-bit Windows bitmap
  Png,   // the same pixels as the bitmap
  Svg,   // vector: lines, dots and text
  Pdf,   // vector, one page the size of the picture
  Trace  // every call on the surface, one per line (no extension names it)
};

// The format the file's extension names (.bmp, .png, .svg, .pdf in any case).
std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file);
// The usual extension of a format, without the dot ("bmp"); "txt" for the trace.
const char* extensionOf(PictureFormat format);

// What a picture is: its format and the surface it is drawn on. The picture is the
// drawing area; the border around it is left out, but the surface's outer size (area
// + 2 × border) sets the axes' tick length, as on the window's surface.
struct PictureSpec {
  PictureFormat format = PictureFormat::Png;
  int widthPixels = 800;
  int heightPixels = 800;
  int borderPixels = 0;
};

// Draws the picture on the surface given; false when there is nothing to write (the
// file is then left as it was).
using DrawPicture = std::function<bool(Surface&)>;

class PictureWriter {
 public:
  virtual ~PictureWriter() = default;
  // Draws and writes the picture to `file` through a temporary file, so that the
  // file is either the whole new picture or as it was. Returns "" when written, else
  // the reason (also when `draw` declined).
  virtual std::string write(const PictureSpec& spec, const std::filesystem::path& file,
                            const DrawPicture& draw) = 0;
};

}  // namespace quorvel
