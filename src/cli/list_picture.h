#pragma once
// A list's picture without the windows: the list drawn by the one drawing function on
// the picture's surface, in the centred view at the scale asked, with the sliders as
// asked, as the window draws it.
#include <filesystem>
#include <string>

#include "document/function_list.h"
#include "plot/picture.h"
#include "plot/picture_style.h"

namespace quorvel::cli {

struct ListPictureRequest {
  PictureSpec picture;
  int scale = 500;     // 缩放
  int level = 2000;    // 精度
  int penWidth = 2;    // 笔宽
  PictureStyle style;  // the picture options (图像选项)
};

// Draws the ticked entries of `list` and writes the picture to `out`; "" when written,
// else the reason (the file is then as it was).
std::string writeListPicture(const FunctionList& list, const std::filesystem::path& out,
                             const ListPictureRequest& request, PictureWriter& writer);

}  // namespace quorvel::cli
