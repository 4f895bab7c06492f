#pragma once
// A list file's picture without the windows: a program is built on the picture's
// surface, with the panel's sliders as asked, and opens the list, which replays every
// record there through the draw command, as the toolbar's 打开 does.
#include <filesystem>
#include <string>
#include <vector>

#include "plot/picture.h"
#include "plot/picture_style.h"
#include "shell/headless_program.h"

namespace quorvel::cli {

struct ListPictureRequest {
  PictureSpec picture;
  int scale = 500;     // sldZoom
  int level = 2000;    // sldLevel
  int penWidth = 2;    // sldPenWidth
  PictureStyle style;  // the picture options (图像选项)
};

struct ListPictureOutcome {
  bool listOpened = false;  // false: the program refused the list file (see messages)
  std::string writeError;   // why the picture was not written; "" when it was
  // The messages the program showed (the refusal of the file), then one per record
  // that failed its checks while it was replayed (those records are left out).
  std::vector<RecordedMessage> messages;
  bool written() const { return listOpened && writeError.empty(); }
};

// Nothing is written when the list is refused.
ListPictureOutcome writeListPicture(const std::filesystem::path& listFile,
                                    const std::filesystem::path& out,
                                    const ListPictureRequest& request, PictureWriter& writer);

}  // namespace quorvel::cli
