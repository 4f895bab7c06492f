#include "plot/recording_surface.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <ostream>
#include <system_error>
#include <utility>

namespace quorvel {

namespace {

SurfaceCall withArgs(SurfaceCallKind kind, float a, float b, float c = 0, float d = 0) {
  SurfaceCall call;
  call.kind = kind;
  call.args = {a, b, c, d};
  return call;
}

SurfaceCall withValue(SurfaceCallKind kind, std::int32_t value) {
  SurfaceCall call;
  call.kind = kind;
  call.value = value;
  return call;
}

// How many of args[] the trace writes for each kind.
int argCount(SurfaceCallKind kind) {
  switch (kind) {
    case SurfaceCallKind::Resize:
    case SurfaceCallKind::PSet:
    case SurfaceCallKind::Print: return 2;
    case SurfaceCallKind::FontSize:
    case SurfaceCallKind::FillPolygon: return 1;
    case SurfaceCallKind::Scale:
    case SurfaceCallKind::Line:
    case SurfaceCallKind::FillBox: return 4;
    case SurfaceCallKind::Circle: return 3;
    default: return 0;
  }
}

bool hasValue(SurfaceCallKind kind) {
  return kind == SurfaceCallKind::ForeColor || kind == SurfaceCallKind::DrawWidth ||
         kind == SurfaceCallKind::AutoRedraw || kind == SurfaceCallKind::Smooth ||
         kind == SurfaceCallKind::Circle;
}

// Shortest text that reads back as the same float ("1e+10", "-0.5", "3750").
void appendNumber(std::string& out, float v) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, result.ptr);
}

void appendNumber(std::string& out, std::int32_t v) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, result.ptr);
}

void appendEscaped(std::string& out, const std::string& text) {
  for (const char ch : text) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += ch;
    }
  }
}

void appendTraceLine(std::string& out, const SurfaceCall& call) {
  out += kindName(call.kind);
  const int n = argCount(call.kind);
  for (int i = 0; i < n; ++i) {
    out += '\t';
    appendNumber(out, call.args[static_cast<std::size_t>(i)]);
  }
  if (hasValue(call.kind)) {
    out += '\t';
    appendNumber(out, call.value);
  }
  if (call.kind == SurfaceCallKind::Print) {
    out += '\t';
    appendEscaped(out, call.text);
  }
  for (const float v : call.points) {
    out += '\t';
    appendNumber(out, v);
  }
}

}  // namespace

SurfaceCall SurfaceCall::resize(float widthTwips, float heightTwips) {
  return withArgs(SurfaceCallKind::Resize, widthTwips, heightTwips);
}
SurfaceCall SurfaceCall::scale(float x1, float y1, float x2, float y2) {
  return withArgs(SurfaceCallKind::Scale, x1, y1, x2, y2);
}
SurfaceCall SurfaceCall::cls() { return SurfaceCall{}; }
SurfaceCall SurfaceCall::foreColor(std::int32_t rgb) {
  return withValue(SurfaceCallKind::ForeColor, rgb);
}
SurfaceCall SurfaceCall::drawWidth(int pixels) {
  return withValue(SurfaceCallKind::DrawWidth, pixels);
}
SurfaceCall SurfaceCall::autoRedraw(bool on) {
  return withValue(SurfaceCallKind::AutoRedraw, on ? 1 : 0);
}
SurfaceCall SurfaceCall::line(float x1, float y1, float x2, float y2) {
  return withArgs(SurfaceCallKind::Line, x1, y1, x2, y2);
}
SurfaceCall SurfaceCall::pset(float x, float y) { return withArgs(SurfaceCallKind::PSet, x, y); }
SurfaceCall SurfaceCall::print(float x, float y, std::string text) {
  SurfaceCall call = withArgs(SurfaceCallKind::Print, x, y);
  call.text = std::move(text);
  return call;
}
SurfaceCall SurfaceCall::fontSize(float points) {
  return withArgs(SurfaceCallKind::FontSize, points, 0);
}
SurfaceCall SurfaceCall::smooth(bool on) { return withValue(SurfaceCallKind::Smooth, on ? 1 : 0); }
SurfaceCall SurfaceCall::circle(float x, float y, float radiusPixels, bool filled) {
  SurfaceCall call = withArgs(SurfaceCallKind::Circle, x, y, radiusPixels, 0);
  call.value = filled ? 1 : 0;
  return call;
}

SurfaceCall SurfaceCall::fillBox(float x1, float y1, float x2, float y2) {
  return withArgs(SurfaceCallKind::FillBox, x1, y1, x2, y2);
}

