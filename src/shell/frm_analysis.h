#pragma once
// The analysis window (分析): for a curve chosen from the list's lines, the trace under
// the pointer; its key points (with the intersections of a second curve and the points
// where it takes a typed value c) in a table and, while 在图上标出 is ticked, as
// labelled dots drawn at the end of every redraw, so that they are part of the
// picture on the screen, in exports and in prints (never in the list file); and a
// table of values. The key points are those in the part of the curve's own range that
// the picture shows, found again whenever the view has changed.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysed_curve.h"
#include "analysis/derived_calculus.h"
#include "analysis/key_points.h"
#include "analysis/region_program.h"
#include "analysis/tangent_line.h"
#include "analysis/trace.h"
#include "analysis/value_table.h"
#include "plot/label_space.h"
#include "plot/view.h"
#include "toolkit/controls.h"
#include "toolkit/grid.h"

namespace quorvel {

class Program;
class Surface;

// The trace's marker over the picture; not part of the picture itself. Its place is
// in view units.
class TraceMarker : public Observable {
 public:
  bool shown() const { return shown_; }
  float x() const { return x_; }
  float y() const { return y_; }
  bool snapped() const { return snapped_; }  // it sits on a key point
  void show(float x, float y, bool snapped);
  void hide();

 private:
  bool shown_ = false;
  float x_ = 0, y_ = 0;
  bool snapped_ = false;
};

class frmAnalysis : public Window {
 public:
  explicit frmAnalysis(Program& program);
  ~frmAnalysis();
  frmAnalysis(const frmAnalysis&) = delete;
  frmAnalysis& operator=(const frmAnalysis&) = delete;

  Label lblCurve{"lblCurve"};
  ComboBox cboCurve{"cboCurve"};  // the list's lines
  CheckBox chkTrace{"chkTrace"};
  Label lblTrace{"lblTrace"};  // the traced point, with its kind on a key point
  Label lblPoints{"lblPoints"};
  Label lblOther{"lblOther"};
  ComboBox cboOther{"cboOther"};  // "（无）" and the list's lines
  Label lblValue{"lblValue"};
  TextBox txtValue{"txtValue"};
  CheckBox chkMarks{"chkMarks"};
  Grid grdPoints{"grdPoints"};
  CommandButton cmdCopyPoints{"cmdCopyPoints"};
  Label lblStatus{"lblStatus"};  // why the curve (or c) is not analysed
  Label lblTable{"lblTable"};
  Label lblFrom{"lblFrom"}, lblTo{"lblTo"}, lblStep{"lblStep"};
  TextBox txtFrom{"txtFrom"}, txtTo{"txtTo"}, txtStep{"txtStep"};
  CommandButton cmdTable{"cmdTable"};
  Grid grdValues{"grdValues"};
  CommandButton cmdCopyValues{"cmdCopyValues"};
  CommandButton cmdExportValues{"cmdExportValues"};
  // Where a curve y = f(x) rises and falls in the part of its range the picture shows,
  // and its extrema there.
  Label lblMonotonic{"lblMonotonic"};
  Grid grdMonotonic{"grdMonotonic"};
  // The tangent of the chosen curve at a typed x₀ (y = f(x)), t₀ or θ₀ (parametric or
  // polar) or point (any other): its equation (or why there is none) and, while the
  // curve's line is ticked, the line across the picture.
  Label lblTangent{"lblTangent"};
  Label lblTangentAt{"lblTangentAt"};
  TextBox txtTangentAt{"txtTangentAt"};
  Label lblTangentLine{"lblTangentLine"};
  // The tangent at the trace's point: its x₀, t₀ (θ₀) or point put in the box.
  CommandButton cmdTangentAtTrace{"cmdTangentAtTrace"};
  // Curves derived from the chosen curve y = f(x), added to the list as entries of
  // their own: the tangent and normal at x₀, f′ and f″, the area from a to b (under
  // the curve, or between it and cboOther's) with its integral shown
  // (analysis_derived.cpp).
  CommandButton cmdAddTangent{"cmdAddTangent"}, cmdAddNormal{"cmdAddNormal"};
  CommandButton cmdAddDerivative{"cmdAddDerivative"}, cmdAddSecond{"cmdAddSecond"};
  Label lblArea{"lblArea"}, lblAreaFrom{"lblAreaFrom"}, lblAreaTo{"lblAreaTo"};
  TextBox txtAreaFrom{"txtAreaFrom"}, txtAreaTo{"txtAreaTo"};
  CommandButton cmdAddArea{"cmdAddArea"};
  Label lblAreaResult{"lblAreaResult"};
  TraceMarker marker;

  // Puts text on the clipboard; the toolkit gives it (nothing is copied without one).
  std::function<void(const std::string&)> copyText;

