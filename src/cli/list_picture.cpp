#include "cli/list_picture.h"

namespace quorvel::cli {

ListPictureOutcome writeListPicture(const std::filesystem::path& listFile,
                                    const std::filesystem::path& out,
                                    const ListPictureRequest& request, PictureWriter& writer) {
  ListPictureOutcome outcome;
  outcome.writeError = writer.write(request.picture, out, [&](Surface& surface) {
    HeadlessProgram headless(surface);
    frmControl& panel = headless.panel();
    panel.sldZoom.setValue(request.scale);
    panel.sldLevel.setValue(request.level);
    panel.sldPenWidth.setValue(request.penWidth);
    panel.fixPictureStyle(request.style);
    outcome.listOpened = headless.openList(listFile);
    outcome.messages = headless.messages();
    const std::vector<RecordedMessage>& refused = headless.panel().refusedRecords();
    outcome.messages.insert(outcome.messages.end(), refused.begin(), refused.end());
    return outcome.listOpened;
  });
  return outcome;
}

}  // namespace quorvel::cli
