// The analysis window's behaviour: the curves it works on, their key points for the
// view, the marks on the picture, the trace and the table of values.
#include "shell/frm_analysis.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "analysis/analysis_text.h"
#include "analysis/curve_calculus.h"
#include "analysis/trace.h"
#include "catalogue/curve_rules.h"
#include "document/read_entry.h"
#include "document/region_entry.h"
#include "document/typed_record.h"
#include "eval/number_text.h"
#include "eval/single_math.h"
#include "files/atomic_file.h"
#include "plot/pixel_units.h"
#include "plot/surface.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr const char* kNoOtherCurve = "（无）";
constexpr const char* kCsvFilter = "CSV 文件(*.CSV)|*.CSV";
// The marks: a dot this many pixels across, its label this far right of it and this
// far up (pixels), in black like the axes.
constexpr int kMarkPixels = 7;
constexpr float kLabelRight = 5, kLabelUp = 18;
constexpr std::int32_t kMarkColor = 0;

double zoomOf(const ViewState& view) { return view.zoomScale == 0 ? 1.0 : view.zoomScale; }

bool sameView(const ViewState& a, const ViewState& b) {
  return a.viewLeft == b.viewLeft && a.viewRight == b.viewRight && a.viewTop == b.viewTop &&
         a.viewBottom == b.viewBottom && a.zoomScale == b.zoomScale;
}

// A number as the pointer's read-out shows it: to hundredths.
std::string hundredths(double v) { return doubleText(roundHalfEven(v * 100) / 100); }

// A mark's label: "(x,y)" to hundredths.
std::string pointLabel(const KeyPoint& p) {
  return "(" + hundredths(p.x) + "," + hundredths(p.y) + ")";
}

// Fills a combo with items and chooses `keep` without raising its click: the choice
// stays what it was, only the items changed.
void refill(ComboBox& combo, const std::vector<std::string>& items, int keep) {
  Handler click = std::move(combo.Click);
  combo.Clear();
  for (const std::string& item : items) combo.AddItem(item);
  combo.setListIndex(keep);
  combo.Click = std::move(click);
}

// The index that still names the same line after the lines changed, or `none`.
int keptIndex(const ComboBox& combo, const std::vector<std::string>& items, int none) {
  const int index = combo.ListIndex();
  if (index < 0 || index >= static_cast<int>(items.size())) return none;
  return items[static_cast<std::size_t>(index)] == combo.List()[static_cast<std::size_t>(index)]
             ? index
             : none;
}

}  // namespace

void TraceMarker::show(float x, float y, bool snapped) {
  if (shown_ && x_ == x && y_ == y && snapped_ == snapped) return;
  shown_ = true;
  x_ = x;
  y_ = y;
  snapped_ = snapped;
  notify();
}

void TraceMarker::hide() {
  if (!shown_) return;
  shown_ = false;
  notify();
}

frmAnalysis::frmAnalysis(Program& program) : program_(program) {
  buildControls();
  wireHandlers();
  linesSubscription_ = program_.panel.lstExist.subscribe([this] { followLines(); });
  program_.panel.pictureOverlays.push_back(
      [this](Surface& canvas, const ViewState& view, LabelSpace* texts) {
        drawOverlay(canvas, view, texts);
      });
  followLines();
}

frmAnalysis::~frmAnalysis() {
  program_.panel.lstExist.unsubscribe(linesSubscription_);
  txtValue.unsubscribe(valueSubscription_);
  txtTangentAt.unsubscribe(tangentSubscription_);
}

