#pragma once
// A surface that draws nothing and keeps every call as data: exact tests of the axes
// and the plotter compare these records, and the trace output prints them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "plot/surface.h"

namespace quorvel {

enum class SurfaceCallKind {
  Resize,
  Scale,
  Cls,
  ForeColor,
  DrawWidth,
  AutoRedraw,
  Line,
  PSet,
  Print,
  FontSize,
  Smooth,
  FillBox,
  Circle,
  FillPolygon
};

// One call on the surface. The float arguments are kept as the caller gave them:
//   Resize    args = width, height in twips (before they are kept to whole pixels)
//   Scale     args = x1, y1, x2, y2
//   Line      args = x1, y1, x2, y2
//   PSet      args = x, y
//   Print     args = CurrentX, CurrentY at the time of the call; text
//   ForeColor value = the colour as the surface keeps it (24 bits, red in the low
//   byte); DrawWidth value = pixels as kept (at least 1); AutoRedraw value = 0 or 1.
//   FontSize  args = points as kept; Smooth value = 0 or 1.
//   FillBox   args = x1, y1, x2, y2
//   Circle    args = x, y, radius in pixels; value = 1 filled, 0 a ring
//   FillPolygon args = opacity; points = x1, y1, x2, y2, … of the corners
// Unused fields stay zero / empty.
struct SurfaceCall {
  SurfaceCallKind kind = SurfaceCallKind::Cls;
  std::array<float, 4> args{};
  std::int32_t value = 0;
  std::string text;
  std::vector<float> points{};

  static SurfaceCall resize(float widthTwips, float heightTwips);
  static SurfaceCall scale(float x1, float y1, float x2, float y2);
  static SurfaceCall cls();
  static SurfaceCall foreColor(std::int32_t rgb);
  static SurfaceCall drawWidth(int pixels);
  static SurfaceCall autoRedraw(bool on);
  static SurfaceCall line(float x1, float y1, float x2, float y2);
  static SurfaceCall pset(float x, float y);
  static SurfaceCall print(float x, float y, std::string text);
  static SurfaceCall fontSize(float points);
  static SurfaceCall smooth(bool on);
  static SurfaceCall fillBox(float x1, float y1, float x2, float y2);
  static SurfaceCall circle(float x, float y, float radiusPixels, bool filled);
  static SurfaceCall fillPolygon(const std::vector<PolygonPoint>& points, double opacity);

  bool operator==(const SurfaceCall&) const = default;
};

// The call's trace line without the line end, e.g. "Line\t-3750\t0\t3750\t0".
std::string traceLine(const SurfaceCall& call);
// The name of a kind as the trace writes it ("Resize", "PSet", ...).
const char* kindName(SurfaceCallKind kind);
// GoogleTest and other streams print a call as its trace line.
std::ostream& operator<<(std::ostream& out, const SurfaceCall& call);

class RecordingSurface : public Surface {
 public:
  // The default is the 7500 × 7500-twip picture box with a one-pixel border.
  explicit RecordingSurface(int widthPixels = 500, int heightPixels = 500, int borderPixels = 1);

  const std::vector<SurfaceCall>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  std::vector<SurfaceCall> callsOf(SurfaceCallKind kind) const;
  std::size_t count(SurfaceCallKind kind) const;

  // One line per call, fields separated by TAB, each line ending in '\n'. Numbers are
  // the shortest text that reads back as the same float; colours and widths are
  // decimal integers. In a Print text a backslash, TAB, CR or line feed is written
  // as \\, \t, \r or \n so that every call stays on one line.
  std::string traceText() const;

 protected:
  void onResize(float widthTwips, float heightTwips) override;
  void onScale(float x1, float y1, float x2, float y2) override;
  void onCls() override;
  void onForeColor() override;
  void onDrawWidth() override;
  void onAutoRedraw() override;
  void onFontSize() override;
  void onSmooth() override;
  void onLine(float x1, float y1, float x2, float y2) override;
  void onPSet(float x, float y) override;
  void onPrint(float x, float y, const std::string& text) override;
  void onFillBox(float x1, float y1, float x2, float y2) override;
  void onCircle(float x, float y, float radiusPixels, bool filled) override;
  void onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) override;

 private:
  std::vector<SurfaceCall> calls_;
};

}  // namespace quorvel
