#pragma once
// Pictures as files. A writer makes a surface of the picture's format and size,
// lets the caller draw on it (the program replays its list there, the one way every
// picture is drawn: on the screen, in every export) and writes the file whole.
#include <cstdint>
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
  // A raster picture of a print resolution: `pixelRatio` device pixels for each pixel
  // above (lines, dots and texts as many times as thick and large), the file exactly
  // imageWidth × imageHeight pixels stating `dotsPerInch`. 1, 0, 0, 0: the pixels
  // above, the file stating no resolution of its own. Vector pictures and traces are
  // drawn at the size above.
  double pixelRatio = 1;
  int imageWidthPixels = 0;
  int imageHeightPixels = 0;
  int dotsPerInch = 0;
};

inline constexpr int kMaxPicturePixels = 8000;  // a side of a picture file
inline constexpr int kScreenDotsPerInch = 96;
inline constexpr int kMinDotsPerInch = 72;
inline constexpr int kMaxDotsPerInch = 1200;

// The size a user asks for a picture: the window's drawing area, a size in pixels, or
// a size in centimetres at a resolution for print.
enum class SizeUnit : std::int32_t { Window = 0, Pixels = 1, Centimetres = 2 };
struct PictureSize {
  SizeUnit unit = SizeUnit::Window;
  int widthPixels = 1600;
  int heightPixels = 1000;
  double widthCm = 10;
  double heightCm = 10;
  int dotsPerInch = 300;
  bool operator==(const PictureSize&) const = default;
};

// The pixels a length of centimetres takes at a resolution (rounded; 10 cm at 300 dpi
// is 1181).
int pixelsOfCentimetres(double centimetres, int dotsPerInch);
// Why a size cannot be drawn: a side under one pixel or over kMaxPicturePixels, a
// resolution outside kMinDotsPerInch to kMaxDotsPerInch.
enum class SizeFault { None, TooSmall, TooLarge, Resolution };
SizeFault sizeFault(const PictureSize& size);
// Whether the size can be drawn (it has no fault).
bool drawable(const PictureSize& size);
// The picture of `size` in `format`, for a window whose drawing area is windowWidth ×
// windowHeight pixels inside a border of borderPixels. Centimetres give a picture of
// the screen's 96 pixels to the inch drawn at the resolution asked: its file holds
// pixelsOfCentimetres pixels, its lines and texts look as on the screen.
PictureSpec pictureSpecFor(PictureFormat format, const PictureSize& size, int windowWidth,
                           int windowHeight, int borderPixels);
// The window's own picture in `size`: the region the window shows, fitted into the
// size with its aspect kept (one unit the same length on both axes) and centred, so
// that the other side shows more of the plane. The fit factor (the picture's pixels
// over the window's, along the side that fits exactly) is the picture's pixel ratio:
// lines and texts are that many times as thick and large, and the drawing's own size
// is the window's along that side. The window's size gives the window's picture.
PictureSpec fittedPictureSpecFor(PictureFormat format, const PictureSize& size, int windowWidth,
                                 int windowHeight, int borderPixels);
// How many times larger than the drawing a vector picture is written
// (1 for a picture of the screen's 96 pixels to the inch at its own size).
double vectorOutputScale(const PictureSpec& pictureSpec);

// Draws the picture on the surface given; false when there is nothing to write (the
// file is then left as it was).
using DrawPicture = std::function<bool(Surface&)>;

class PictureWriter {
 public:
  virtual ~PictureWriter() = default;
  // Draws and writes the picture to `file` through a temporary file, so that the
  // file is either the whole new picture or as it was. Returns "" when written, else
  // the reason (also when `draw` declined).
  virtual std::string write(const PictureSpec& pictureSpec, const std::filesystem::path& file,
                            const DrawPicture& draw) = 0;
};

}  // namespace quorvel
