// The view typed in on the 视图 page (x from/to, y from/to, 确定), and the picture with
// no curve: the axes of the view alone.
#include <array>

#include "catalogue/curve_rules.h"
#include "document/typed_record.h"
#include "plot/view_box.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void frmControl::showEmptyAxes() {
  // A live curve's kept picture would be painted over.
  liveKept_ = false;
  drawAxesAlone(*canvas, drawSettings(), drawState());
}

void frmControl::cmdViewBox_Click() {
  PlaneBox box;
  const std::array<TextBox*, 4> texts = {&txtViewX1, &txtViewX2, &txtViewY1, &txtViewY2};
  const std::array<double*, 4> values = {&box.xFrom, &box.xTo, &box.yFrom, &box.yTo};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i]->Text().empty() || typedNumber(texts[i]->Text(), *values[i]) != kOk) {
      message("视图范围：请输入数字", kTitleError);
      texts[i]->requestFocus();
      return;
    }
  }
  ViewState view = g_;
  switch (fitViewToBox(view, box, canvas->Width(), canvas->Height())) {
    case ViewBoxFault::None: break;
    case ViewBoxFault::Empty: message("视图范围：起点必须小于终点", kTitleError); return;
    case ViewBoxFault::TooLarge: message("视图范围太大，不能完整显示", kTitleError); return;
    case ViewBoxFault::TooFar: message("视图范围离原点太远，不能显示", kTitleError); return;
  }
  static_cast<ViewState&>(g_) = view;
  g_.zoomPending = false;
  // The scale slider holds the picture's scale; the read-out divides by zoomScale.
  if (sldZoom.Value() != view.zoomScale) sldZoom.setValue(view.zoomScale);
  if (g_.graphOnScreen) {
    cmdRedraw_Click();
    return;
  }
  // Nothing drawn yet: the axes show the view and the first curve keeps it.
  g_.viewKept = true;
  showEmptyAxes();
}

}  // namespace quorvel
