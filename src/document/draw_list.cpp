#include "document/draw_list.h"

#include <optional>
#include <utility>

namespace quorvel {

namespace {

bool isArea(const EntryCurve& curve) {
  return (curve.derived && curve.derived->kind == DerivedKind::kArea) ||
         // Regions given by inequalities are shaded under the curves too.
         curve.region != nullptr;
}

}  // namespace

ListDrawn drawList(Surface& canvas, const FunctionList& list, const ListPicture& picture,
                   DrawState& state) {
  ListDrawn out;
  canvas.Cls();
  CurvePainter painter(canvas, picture.settings, state);
  painter.setDerivedFunctions(picture.derived);
  painter.startPicture();
  // Every ticked entry read first, so that the shaded areas can go under the lines.
  std::vector<std::optional<EntryCurve>> curves(list.size());
  bool areas = false;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const ListEntry& entry = list.at(i);
    if (!entry.ticked) continue;
    EntryReading reading = readEntry(entry, picture.random);
    if (!reading.curve) {
      out.refused.push_back(EntryRefusal{i, std::move(reading.refusal)});
      continue;
    }
    areas = areas || isArea(*reading.curve);
    curves[i] = std::move(reading.curve);
  }
  const auto drawWhere = [&](bool area) {
    for (const std::optional<EntryCurve>& curve : curves) {
      if (!curve || isArea(*curve) != area) continue;
      painter.draw(*curve,
                   storedEntryDrawing(*curve, picture.settings.level, picture.settings.style));
      ++out.drawn;
    }
  };
  if (areas) drawWhere(true);
  drawWhere(false);
  LabelSpace* texts = painter.finishPicture();
  for (const PictureOverlay& overlay : picture.overlays) overlay(canvas, state.view, texts);
  return out;
}

void drawAxesAlone(Surface& canvas, const DrawSettings& settings, DrawState state) {
  canvas.Cls();
  CurvePainter painter(canvas, settings, state);
  painter.drawAxesAlone();
}

}  // namespace quorvel
