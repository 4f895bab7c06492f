#pragma once
// Texts drawn once and then stamped: the axes' labels repeat on every replay, and a
// painter lays out and draws a text far slower than its pixels are copied. A stamp
// holds each pixel's share of the text (0 or 255 when it is aliased).
#include <QFont>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvel {

// How the stamps are drawn; a change forgets them.
struct TextLook {
  QFont font;        // its size in pixels of the drawing area
  int ascent = 0;    // pixels from a line's top to its baseline
  double ratio = 1;  // device pixels per pixel
  bool smooth = false;
};

class TextStamps {
 public:
  void setLook(const TextLook& look);
  // `text` with its line's top-left corner at the device pixel (left, top) of the
  // image, in `colour`: each pixel takes its share of the colour.
  void stamp(QImage& image, int left, int top, const std::string& text, QRgb colour);

 private:
  struct Stamp {
    int margin = 0;  // device pixels around the text's line while it is drawn
    int left = 0;    // the kept box's corner from the text's corner (device pixels)
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> shares;
  };
  const Stamp& stampOf(const std::string& text);

  static constexpr std::size_t kMaxStamps = 1024;  // a replay writes a few dozen labels
  TextLook look_;
  std::unordered_map<std::string, Stamp> stamps_;
};

}  // namespace quorvel