void frmAnalysis::wireHandlers() {
  cboCurve.Click = [this] { cboCurve_Click(); };
  cboOther.Click = [this] { cboOther_Click(); };
  chkTrace.Click = [this] { chkTrace_Click(); };
  chkMarks.Click = [this] { chkMarks_Click(); };
  cmdTable.Click = [this] { cmdTable_Click(); };
  cmdCopyPoints.Click = [this] { cmdCopyPoints_Click(); };
  cmdCopyValues.Click = [this] { cmdCopyValues_Click(); };
  cmdExportValues.Click = [this] { cmdExportValues_Click(); };
  cmdTangentAtTrace.Click = [this] { cmdTangentAtTrace_Click(); };
  // Curves derived from the chosen curve.
  cmdAddTangent.Click = [this] { cmdAddTangent_Click(); };
  cmdAddNormal.Click = [this] { cmdAddNormal_Click(); };
  cmdAddDerivative.Click = [this] { cmdAddDerivative_Click(); };
  cmdAddSecond.Click = [this] { cmdAddSecond_Click(); };
  cmdAddArea.Click = [this] { cmdAddArea_Click(); };
  // c is taken as it is typed; a change of the selection alone changes nothing.
  valueSubscription_ = txtValue.subscribe([this, typed = txtValue.Text()]() mutable {
    if (txtValue.Text() == typed) return;
    typed = txtValue.Text();
    invalidate();
    redrawForMarks();
  });
  tangentSubscription_ = txtTangentAt.subscribe([this, typed = txtTangentAt.Text()]() mutable {
    if (txtTangentAt.Text() == typed) return;
    typed = txtTangentAt.Text();
    updateTangent();
    if (program_.g.graphOnScreen) program_.panel.cmdRedraw_Click();
  });
}

void frmAnalysis::showWindow() {
  Show();
  invalidate();
  // Something to analyse at once: the list's current line, or its first.
  const CheckListBox& lines = program_.panel.lstExist;
  if (cboCurve.ListIndex() < 0 && lines.ListCount() > 0) {
    cboCurve.setListIndex(std::max(lines.ListIndex(), 0));
  }
}

bool frmAnalysis::Form_QueryUnload() {
  Hide();
  pointerLeft();
  return true;
}

void frmAnalysis::followLines() {
  const CheckListBox& lines = program_.panel.lstExist;
  const std::uint64_t revision = lines.Revision();
  if (revision == linesSeen_) return;  // the list's size or looks: nothing to follow
  const bool oneStep = linesSeen_ && revision == *linesSeen_ + 1;
  linesSeen_ = revision;
  if (oneStep) {
    switch (lines.LastChange().kind) {
      case LineChangeKind::Tick:
      case LineChangeKind::Current: return;  // the same lines
      case LineChangeKind::Added:
        // A list being opened or drawn grows a line at a time: each is added on its
        // own, so that the whole list costs in proportion to its length.
        if (lines.ListCount() == cboCurve.ListCount() + 1 &&
            cboOther.ListCount() == lines.ListCount()) {
          appendLine(lines.Shown(lines.ListCount() - 1));
          return;
        }
        break;
      case LineChangeKind::Removed:
      case LineChangeKind::Text:
      case LineChangeKind::Swapped:
      case LineChangeKind::Cleared:
      case LineChangeKind::Batch: break;
    }
  }
  std::vector<std::string> items;
  for (int i = 0; i < lines.ListCount(); ++i) items.push_back(lines.Shown(i));
  if (items == cboCurve.List()) return;  // a tick or the current line: nothing to follow
  std::vector<std::string> others{kNoOtherCurve};
  others.insert(others.end(), items.begin(), items.end());
  const int curve = keptIndex(cboCurve, items, -1);
  const int other = keptIndex(cboOther, others, 0);
  refill(cboCurve, items, curve);
  refill(cboOther, others, other);
  if (curve < 0) {
    // The chosen line has gone: nothing is analysed until another is chosen.
    curve_.reset();
    points_.clear();
    linearProgram_.reset();
    table_.reset();
    grdValues.clear();
    showPoints();
    showMonotonic({});
    updateTangent();
    marker.hide();
  }
  // The records behind the lines may have moved: they are read again when next needed.
  stale_ = true;
}

void frmAnalysis::appendLine(const std::string& line) {
  // The choices stay: the lines before the new one are where they were.
  for (ComboBox* combo : {&cboCurve, &cboOther}) {
    Handler click = std::move(combo->Click);
    combo->AddItem(line);
    combo->Click = std::move(click);
  }
  stale_ = true;
}

void frmAnalysis::invalidate() {
  stale_ = true;
  if (wanted()) refreshPoints(program_.g);
}

void frmAnalysis::cboCurve_Click() {
  table_.reset();
  grdValues.clear();
  // The table of a parametric or polar curve starts as its range, in twelfths of π.
  const FunctionList& list = program_.panel.document();
  const int line = cboCurve.ListIndex();
  if (line >= 0 && static_cast<std::size_t>(line) < list.size()) {
    const EntryContent& content = list.at(static_cast<std::size_t>(line)).content;
    const auto range = [this](const std::string& from, const std::string& to) {
      txtFrom.setText(from);
      txtTo.setText(to);
      txtStep.setText("π/12");
    };
    if (const auto* p = std::get_if<ParametricCurve>(&content)) range(p->from, p->to);
    if (const auto* p = std::get_if<PolarCurve>(&content)) range(p->from, p->to);
  }
  invalidate();
  redrawForMarks();
}