  // The toolbar's 分析: shows the window (over the others).
  void showWindow();
  // The close box: the window is hidden and the trace stops. Returns true (cancelled).
  bool Form_QueryUnload();

  void cboCurve_Click();
  void cboOther_Click();
  void chkTrace_Click();
  void chkMarks_Click();
  void cmdTable_Click();
  void cmdCopyPoints_Click();
  void cmdCopyValues_Click();
  void cmdExportValues_Click();
  // Curves derived from the chosen curve.
  void cmdAddTangent_Click();
  void cmdAddNormal_Click();
  void cmdAddDerivative_Click();
  void cmdAddSecond_Click();
  void cmdAddArea_Click();
  // Says under 加入面积 what the area will be bounded by: the x axis, or the curve
  // chosen for intersections.
  void showAreaChoice();

  // The pointer over the picture at (x, y) view units: while tracing, places the marker,
  // shows the point in lblTrace and returns the read-out's text for it (nullopt: the
  // read-out shows the pointer's own).
  std::optional<std::string> pointerMoved(float x, float y);
  // The pointer has left the picture: no marker, no traced point.
  void pointerLeft();
  // A click on the picture at (x, y) view units: while tracing, the point under it is
  // the one 取追踪点 takes (until another click), so that the pointer may cross
  // the picture on its way to the button.
  void pointerClicked(float x, float y);
  void cmdTangentAtTrace_Click();
  // Runs at the end of every picture with its canvas and view: the key points for the
  // view, and the marks on the canvas while 在图上标出 is ticked. In the modern look
  // `texts` holds the picture's texts: each label goes to a free place near its point
  // or is left out.
  void drawOverlay(Surface& canvas, const ViewState& view, LabelSpace* texts = nullptr);

  // The tangent shown and drawn, if any.
  const std::optional<Tangent>& tangent() const { return tangent_; }

  // The key points the table shows.
  const std::vector<KeyPoint>& keyPoints() const { return points_; }

 private:
  void buildControls();
  void placeDerivedControls();
  void wireHandlers();
  // The combos follow the list's lines; a choice stays while its line does.
  void followLines();
  void appendLine(const std::string& line);
  // The chosen curves and c read again, the key points found again for the view.
  void invalidate();
  void refreshPoints(const ViewState& view);
  void showPoints();
  // The monotonic intervals and extrema of the chosen curve over x in `range`.
  void showMonotonic(const Interval& range);
  // The tangent at the typed x₀ of the chosen curve, found again.
  void updateTangent();
  void drawTangent(Surface& canvas, const ViewState& view) const;
  // The box's caption for the chosen curve: ｘ₀, ｔ₀, θ₀ or 切点.
  void showTangentPlace();
  // The tangent at the box's text for the chosen curve kept in tangent_; the caption
  // of its equation or of the reason there is none.
  std::string tangentAtTyped(const std::string& typed);
  void rememberTraced(const TracedPoint& point);
  // Key points are found while they are seen: in the window or as marks.
  bool wanted() const { return Visible() || chkMarks.Value() == 1; }
  void redrawForMarks();
  std::optional<AnalysedCurve> entryCurve(int line, std::string& reason) const;
  // The linear program of the line's region entry, kept in linearProgram_; the
  // status line's text, or nothing when the entry is no linear program.
  std::optional<std::string> readLinearProgram(int line);
  void drawPlacedMarks(Surface& canvas, const ViewState& view, LabelSpace& texts) const;
  static Region viewRegion(const ViewState& view);
  // Makes the derived curve of the chosen line and adds it to the list; the reason
  // goes to `status` when it cannot be made.
  void addDerived(const DerivedRequest& request, Label& status);

  Program& program_;
  int linesSubscription_ = 0;
  // The revision of the list's lines the combos show; none before they first follow.
  std::optional<std::uint64_t> linesSeen_;
  int valueSubscription_ = 0;
  int tangentSubscription_ = 0;
  std::optional<Tangent> tangent_;
  // The point the trace showed last on the line tracedLine_, or the one clicked.
  std::optional<TracedPoint> traced_;
  int tracedLine_ = -1;
  bool tracedPinned_ = false;
  bool stale_ = true;
  ViewState pointsView_;  // the view the key points were found for
  std::optional<AnalysedCurve> curve_;
  std::optional<AnalysedCurve> other_;
  std::vector<KeyPoint> points_;
  // A region whose inequalities are all linear: its corners take the key points'
  // place and the optima of its objective the monotonic intervals'.
  std::optional<RegionProgram> linearProgram_;
  std::string objectivePrinted_;  // "z = 2x + y", or empty
  std::optional<ValueTable> table_;
};

}  // namespace quorvel
