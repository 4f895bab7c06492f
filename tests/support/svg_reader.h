#pragma once
// An SVG picture read back as XML for the export tests: its view box, every polyline
// with the stroke it takes from the groups around it, the texts, and how many
// embedded images it has (a vector picture has none).
#include <QPointF>
#include <QString>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace quorvel::test {

struct SvgPolyline {
  QString stroke;
  std::vector<QPointF> points;
};

struct SvgPicture {
  bool parsed = false;  // the file opened and is well-formed XML
  QString viewBox;
  std::vector<SvgPolyline> polylines;
  std::vector<QString> texts;
  int images = 0;

  // How many polylines are drawn in `stroke` ("#0000ff").
  int count(const QString& stroke) const;
  // The most points that one polyline in `stroke` has.
  std::size_t longestPolyline(const QString& stroke) const;
};

SvgPicture readSvg(const std::filesystem::path& file);

}  // namespace quorvel::test
