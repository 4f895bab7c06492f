#pragma once
// The drawing surface: a picture box reduced to what the program uses. Sizes are in
// twips (15 per pixel); after Scale every drawing call is in user units, and the
// surface maps them to pixels of its drawing area (the outer size less the border).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

constexpr int kTwipsPerPixel = 15;

// A point of the drawing area in pixels (fractions kept), from its top-left corner.
struct PixelPoint {
  double column = 0;
  double row = 0;
};

// One point of a plotted curve: a dot at (x, y), then, when `joined`, the line from
// (fromX, fromY) to it. PlotDots draws a run of them as these PSet and Line calls.
struct PlotDot {
  float x = 0;
  float y = 0;
  float fromX = 0;
  float fromY = 0;
  bool joined = false;
};

// A corner of a filled polygon, in user units.
struct PolygonPoint {
  float x = 0;
  float y = 0;
  bool operator==(const PolygonPoint&) const = default;
};

class Surface {
 public:
  // widthPixels × heightPixels is the outer size; borderPixels wide on every side.
  Surface(int widthPixels, int heightPixels, int borderPixels);
  virtual ~Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // Outer size in twips.
  float Width() const { return static_cast<float>(widthPixels_ * kTwipsPerPixel); }
  float Height() const { return static_cast<float>(heightPixels_ * kTwipsPerPixel); }
  // The drawing area in user units; before any Scale, twips from the top-left corner.
  float ScaleLeft() const { return scaleLeft_; }
  float ScaleTop() const { return scaleTop_; }
  float ScaleWidth() const { return scaleWidth_; }
  float ScaleHeight() const { return scaleHeight_; }
  // Drawing area in pixels (0 when the border takes the whole size).
  int AreaWidthPixels() const { return std::max(0, widthPixels_ - 2 * borderPixels_); }
  int AreaHeightPixels() const { return std::max(0, heightPixels_ - 2 * borderPixels_); }
  int BorderPixels() const { return borderPixels_; }

  // Sets the outer size (in twips, kept to whole pixels) and resets the user scale.
  void Resize(float widthTwips, float heightTwips);
  // The user coordinate system: (x1, y1) is the top-left corner, (x2, y2) the
  // bottom-right one; y grows upward when y2 < y1.
  void Scale(float x1, float y1, float x2, float y2);
  // Clears to the background colour; the current position goes back to (0, 0).
  void Cls();

  std::int32_t ForeColor() const { return foreColor_; }
  void setForeColor(std::int32_t rgb);
  int DrawWidth() const { return drawWidth_; }
  void setDrawWidth(int pixels);
  bool AutoRedraw() const { return autoRedraw_; }
  void setAutoRedraw(bool v);