void frmAnalysis::cboOther_Click() {
  showAreaChoice();
  invalidate();
  redrawForMarks();
}

void frmAnalysis::pointerLeft() {
  marker.hide();
  lblTrace.setCaption("");
}

void frmAnalysis::chkTrace_Click() {
  if (chkTrace.Value() != 1) pointerLeft();
}

void frmAnalysis::chkMarks_Click() {
  invalidate();
  if (program_.g.graphOnScreen) program_.panel.cmdRedraw_Click();
}

void frmAnalysis::redrawForMarks() {
  if (chkMarks.Value() == 1 && program_.g.graphOnScreen) program_.panel.cmdRedraw_Click();
}

std::optional<AnalysedCurve> frmAnalysis::entryCurve(int line, std::string& reason) const {
  const FunctionList& list = program_.panel.document();
  if (line < 0 || static_cast<std::size_t>(line) >= list.size()) {
    reason = kMessageDataError;
    return std::nullopt;
  }
  // Read as the picture reads it; the points it tries an expression at are its own,
  // so that the analysis takes nothing of the program's random numbers.
  const EntryReading reading = readEntry(list.at(static_cast<std::size_t>(line)), seededRandom(1));
  if (!reading.curve) {
    reason = reading.refusal.message;
    return std::nullopt;
  }
  return AnalysedCurve::fromCurve(*reading.curve, reason);
}

std::optional<std::string> frmAnalysis::readLinearProgram(int line) {
  const FunctionList& list = program_.panel.document();
  if (line < 0 || static_cast<std::size_t>(line) >= list.size()) return std::nullopt;
  const auto* region = std::get_if<RegionCurve>(&list.at(static_cast<std::size_t>(line)).content);
  if (region == nullptr) return std::nullopt;
  // A curved boundary or an objective that is not linear: the region stays refused.
  std::string reason;
  linearProgram_ = regionProgram(*region, reason);
  if (!linearProgram_) return std::nullopt;
  // The objective as the list prints it, after the inequalities and "；".
  const std::string printed = printedRegion(*region);
  const std::size_t mark = printed.rfind("；");
  objectivePrinted_ = region->objective.empty() || mark == std::string::npos
                          ? std::string()
                          : printed.substr(mark + std::string("；").size());
  return linearProgram_->shape;
}

Region frmAnalysis::viewRegion(const ViewState& view) {
  const double zoom = zoomOf(view);
  return {{view.viewLeft / zoom, view.viewRight / zoom},
          {view.viewBottom / zoom, view.viewTop / zoom}};
}

void frmAnalysis::refreshPoints(const ViewState& view) {
  if (!stale_ && sameView(view, pointsView_)) return;
  stale_ = false;
  pointsView_ = view;
  curve_.reset();
  other_.reset();
  points_.clear();
  linearProgram_.reset();
  std::string status;
  if (cboCurve.ListIndex() >= 0) curve_ = entryCurve(cboCurve.ListIndex(), status);
  if (!curve_ && status == kMessageRegionNotAnalysed) {
    if (std::optional<std::string> shape = readLinearProgram(cboCurve.ListIndex())) {
      status = std::move(*shape);
    }
  }
  if (curve_ && curve_->plane() != nullptr && !curve_->equation()) {
    status = kMessagePlaneCurveNotAnalysed;
  }
  if (curve_ && cboOther.ListIndex() > 0) {
    std::string reason;
    other_ = entryCurve(cboOther.ListIndex() - 1, reason);
    if (!other_) status = "交点曲线：" + reason;
  }
  std::optional<double> value;
  if (curve_ && !txtValue.Text().empty()) {
    double c = 0;
    if (typedNumber(txtValue.Text(), c) == kOk && std::isfinite(c)) {
      value = c;
    } else {
      status = std::string("ｃ：") + kMessageDataError;
    }
  }
  if (curve_) {
    KeyPointQuery query;
    query.region = viewRegion(view);
    query.other = other_ ? &*other_ : nullptr;
    query.value = value;
    points_ = findKeyPoints(*curve_, query);
  }
  lblStatus.setCaption(status);
  showPoints();
  showMonotonic(viewRegion(view).x);
  updateTangent();
}

