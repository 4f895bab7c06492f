#pragma once
// Pictures of a function list as files: the format an extension names, and writing a
// list's picture (or a raster surface's image) through a temporary file beside the
// target that is renamed into place, so an existing file is never left damaged.
//
// The window's export of what it shows:
//   writeRasterPicture(rasterSurface, file, PictureFormat::Png, &error)
// and of a vector picture of its list (replayed in a program of its own):
//   PictureOptions o{.widthPixels = ..., .heightPixels = ..., .scale = sldZoom.Value(),
//                    .level = sldLevel.Value(), .penWidth = sldPenWidth.Value(),
//                    .view = program.g,    // the view on the screen; nullopt: centred
//                    .ticked = ...};       // lstExist's ticks; nullopt: every record
//   writeListPicture(program.listPath(), file, PictureFormat::Svg, o)
// Bitmap, PNG, SVG and PDF need a QGuiApplication (fonts); the trace does not.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "plot/view.h"
#include "shell/headless_program.h"

namespace quorvel {

class RasterSurface;
class VectorSurface;

enum class PictureFormat {
  Bmp,   // 24-bit Windows bitmap, as the toolbar's export writes
  Png,   // the same pixels as the bitmap
  Svg,   // vector: lines, dots and text
  Pdf,   // vector, one page the size of the picture
  Trace  // every call on the surface, one per line (no extension names it)
};

// The format the file's extension names (.bmp, .png, .svg, .pdf in any case).
std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file);
// The usual extension of a format, without the dot ("bmp"); "txt" for the trace.
const char* extensionOf(PictureFormat format);

struct PictureOptions {
  int widthPixels = 800;  // the drawing area, which is the picture
  int heightPixels = 800;
  // A border around the drawing area, left out of the picture; the surface's outer
  // size (area + 2 × border) sets the axes' tick length, as on the window's surface.
  int borderPixels = 0;
  int scale = 500;     // sldZoom
  int level = 2000;    // sldLevel
  int penWidth = 2;    // sldPenWidth
  // The view to draw in (view units of this picture's size); nullopt: the centred view.
  std::optional<ViewState> view;
  // The lines of lstExist that are ticked (line i is record i + 1): only those records
  // are drawn, as the redraw draws them. nullopt: every record, as an opened list.
  std::optional<std::vector<bool>> ticked;
};

struct PictureOutcome {
  bool listOpened = false;  // false: the program refused the list file (see messages)
  bool written = false;
  std::string writeError;   // why the picture could not be written
  // The messages the program showed: the refusal of the file, or one per record
  // that failed its checks while it was replayed (those records are left out).
  std::vector<RecordedMessage> messages;
};

// Replays the entries of the list file (every one, or the ticked ones) on a surface of
// the format with the options and writes the picture to `out`. Nothing is written
// when the list is refused. With ticks, the messages are those of the ticked records.
PictureOutcome writeListPicture(const std::filesystem::path& listFile,
                                const std::filesystem::path& out, PictureFormat format,
                                const PictureOptions& options);

// The raster surface's image as a bitmap or PNG. False (with the reason) on failure.
bool writeRasterPicture(const RasterSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error);
// The vector surface's picture as SVG or PDF. False (with the reason) on failure.
bool writeVectorPicture(const VectorSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error);
// Text written to `out` through a temporary file. False (with the reason) on failure.
bool writeTextFile(const std::string& text, const std::filesystem::path& out, std::string* error);

}  // namespace quorvel
