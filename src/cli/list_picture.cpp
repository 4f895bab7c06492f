#include "cli/list_picture.h"

#include "analysis/derived_calculus.h"
#include "cli/list_opening.h"
#include "document/draw_list.h"

namespace quorvel::cli {

std::string writeListPicture(const FunctionList& list, const std::filesystem::path& out,
                             const ListPictureRequest& request, PictureWriter& writer) {
  return writer.write(request.picture, out, [&](Surface& surface) {
    ListPicture picture;
    picture.settings.level = request.level;
    picture.settings.penWidth = request.penWidth;
    picture.settings.autoRedraw = true;  // 自动重绘, ticked from the start
    picture.settings.style = request.style;
    picture.random = commandRandom();
    picture.derived = derivedFunctions();
    DrawState state;  // nothing on screen yet: the first curve centres the view
    state.scale = request.scale;
    drawList(surface, list, picture, state);
    return true;
  });
}

}  // namespace quorvel::cli