void frmAnalysis::showMonotonic(const Interval& range) {
  std::vector<std::vector<std::string>> rows;
  if (linearProgram_) {
    lblMonotonic.setCaption("目标函数的最值");
    for (const std::string& optimum : linearProgram_->optima) {
      rows.push_back({objectivePrinted_, optimum});
    }
    grdMonotonic.setContent({"目标函数", "最大值与最小值"}, std::move(rows));
    return;
  }
  lblMonotonic.setCaption("单调区间与极值");
  std::string reason;
  const std::optional<ScalarFunction> f = curve_ ? curveFunction(*curve_, reason) : std::nullopt;
  // The ends are the range's own numbers where the curve's range does not end first.
  const Interval within = curve_ ? range.meet(curve_->own().x) : Interval{};
  if (f && within.bounded() && within.lo < within.hi) {
    rows = monotonicRows(curveMonotonicity(*curve_, *f, within.lo, within.hi));
  }
  grdMonotonic.setContent({"单调性", "区间或点"}, std::move(rows));
}

void frmAnalysis::showPoints() {
  if (linearProgram_) {
    grdPoints.setContent({"类型", "x", "y"}, linearProgram_->corners);
    return;
  }
  std::vector<std::vector<std::string>> rows;
  for (const KeyPoint& p : points_) {
    rows.push_back({kindCaption(p.kind), fixedText(p.x, 4), fixedText(p.y, 4)});
  }
  grdPoints.setContent({"类型", "x", "y"}, std::move(rows));
}

void frmAnalysis::drawOverlay(Surface& canvas, const ViewState& view, LabelSpace* texts) {
  // The view may have moved under the marker; the next pointer move places it again.
  marker.hide();
  if (!wanted()) {
    stale_ = true;
    return;
  }
  refreshPoints(view);
  const int line = cboCurve.ListIndex();
  const CheckListBox& lines = program_.panel.lstExist;
  if (line >= 0 && line < lines.ListCount() && lines.Selected(line)) drawTangent(canvas, view);
  if (chkMarks.Value() != 1 || points_.empty() || line < 0 || line >= lines.ListCount() ||
      !lines.Selected(line) || canvas.AreaWidthPixels() == 0 || canvas.AreaHeightPixels() == 0) {
    return;
  }
  const double zoom = zoomOf(view);
  const float across =
      std::fabs(canvas.ScaleWidth()) / static_cast<float>(canvas.AreaWidthPixels());
  const float up = std::fabs(canvas.ScaleHeight()) / static_cast<float>(canvas.AreaHeightPixels());
  const std::int32_t color = canvas.ForeColor();
  const int width = canvas.DrawWidth();
  canvas.setForeColor(kMarkColor);
  canvas.setDrawWidth(kMarkPixels);
  if (texts != nullptr) {
    drawPlacedMarks(canvas, view, *texts);
  } else {
    for (const KeyPoint& p : points_) {
      const auto x = static_cast<float>(p.x * zoom);
      const auto y = static_cast<float>(p.y * zoom);
      canvas.PSet(x, y);
      canvas.setCurrentX(x + kLabelRight * across);
      canvas.setCurrentY(y + kLabelUp * up);
      canvas.Print(pointLabel(p));
    }
  }
  canvas.setDrawWidth(width);
  canvas.setForeColor(color);
}

void frmAnalysis::drawPlacedMarks(Surface& canvas, const ViewState& view, LabelSpace& texts) const {
  const double zoom = zoomOf(view);
  std::vector<PixelPoint> at;
  // Every mark first: no label covers another point.
  for (const KeyPoint& p : points_) {
    const auto x = static_cast<float>(p.x * zoom);
    const auto y = static_cast<float>(p.y * zoom);
    canvas.PSet(x, y);
    const PixelPoint pixel = canvas.toPixels(x, y);
    at.push_back(pixel);
    const double half = kMarkPixels / 2.0;
    texts.take({pixel.column - half, pixel.row - half, pixel.column + half, pixel.row + half});
  }
  // A label that finds no free place near its point is left out: the point stays
  // marked and its values stay in the table.
  const double height = canvas.TextHeightPixels();
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const std::string label = pointLabel(points_[i]);
    const std::optional<PixelBox> box =
        texts.placeNear(at[i], canvas.TextWidthPixels(label), height);
    if (!box) continue;
    printAtPixel(canvas, box->left, box->top, label);
    texts.take(*box);
  }
}

