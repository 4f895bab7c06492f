// The drawing surface under the pointer: the wheel zooms about the point under it, a
// drag carries the picture. Each frame replays the list as the pan and zoom buttons
// do, and leaves the view as those buttons would.
#include "plot/direct_view.h"
#include "shell/frm_quorvel.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr const char* kCannotZoom = "不能继续缩放";

// The extents of `view` into the program's view; the scale is the draw command's.
void takeExtents(mdlDeclare& g, const ViewState& view) {
  g.viewLeft = view.viewLeft;
  g.viewRight = view.viewRight;
  g.viewTop = view.viewTop;
  g.viewBottom = view.viewBottom;
}

}  // namespace

void frmQuorvel::picPic_Wheel(float x, float y, int angleDelta) {
  mdlDeclare& g = program_.g;
  frmControl& panel = program_.panel;
  if (!g.graphOnScreen || angleDelta == 0) return;
  const WheelZoom z = wheelZoom(wheelTarget_, panel.sldZoom.Value(), angleDelta / 120.0);
  wheelTarget_ = z.target;
  if (z.atLimit) {
    // Never a message box from the wheel: the read-out says it until the pointer moves.
    lblCoordinate.setCaption(kCannotZoom);
    return;
  }
  if (z.scale == panel.sldZoom.Value()) return;  // a small turn, still gathering
  ViewState view = g;
  if (zoomViewAbout(view, x, y, g.zoomScale, z.scale) != kOk) {
    lblCoordinate.setCaption(kCannotZoom);
    return;
  }
  takeExtents(g, view);
  panel.sldZoom.setValue(z.scale);
  panel.cmdRedraw_Click();
}

void frmQuorvel::picPic_DragStart() { dragStart_ = program_.g; }

void frmQuorvel::picPic_DragTo(int dxPixels, int dyPixels) {
  mdlDeclare& g = program_.g;
  if (!dragStart_ || !g.graphOnScreen) return;
  ViewState view;
  if (dragView(view, *dragStart_, dxPixels, dyPixels) != kOk) return;
  takeExtents(g, view);
  program_.panel.cmdRedraw_Click();
}

void frmQuorvel::picPic_DragEnd() { dragStart_.reset(); }

}  // namespace quorvel
