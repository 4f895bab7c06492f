#pragma once
// The drawing surface as a persistent image (QImage): what the window shows, what
// the bitmap export saves and what is printed. Needs a QGuiApplication for the text.
//
// Pixel convention: pixel (i, j) of the drawing area covers the square from column
// i to i + 1 and row j to j + 1 of toPixels, so a user point lands on the pixel
// (floor(column), floor(row)). PSet colours that pixel and a round dot DrawWidth
// pixels across around it; Line sweeps that dot from one end to the other. Aliased
// dots wider than kMaxStampWidth pixels are drawn kMaxStampWidth wide.
//
// Smooth drawing and a pixel ratio other than 1 gather lines and dots as coverage
// (coverage_strokes.h) at the image's device pixels: the image then holds ratio ×
// the drawing area's pixels (its device pixel ratio set), while every position, pen
// width and font size stays in pixels of the drawing area. Texts are drawn once and
// stamped (text_stamps.h); the painter fills boxes.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "plot/clip_segment.h"
#include "plot/surface.h"
#include "render/coverage_strokes.h"
#include "render/text_stamps.h"

namespace quorvel {

class RasterSurface : public Surface {
 public:
  static constexpr int kMaxStampWidth = 255;

  // The default is the 7500 × 7500-twip picture box with a one-pixel border.
  explicit RasterSurface(int widthPixels = 500, int heightPixels = 500, int borderPixels = 1);
  ~RasterSurface() override;

  // The drawing area, white where nothing was drawn. The reference lives as long as
  // the surface and shows later drawing too; copy the image to keep a snapshot.
  const QImage& image() const;
  // Device pixels per pixel of the drawing area: the image holds the area times the
  // ratio (rounded), or exactly imageWidth × imageHeight pixels when both are given.
  // The image starts white again.
  void setPixelRatio(double ratio, int imageWidth = 0, int imageHeight = 0);
  double pixelRatio() const { return pixelRatio_; }
  // The resolution the bitmap and PNG files state (0: the image's own, 96 dpi).
  void setFileDotsPerInch(int dotsPerInch) { fileDotsPerInch_ = dotsPerInch; }
  // Writes the image as a 24-bit Windows bitmap; false when it cannot be written.
  bool saveBmp(const std::string& path) const;
  // Writes the image as PNG with the same pixels. A picture of at most 256 colours
  // (every aliased one is) goes as a palette image, a quarter of the bytes to filter
  // and compress; false when it cannot be written.
  bool savePng(const std::string& path) const;

  // Off (the default): aliased, every pixel fully in ForeColor or untouched, like the
  // platform's picture box. On: smooth lines, dots and text, their edges blended.
  bool antialiasing() const { return antialiasing_; }
  void setAntialiasing(bool on);

  // The family the surface writes its text in (a sans-serif face with Chinese glyphs
  // when the system has one).
  QString fontFamily() const { return font_.family(); }
  // The font itself (12 pixels; aliased unless antialiasing is on).
  const QFont& font() const { return font_; }

 protected:
  void onResize(float widthTwips, float heightTwips) override;
  void onCls() override;
  void onForeColor() override;
  void onDrawWidth() override;
  void onSmooth() override { setAntialiasing(Smooth()); }
  void onFontSize() override;
  double textWidthPixels(const std::string& text) const override;
  double textHeightPixels() const override;
  void onLine(float x1, float y1, float x2, float y2) override;
  void onPSet(float x, float y) override;
  void onPrint(float x, float y, const std::string& text) override;
  void onFillBox(float x1, float y1, float x2, float y2) override;
  void onCircle(float x, float y, float radiusPixels, bool filled) override;
  void onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) override;
  bool onKeepPicture() override;
  bool onRestorePicture() override;
  // Aliased: the same pixels as PSet and Line one by one, each point converted to
  // pixels once and the image's figures read once per run.
  void onPlotDots(const PlotDot* dots, std::size_t count) override;

 private:
  // One row of the dot stamped for a DrawWidth: pixels from dx0 to dx1 at row dy,
  // relative to the dot's anchor pixel.
  struct StampRow {
    int dy, dx0, dx1;
  };