std::optional<std::string> frmAnalysis::pointerMoved(float x, float y) {
  const mdlDeclare& g = program_.g;
  const Surface& picture = program_.main.picPic;
  if (!Visible() || chkTrace.Value() != 1 || !g.graphOnScreen || picture.AreaWidthPixels() == 0 ||
      picture.AreaHeightPixels() == 0 || picture.ScaleWidth() == 0 || picture.ScaleHeight() == 0) {
    pointerLeft();
    return std::nullopt;
  }
  refreshPoints(g);
  if (!curve_) {
    pointerLeft();
    return std::nullopt;
  }
  const double zoom = zoomOf(g);
  const PixelScale scale{zoom * picture.AreaWidthPixels() / std::fabs(picture.ScaleWidth()),
                         zoom * picture.AreaHeightPixels() / std::fabs(picture.ScaleHeight())};
  const std::optional<TracedPoint> traced = tracePoint(*curve_, x / zoom, y / zoom, points_, scale);
  if (!traced) {
    pointerLeft();
    return std::nullopt;
  }
  marker.show(static_cast<float>(traced->x * zoom), static_cast<float>(traced->y * zoom),
              traced->key.has_value());
  rememberTraced(*traced);
  // A key point shows its values to four decimals; elsewhere the read-out's hundredths.
  // Two short lines fit the read-out's corner of the toolbar.
  const std::string xText = traced->key ? fixedText(traced->x, 4) : hundredths(traced->x);
  const std::string yText = traced->key ? fixedText(traced->y, 4) : hundredths(traced->y);
  std::string parameter;
  if (traced->parameter) {
    parameter = std::string(parameterName(curve_->plane()->kind)) + "=" +
                hundredths(*traced->parameter) + "  ";
  }
  lblTrace.setCaption((traced->key ? std::string(kindCaption(traced->key->kind)) + "  " : "") +
                      parameter + "x=" + xText + "  y=" + yText);
  return "x=" + xText + "\ny=" + yText;
}

void frmAnalysis::cmdTable_Click() {
  table_.reset();
  grdValues.clear();
  std::string reason;
  const std::optional<AnalysedCurve> curve =
      cboCurve.ListIndex() >= 0 ? entryCurve(cboCurve.ListIndex(), reason) : std::nullopt;
  if (!curve) {
    if (!reason.empty()) program_.message(reason, kTitleError);
    return;
  }
  double from = 0, to = 0, step = 0;
  if (typedNumber(txtFrom.Text(), from) != kOk || typedNumber(txtTo.Text(), to) != kOk ||
      typedNumber(txtStep.Text(), step) != kOk) {
    program_.message(kMessageDataError, kTitleError);
    return;
  }
  table_ = valueTable(*curve, from, to, step, reason);
  if (!table_) {
    program_.message(reason, kTitleError);
    return;
  }
  std::vector<std::vector<std::string>> rows;
  for (const ValueRow& row : table_->rows) {
    std::vector<std::string> cells{fixedText(row.x, 4)};
    for (int b = 0; b < table_->columns; ++b) {
      const std::optional<double>& v = row.y[static_cast<std::size_t>(b)];
      cells.push_back(v ? fixedText(*v, 4) : "");
    }
    rows.push_back(std::move(cells));
  }
  grdValues.setContent(table_->captions, std::move(rows));
}

void frmAnalysis::cmdCopyPoints_Click() {
  if (copyText && !grdPoints.Rows().empty()) copyText(grdPoints.tabSeparated());
}

void frmAnalysis::cmdCopyValues_Click() {
  if (copyText && !grdValues.Rows().empty()) copyText(grdValues.tabSeparated());
}

void frmAnalysis::cmdExportValues_Click() {
  if (!table_) cmdTable_Click();
  if (!table_) return;
  const FileDialogRequest request{"导出函数值表", kCsvFilter, "", "CSV"};
  const std::string chosen = program_.services.files->showSave(request).fileName;
  if (chosen.empty()) return;
  std::string error;
  if (!replaceFileWith(chosen, valueTableText(*table_, true), &error)) {
    program_.message("导出函数值表错误\n" + error, kTitleError);
  }
}

}  // namespace quorvel