SurfaceCall SurfaceCall::fillPolygon(const std::vector<PolygonPoint>& points, double opacity) {
  SurfaceCall call = withArgs(SurfaceCallKind::FillPolygon, static_cast<float>(opacity), 0);
  call.points.reserve(points.size() * 2);
  for (const PolygonPoint& p : points) {
    call.points.push_back(p.x);
    call.points.push_back(p.y);
  }
  return call;
}

const char* kindName(SurfaceCallKind kind) {
  switch (kind) {
    case SurfaceCallKind::Resize: return "Resize";
    case SurfaceCallKind::Scale: return "Scale";
    case SurfaceCallKind::Cls: return "Cls";
    case SurfaceCallKind::ForeColor: return "ForeColor";
    case SurfaceCallKind::DrawWidth: return "DrawWidth";
    case SurfaceCallKind::AutoRedraw: return "AutoRedraw";
    case SurfaceCallKind::Line: return "Line";
    case SurfaceCallKind::PSet: return "PSet";
    case SurfaceCallKind::Print: return "Print";
    case SurfaceCallKind::FontSize: return "FontSize";
    case SurfaceCallKind::Smooth: return "Smooth";
    case SurfaceCallKind::FillBox: return "FillBox";
    case SurfaceCallKind::Circle: return "Circle";
    case SurfaceCallKind::FillPolygon: return "FillPolygon";
  }
  return "?";
}

std::string traceLine(const SurfaceCall& call) {
  std::string out;
  appendTraceLine(out, call);
  return out;
}

std::ostream& operator<<(std::ostream& out, const SurfaceCall& call) {
  return out << traceLine(call);
}

RecordingSurface::RecordingSurface(int widthPixels, int heightPixels, int borderPixels)
    : Surface(widthPixels, heightPixels, borderPixels) {}

std::vector<SurfaceCall> RecordingSurface::callsOf(SurfaceCallKind kind) const {
  std::vector<SurfaceCall> out;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
               [kind](const SurfaceCall& c) { return c.kind == kind; });
  return out;
}

std::size_t RecordingSurface::count(SurfaceCallKind kind) const {
  return static_cast<std::size_t>(std::count_if(
      calls_.begin(), calls_.end(), [kind](const SurfaceCall& c) { return c.kind == kind; }));
}

std::string RecordingSurface::traceText() const {
  std::string out;
  out.reserve(calls_.size() * 32);
  for (const auto& call : calls_) {
    appendTraceLine(out, call);
    out += '\n';
  }
  return out;
}

void RecordingSurface::onResize(float widthTwips, float heightTwips) {
  calls_.push_back(SurfaceCall::resize(widthTwips, heightTwips));
}
void RecordingSurface::onScale(float x1, float y1, float x2, float y2) {
  calls_.push_back(SurfaceCall::scale(x1, y1, x2, y2));
}
void RecordingSurface::onCls() { calls_.push_back(SurfaceCall::cls()); }
void RecordingSurface::onForeColor() { calls_.push_back(SurfaceCall::foreColor(ForeColor())); }
void RecordingSurface::onDrawWidth() { calls_.push_back(SurfaceCall::drawWidth(DrawWidth())); }
void RecordingSurface::onAutoRedraw() { calls_.push_back(SurfaceCall::autoRedraw(AutoRedraw())); }
void RecordingSurface::onFontSize() { calls_.push_back(SurfaceCall::fontSize(FontSize())); }
void RecordingSurface::onSmooth() { calls_.push_back(SurfaceCall::smooth(Smooth())); }
void RecordingSurface::onLine(float x1, float y1, float x2, float y2) {
  calls_.push_back(SurfaceCall::line(x1, y1, x2, y2));
}
void RecordingSurface::onPSet(float x, float y) { calls_.push_back(SurfaceCall::pset(x, y)); }
void RecordingSurface::onPrint(float x, float y, const std::string& text) {
  calls_.push_back(SurfaceCall::print(x, y, text));
}
void RecordingSurface::onCircle(float x, float y, float radiusPixels, bool filled) {
  calls_.push_back(SurfaceCall::circle(x, y, radiusPixels, filled));
}

void RecordingSurface::onFillBox(float x1, float y1, float x2, float y2) {
  calls_.push_back(SurfaceCall::fillBox(x1, y1, x2, y2));
}

void RecordingSurface::onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) {
  calls_.push_back(SurfaceCall::fillPolygon(points, opacity));
}

}  // namespace quorvel