  // The last two anchor pixels stamped, in the pen and width in force, with nothing
  // else written since. A dot stamped again there would change no pixel: the plotter
  // sets a dot and then joins the previous one to it, and at fine levels most joins
  // stay on one or two anchors.
  struct RecentStamps {
    int count = 0;
    int x[2] = {0, 0};
    int y[2] = {0, 0};
    bool has(int ax, int ay) const {
      return (count > 0 && x[1] == ax && y[1] == ay) || (count > 1 && x[0] == ax && y[0] == ay);
    }
    void add(int ax, int ay) {
      if (count > 0 && x[1] == ax && y[1] == ay) return;
      x[0] = x[1];
      y[0] = y[1];
      x[1] = ax;
      y[1] = ay;
      count = count < 2 ? count + 1 : 2;
    }
  };

  // Whether drawing goes through the painter (smooth, or another pixel ratio).
  bool painted() const { return antialiasing_ || pixelRatio_ != 1; }
  QImage blankImage(int imageWidth = 0, int imageHeight = 0) const;
  void replaceImage(QImage image);
  void applyFont();
  void updateTextLook();
  QPainter& activePainter();
  void endPainting() const;
  void flushStrokes() const;
  // A horizontal or vertical line's position across it, on the device pixels' grid
  // as the aliased dot has it, so that axes and grid lines are sharp.
  double snappedAcross(double v) const;
  bool snapped(const PixelPoint& a, const PixelPoint& b) const;
  // The painter's path: lines and dots gathered as coverage (PlotDots draws the same
  // pixels as its PSet and Line calls one by one).
  void paintedLine(const PixelPoint& a, const PixelPoint& b);
  void paintedDot(const PixelPoint& p);
  void paintedDots(const PlotDot* dots, std::size_t count);
  void applyPenToPainter();
  void rebuildStamp();
  void noteImageSize();
  void stamp(QRgb* bits, int ax, int ay) const;
  // The image's pixels for writing; bits() may copy a shared image, so it is asked
  // only when a dot is stamped, once per call or run (`bits` starts null).
  QRgb* writableBits(QRgb*& bits);
  bool insideReach(double c, double r) const {
    return c >= reach_.left && c <= reach_.right && r >= reach_.top && r <= reach_.bottom;
  }
  // The anchor pixel of a column or row inside the reach.
  // floor by truncation: the reach keeps v well inside int, and this needs no
  // rounding-mode instruction the baseline processor may lack.
  int anchorOf(double v) const {
    const double shifted = v + anchorShift_;
    const int truncated = static_cast<int>(shifted);
    return shifted < truncated ? truncated - 1 : truncated;
  }
  // The dot at an anchor, left out when it is one of the last two stamped.
  void anchorDot(int x, int y, QRgb*& bits) {
    if (!recent_.has(x, y)) stamp(writableBits(bits), x, y);
    recent_.add(x, y);
  }
  void rasterDot(double c, double r, QRgb*& bits);
  void rasterLine(double c0, double r0, double c1, double r1, QRgb*& bits);
  // rasterLine after the cut, from anchor to anchor.
  void anchorLine(int x, int y, int xEnd, int yEnd, QRgb*& bits);

  // Mutable: lines and dots still gathered are laid over it when it is read.
  mutable QImage image_;
  double pixelRatio_ = 1;
  int fileDotsPerInch_ = 0;
  QImage kept_;  // KeepPicture's copy
  QFont font_;
  int fontAscent_ = 0;
  int fontHeight_ = 0;
  QRgb penRgb_ = 0;
  QPen pen_;
  bool antialiasing_ = false;
  // Half a pixel for odd widths (dots centred on a pixel), none for even widths
  // (dots centred on a pixel corner); see rebuildStamp.
  double anchorShift_ = 0;
  std::vector<StampRow> stamp_;
  // The stamp's extent around its anchor (rows and columns), for the unclipped path.
  int stampLo_ = 0;
  int stampHi_ = 0;
  // The image's figures, read from it whenever it is replaced (the drawing loops
  // would otherwise call into the library for each).
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  bool hasPixels_ = false;
  qsizetype wordsPerLine_ = 0;
  // Where an aliased dot (capped width) still reaches the image: segments are cut here.
  ClipBox reach_;
  RecentStamps recent_;
  TextStamps stamps_;  // every text drawn once, then stamped
  // Declared after image_ so that it ends before the image goes.
  mutable QPainter painter_;
  // Smooth (or scaled) lines and dots not yet laid over the image, and their colour.
  mutable CoverageStrokes strokes_;
  QRgb strokeColour_ = 0;
};

}  // namespace quorvel
