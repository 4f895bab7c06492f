#include "document/draw_list.h"

namespace quorvel {

ListDrawn drawList(Surface& canvas, const FunctionList& list, const ListPicture& picture,
                   DrawState& state) {
  ListDrawn out;
  canvas.Cls();
  CurvePainter painter(canvas, picture.settings, state);
  painter.startPicture();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const ListEntry& entry = list.at(i);
    if (!entry.ticked) continue;
    EntryReading reading = readEntry(entry, picture.random);
    if (!reading.curve) {
      out.refused.push_back(EntryRefusal{i, std::move(reading.refusal)});
      continue;
    }
    painter.draw(*reading.curve, storedEntryDrawing(*reading.curve, picture.settings.level,
                                                    picture.settings.style));
    ++out.drawn;
  }
  LabelSpace* texts = painter.finishPicture();
  for (const PictureOverlay& overlay : picture.overlays) overlay(canvas, state.view, texts);
  return out;
}

}  // namespace quorvel