  // A line in ForeColor, DrawWidth pixels wide; the current position moves to its end.
  void Line(float x1, float y1, float x2, float y2);
  // A dot DrawWidth pixels across; the current position moves to it.
  void PSet(float x, float y);
  // The same drawing as PSet and Line for each dot in turn; a surface may draw the
  // run faster than one call at a time.
  void PlotDots(const PlotDot* dots, std::size_t count);
  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }
  void setCurrentX(float x) { currentX_ = x; }
  void setCurrentY(float y) { currentY_ = y; }
  // Text with its top-left corner at the current position, in ForeColor.
  void Print(const std::string& text);
  // A box filled with ForeColor between the corners (x1, y1) and (x2, y2), both
  // included, as the picture box's Line with "BF" draws it; the current position
  // moves to (x2, y2).
  void FillBox(float x1, float y1, float x2, float y2);
  // A round mark `radiusPixels` across from its centre (x, y), in ForeColor: a disc
  // (filled), or a ring DrawWidth wide around the background's colour (a point a
  // curve comes up to but does not hold). The current position moves to the centre.
  void Circle(float x, float y, float radiusPixels, bool filled);
  // The polygon through `points` (three or more) filled with ForeColor at `opacity`
  // (from 0, clear, to 1), what was drawn before showing through: a shaded area that
  // lies under the curves. The current position stays where it was.
  void FillPolygon(const std::vector<PolygonPoint>& points, double opacity);

  // Beyond the picture box, for the picture's style; a surface may ignore them. The
  // size of Print's text in points (9, the picture box's font, at first) and smooth
  // drawing (antialiased lines, dots and text; off at first).
  float FontSize() const { return fontSize_; }
  void setFontSize(float points);
  bool Smooth() const { return smooth_; }
  void setSmooth(bool on);
  // What Print's text takes in pixels of the drawing area: its width, and the height
  // of a line.
  double TextWidthPixels(const std::string& text) const { return textWidthPixels(text); }
  double TextHeightPixels() const { return textHeightPixels(); }
  // A picture kept to be put back: the live parameters draw the other curves once
  // and put them back under each new state of the curve being changed. False when
  // this surface keeps no pictures (or none was kept at its size): draw afresh.
  bool KeepPicture() { return onKeepPicture(); }
  bool RestorePicture();
  // True for a surface that keeps nothing drawn on it (a run that needs only the
  // list, not the picture): the plotter need not work out a curve's points for it.
  virtual bool DrawsNothing() const { return false; }

  // User units to pixels of the drawing area (inline: every plotted point passes here).
  PixelPoint toPixels(float x, float y) const {
    PixelPoint p;
    // A degenerate scale maps everything to the corner rather than dividing by zero.
    if (scaleWidth_ != 0) {
      p.column = (static_cast<double>(x) - scaleLeft_) * AreaWidthPixels() / scaleWidth_;
    }
    if (scaleHeight_ != 0) {
      p.row = (static_cast<double>(y) - scaleTop_) * AreaHeightPixels() / scaleHeight_;
    }
    return p;
  }

 protected:
  // What the implementations do; the state above is already updated when they run.
  // onResize and onScale also get the arguments as the caller gave them (the size
  // before it was kept to whole pixels, the corners before ScaleWidth was rounded).
  virtual void onResize(float /*widthTwips*/, float /*heightTwips*/) {}
  virtual void onScale(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) {}
  virtual void onCls() {}
  virtual void onForeColor() {}
  virtual void onDrawWidth() {}
  virtual void onAutoRedraw() {}
  virtual void onFontSize() {}
  virtual void onSmooth() {}
  // An estimate from the font size alone, the same on every machine: a line is 1.25
  // of the size in pixels high, a character of ASCII half of it wide, any other a
  // whole size (the Chinese face's). Surfaces that draw text measure their font.
  virtual double textWidthPixels(const std::string& text) const;
  virtual double textHeightPixels() const;
  virtual void onLine(float x1, float y1, float x2, float y2) = 0;
  virtual void onPSet(float x, float y) = 0;
  virtual void onPrint(float x, float y, const std::string& text) = 0;
  virtual void onFillBox(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) {}
  // By default the ring as Line calls around the centre (a filled one with a dot of
  // the disc's size in the middle), which every surface draws.
  virtual void onCircle(float x, float y, float radiusPixels, bool filled);
  // By default nothing: a surface that keeps no areas (the list's own pictures have
  // none) leaves them out.
  virtual void onFillPolygon(const std::vector<PolygonPoint>& /*points*/, double /*opacity*/) {}
  // By default PSet and Line one dot after the other, so that every call is seen.
  // An override draws exactly the same pixels; PlotDots sets the current position.
  virtual void onPlotDots(const PlotDot* dots, std::size_t count);
  // After every call that changes the picture (Resize, Cls, Line, PSet, PlotDots,
  // Print, FillBox), runs or batched alike: the one place a window learns that it must show
  // the picture again.
  virtual void onPictureChanged() {}
  virtual bool onKeepPicture() { return false; }
  virtual bool onRestorePicture() { return false; }

 private:
  void resetScale();

  int widthPixels_;
  int heightPixels_;
  int borderPixels_;
  float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  std::int32_t foreColor_ = 0;
  int drawWidth_ = 1;
  bool autoRedraw_ = false;
  float fontSize_ = 9;
  bool smooth_ = false;
  float currentX_ = 0, currentY_ = 0;
};

// Red, green, blue of a colour value (red in the low byte).
constexpr int redOf(std::int32_t rgb) { return rgb & 0xFF; }
constexpr int greenOf(std::int32_t rgb) { return (rgb >> 8) & 0xFF; }
constexpr int blueOf(std::int32_t rgb) { return (rgb >> 16) & 0xFF; }
constexpr std::int32_t rgbOf(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace quorvel
