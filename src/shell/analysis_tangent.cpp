// The analysis window's tangent: found at the typed x₀, t₀ (θ₀) or point of the chosen
// curve with the same core as quorvel tangent, and drawn across the whole view.
#include <cmath>

#include "analysis/curve_calculus.h"
#include "catalogue/curve_rules.h"
#include "document/typed_record.h"
#include "eval/number_text.h"
#include "plot/surface.h"
#include "shell/frm_analysis.h"

namespace quorvel {

namespace {

constexpr std::int32_t kTangentColor = 0;  // black, as the marks
constexpr int kTangentPixels = 1;

}  // namespace

void frmAnalysis::updateTangent() {
  tangent_.reset();
  showTangentPlace();
  const std::string& typed = txtTangentAt.Text();
  lblTangentLine.setCaption(typed.empty() || !curve_ ? std::string() : tangentAtTyped(typed));
}

void frmAnalysis::drawTangent(Surface& canvas, const ViewState& view) const {
  if (!tangent_) return;
  const double zoom = view.zoomScale == 0 ? 1.0 : view.zoomScale;
  const StraightLine& line = tangent_->tangent;
  // From edge to edge of the view, in view units (curve units times the zoom).
  auto x1 = static_cast<float>(view.viewLeft), x2 = static_cast<float>(view.viewRight);
  float y1 = 0, y2 = 0;
  if (line.vertical) {
    x1 = x2 = static_cast<float>(line.x * zoom);
    y1 = static_cast<float>(view.viewBottom);
    y2 = static_cast<float>(view.viewTop);
  } else {
    y1 = static_cast<float>((line.slope * (x1 / zoom) + line.intercept) * zoom);
    y2 = static_cast<float>((line.slope * (x2 / zoom) + line.intercept) * zoom);
  }
  if (!std::isfinite(y1) || !std::isfinite(y2)) return;
  const std::int32_t color = canvas.ForeColor();
  const int width = canvas.DrawWidth();
  canvas.setForeColor(kTangentColor);
  canvas.setDrawWidth(kTangentPixels);
  canvas.Line(x1, y1, x2, y2);
  canvas.setDrawWidth(width);
  canvas.setForeColor(color);
}

}  // namespace quorvel
