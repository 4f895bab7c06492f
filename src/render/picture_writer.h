#pragma once
// The pictures as files: a surface of the picture's format (raster for bitmaps and
// PNG, vector for SVG and PDF, recording for the trace) is drawn on and written
// through a temporary file, so an existing file is never left damaged. Bitmap, PNG,
// SVG and PDF need a QGuiApplication (fonts); the trace does not.
#include <QByteArray>
#include <filesystem>
#include <string>

#include "plot/picture.h"

namespace quorvel {

class RasterSurface;
class VectorSurface;

class FilePictureWriter : public PictureWriter {
 public:
  std::string write(const PictureSpec& pictureSpec, const std::filesystem::path& file,
                    const DrawPicture& draw) override;
};

// The raster surface's image as a bitmap or PNG. False (with the reason) on failure.
bool writeRasterPicture(const RasterSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error);
// The vector surface's picture as SVG or PDF, `scale` times its size (the drawing
// scaled with it). False (with the reason) on failure.
bool writeVectorPicture(const VectorSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error, double scale = 1);
// The vector surface's picture as the bytes of an SVG file (for the clipboard).
QByteArray svgBytes(const VectorSurface& surface);

}  // namespace quorvel
