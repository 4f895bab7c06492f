// The pan and zoom pad of the view page. Every action changes the view or arms a
// zoom and then replays the list; the draw command applies a pending zoom.
#include "catalogue/curve_rules.h"
#include "plot/view.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void frmControl::pan(PanDirection direction) {
  if (!g_.graphOnScreen) return;
  if (panView(g_, direction, txtValue.Text()) != kOk) {
    // Not a number (or beyond the extents' range): nothing has changed.
    message("数据错误", kTitleError);
    setMousePointer(kDefaultPointer);
    return;
  }
  cmdRedraw_Click();
}

void frmControl::picUp_Click() { pan(PanDirection::Up); }
void frmControl::picDown_Click() { pan(PanDirection::Down); }
void frmControl::picLeft_Click() { pan(PanDirection::Left); }
void frmControl::picRight_Click() { pan(PanDirection::Right); }

void frmControl::zoomButton(std::int32_t mode) {
  // The mode stays armed even when the zoom is refused or nothing is drawn.
  g_.zoomMode = mode;
  const bool refused = mode == 1 ? g_.zoomScale > kZoomInLimit : g_.zoomScale <= kZoomOutLimit;
  if (refused) {
    message("不能继续缩放", kTitleError);
    return;
  }
  if (!g_.graphOnScreen) return;
  g_.zoomPending = true;
  cmdRedraw_Click();
}

void frmControl::picZoomIn_Click() { zoomButton(1); }
void frmControl::picZoomOut_Click() { zoomButton(2); }

void frmControl::picCentre_Click() {
  centreView(g_, canvas->Width(), canvas->Height());
  cmdRedraw_Click();
}

void frmControl::picSize_Click() {
  sldZoom.setValue(500);
  cmdRedraw_Click();
}

}  // namespace quorvel
