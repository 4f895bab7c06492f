#include "support/svg_reader.h"

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>

namespace quorvel::test {

int SvgPicture::count(const QString& stroke) const {
  return static_cast<int>(std::count_if(polylines.begin(), polylines.end(),
                                        [&](const SvgPolyline& p) { return p.stroke == stroke; }));
}

std::size_t SvgPicture::longestPolyline(const QString& stroke) const {
  std::size_t longest = 0;
  for (const SvgPolyline& p : polylines) {
    if (p.stroke == stroke) longest = std::max(longest, p.points.size());
  }
  return longest;
}

SvgPicture readSvg(const std::filesystem::path& file) {
  SvgPicture picture;
  QFile in(QString::fromStdString(file.string()));
  if (!in.open(QIODevice::ReadOnly)) return picture;
  QXmlStreamReader xml(&in);
  // The stroke in force at each open element; the outermost has none.
  std::vector<QString> strokes{QString()};
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) strokes.pop_back();
    if (token != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = xml.attributes();
    strokes.push_back(a.hasAttribute("stroke") ? a.value("stroke").toString() : strokes.back());
    const QStringView name = xml.name();
    if (name == QLatin1String("svg")) picture.viewBox = a.value("viewBox").toString();
    if (name == QLatin1String("image")) ++picture.images;
    if (name == QLatin1String("polyline")) {
      SvgPolyline line{strokes.back(), {}};
      for (const QString& pair : a.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        if (xy.size() == 2) line.points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
      }
      picture.polylines.push_back(std::move(line));
    }
    if (name == QLatin1String("text")) {
      // Reading the text consumes the element's end as well.
      picture.texts.push_back(xml.readElementText().trimmed());
      strokes.pop_back();
    }
  }
  picture.parsed = !xml.hasError();
  return picture;
}

}  // namespace quorvel::test
