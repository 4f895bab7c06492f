#pragma once
// The control panel: every input of the program on three pages (draw, view,
// settings) and the commands behind them. The list of drawn curves is the document
// the panel keeps (its list box only shows it); the picture is drawn from the
// document by the one drawing function, never through the panel's boxes. The panel's
// variables (family, form, parameters, evaluation state) are members by their own
// names and hold the curve the draw command drew last.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/families.h"
#include "catalogue/func_record.h"
#include "document/curve_painter.h"
#include "document/draw_list.h"
#include "document/function_list.h"
#include "document/list_history.h"
#include "document/plane_curve.h"
#include "document/read_entry.h"
#include "document/typed_record.h"
#include "eval/curve_formulas.h"
#include "eval/epc.h"
#include "plot/picture_style.h"
#include "plot/plotter.h"
#include "plot/surface.h"
#include "plot/view.h"
#include "shell/draw_page_state.h"
#include "shell/marked_kind_controls.h"
#include "shell/mdl_declare.h"
#include "shell/named_controls.h"
#include "shell/recorded_message.h"
#include "shell/region_controls.h"
#include "toolkit/controls.h"

namespace quorvel {

class Program;

class frmControl : public Window, public CurveParams, public EvalState, public CurvePoints {
 public:
  explicit frmControl(Program& program);
  frmControl(const frmControl&) = delete;
  frmControl& operator=(const frmControl&) = delete;

  // ---- the window ----
  TabStrip tbsControl{"tbsControl"};
  std::array<Control, 4> picControl =  // the pages 1..3 (0 unused)
      namedControls<Control, 4>("picControl");

  // ---- page 1: 绘制 ----
  Control imgFuncName{"imgFuncName"};
  Label lblFuncName{"lblFuncName"};
  ComboBox cboFuncName{"cboFuncName"};
  Control imgStyle{"imgStyle"};
  Label lblStyle{"lblStyle"};
  std::array<ComboBox, kFamilyCount> cboStyle = namedControls<ComboBox, kFamilyCount>("cboStyle");
  TextBox txtExpression{"txtExpression"};
  Control imgParameter{"imgParameter"};
  std::array<Label, 5> lblParameter =  // 0 the heading, 1..4 the box captions
      namedControls<Label, 5>("lblParameter");
  std::array<TextBox, 5> txtParameter =  // 1..4 (0 unused; 4 only for the forms that need it)
      namedControls<TextBox, 5>("txtParameter");
  CheckBox chkIntX{"chkIntX"};
  Control imgRangeX{"imgRangeX"};
  Label lblRangeX{"lblRangeX"};
  Label lblOpenX{"lblOpenX"}, lblCommaX{"lblCommaX"}, lblCloseX{"lblCloseX"};
  ComboBox cboRangeX1{"cboRangeX1"};
  ComboBox cboRangeX2{"cboRangeX2"};
  Control imgRangeY{"imgRangeY"};
  Label lblRangeY{"lblRangeY"};
  Label lblOpenY{"lblOpenY"}, lblCommaY{"lblCommaY"}, lblCloseY{"lblCloseY"};
  ComboBox cboRangeY1{"cboRangeY1"};
  ComboBox cboRangeY2{"cboRangeY2"};
  CommandButton cmdDraw{"cmdDraw"};
  PictureButton picDraw{"picDraw"};
  CommandButton cmdClear{"cmdClear"};
  PictureButton picClear{"picClear"};
  // Shown while a list line is being edited on this page: puts the page's curve in
  // that line's place.
  CommandButton cmdReplace{"cmdReplace"};
  // A piecewise function's rows and the points' box, shown for their items.
  MarkedKindControls marked;
  // The inequalities' and the objective's boxes, shown for 不等式区域.
  RegionControls region;

  // ---- page 2: 视图 ----
  PictureButton picUp{"picUp"};
  PictureButton picDown{"picDown"};
  PictureButton picLeft{"picLeft"};
  PictureButton picRight{"picRight"};
  PictureButton picZoomIn{"picZoomIn"};
  PictureButton picZoomOut{"picZoomOut"};
  PictureButton picCentre{"picCentre"};
  PictureButton picSize{"picSize"};
  Label lblAdd{"lblAdd"};
  Label lblMinus{"lblMinus"};
  TextBox txtValue{"txtValue"};
  Control imgExist{"imgExist"};
  Label lblExist{"lblExist"};
  CheckListBox lstExist{"lstExist"};
  CommandButton cmdDelete{"cmdDelete"};
  PictureButton picDelete{"picDelete"};
  CommandButton cmdRedraw{"cmdRedraw"};
  PictureButton picRedraw{"picRedraw"};
  // The view typed in: x from/to, y from/to and 确定.
  Label lblViewX{"lblViewX"}, lblViewXTo{"lblViewXTo"};
  Label lblViewY{"lblViewY"}, lblViewYTo{"lblViewYTo"};
  TextBox txtViewX1{"txtViewX1"}, txtViewX2{"txtViewX2"};
  TextBox txtViewY1{"txtViewY1"}, txtViewY2{"txtViewY2"};
  CommandButton cmdViewBox{"cmdViewBox"};

  // ---- page 3: 设置 ----
  Control imgZoom{"imgZoom"};
  Label lblZoom{"lblZoom"};
  Slider sldZoom{"sldZoom"};
  Control imgLevel{"imgLevel"};
  Label lblLevel{"lblLevel"};
  Slider sldLevel{"sldLevel"};
  Control imgPenWidth{"imgPenWidth"};
  Label lblPenWidth{"lblPenWidth"};
  Slider sldPenWidth{"sldPenWidth"};
  CheckBox chkLink{"chkLink"};
  CheckBox chkSkip{"chkSkip"};
  CheckBox chkfixx{"chkfixx"};
  CheckBox chky{"chky"};
  CheckBox chkAutoRedraw{"chkAutoRedraw"};
  CheckBox chkAutoColor{"chkAutoColor"};
  CommandButton cmdColor{"cmdColor"};
  PictureButton picColor{"picColor"};
  CommandButton cmdDefault{"cmdDefault"};
  PictureButton picDefault{"picDefault"};
  CommandButton cmdPictureOptions{"cmdPictureOptions"};  // 图像选项…

  // The controls of page 1..3, for the toolkit that shows them.
  std::vector<Control*> pageControls(int page);

  // ---- the panel's variables ----
  std::int32_t loopCounter = 0;
  // The surface the draw command and the redraw draw on: the main window's picPic.
  Surface* canvas;
  std::int32_t canvasHeight = 0, canvasWidth = 0, halfHeight = 0, halfWidth = 0;
  // Name of the control that has the keyboard focus, kept by the toolkit.
  std::string ActiveControlName;

  // ---- the window's events ----
  // Runs once, when the window is first shown; later calls do nothing.
  void Form_Load();
  bool Loaded() const { return loaded_; }
  // The user closes the panel: the close is cancelled and the panel hidden. Returns
  // true (cancelled).
  bool Form_QueryUnload();
  void tbsControl_Click();

  // ---- family and form (family_selection.cpp) ----
  void cboFuncName_Click();
  void cboStyle_Click(int index);
  void txtParameter_GotFocus(int index);

  // ---- draw command (draw_command.cpp) ----
  void cmdDraw_Click();

  // ---- list operations (list_operations.cpp) ----
  void cmdClear_Click();
  void cmdDelete_Click();
  void cmdRedraw_Click();
  void lstExist_ItemCheck(int item);
  // The picture the screen shows, drawn on `target` (a surface of picPic's size): the
  // ticked entries in the current view. Nothing of the program changes.
  void replayOnto(Surface& target);
  // The same on a surface of another size: what it shows around the middle of the
  // screen's view, at the screen's scale.
  void replayCentredOnto(Surface& target);
  // The entries of the list last opened that failed their checks (their lines are
  // unticked), each with its message. The window says them in one message once the
  // list is drawn, however many there are.
  const std::vector<RecordedMessage>& refusedRecords() const { return refusedRecords_; }
  // Drawn over the curves at the end of every picture, so they are part of it on the
  // screen, in exports and in prints (the analysis marks); never stored in the list.
  std::vector<PictureOverlay> pictureOverlays;

  // ---- the list as a document (list_document.cpp) ----
  // The list of drawn curves.
  const FunctionList& document() const { return document_; }
  // A list read from a file replaces the document: its entries that can be drawn are
  // ticked, the others are reported; then the picture is drawn. The working list on
  // disk must hold it already.
  void openDocument(FunctionList list);
  // The list as it stands, for undo.
  ListState listState() const;
  // Puts a list state back (document, working list, current line) and redraws.
  void restoreListState(const ListState& state);
  // Runs a command as one step that undo can take back (when it changed the list).
  void asUndoStep(const std::function<void()>& command);
  void undo();
  void redo();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  // The list holds curves that are not in the file it was last saved to or opened
  // from.
  bool listChanged() const;
  void markListSaved();
  // The random numbers the draw command tries expressions with.
  RandomNumbers randomNumbers() const;
  // A list opened (or recovered) anew: no steps to undo into another list; it counts
  // as saved unless `saved` is false (a recovered list is saved nowhere).
  void startNewDocument(bool saved = true);
  // A new entry at the end of the list (a curve derived in the analysis window) as one
  // undo step, the picture drawn again; false, with a message, when the working list
  // could not be written (analysis_derived.cpp).
  bool appendEntry(ListEntry entry);

  // ---- editing a line (list_edits.cpp) ----
  // Loads line `line`'s curve into the 绘制 page (family, form, texts, ranges, 整数,
  // colour) and shows 替换.
  void lstExist_DblClick(int line);
  // The curve of a line on the 绘制 page as lstExist_DblClick loads it, without
  // choosing the page or arming 替换; false when the line has no curve to load.
  bool loadLineOntoPage(int line);
  // The line's record in the working file, or nullopt.
  std::optional<FuncRecord> recordOfLine(int line) const;
  void cmdReplace_Click();
  // 替换 for a given line: the 绘制 page's curve drawn with every check of the draw
  // command and put in that line's place, as one undo step.
  void replaceLine(int line);
  // The line being edited, or -1.
  int EditingLine() const { return editingLine_; }
  void stopEditing();
  // Edits `line` again (its 替换 shown), or stops editing when there is no such line.
  void resumeEditing(int line);
  // A line's context commands: a new colour from the colour dialog, and a move one
  // place up (−1) or down (+1) in the list, the file and the drawing order together.
  void recolourLine(int line);
  void moveLine(int line, int by);

  // ---- live parameters (live_session.cpp) ----
  // Starts changing a curve live: a list line (loaded on the 绘制 page and left out of
  // the picture while it changes), or with -1 the 绘制 page's own curve. The other
  // ticked curves are drawn once and kept. The 绘制 page as it was is kept aside.
  void beginLive(int line);
  // Draws the 绘制 page's curve as its boxes say now over the kept picture; "" or,
  // when the curve cannot be drawn (k = 0, r ≤ 0 …), the reason, shown in no box.
  std::string liveStep();
  // 替换 of the live window: the page's curve in place of the line the session began
  // on, and only while that line still holds the curve it held then; otherwise the
  // refusal is shown and nothing changes. True when the line was replaced.
  bool replaceLiveLine();
  // The 绘制 page as it was before the session began, and the picture as the list
  // says again.
  void endLive();
  bool Live() const { return liveActive_; }
  int LiveLine() const { return liveLine_; }

  // ---- defaults (defaults_command.cpp) ----
  void cmdDefault_Click();

  // ---- settings page ----
  void chkAutoColor_Click();
  void chkAutoRedraw_Click();
  void chkIntX_Click();
  void cmdColor_Click();

  // ---- the picture's style (picture_options.cpp) ----
  // The style every picture is drawn in: the user's preferences, or the style fixed.
  PictureStyle pictureStyle() const;
  // Fixes the style of every picture whatever the preferences say (the command line
  // draws the style its options ask); nothing: the preferences again.
  void fixPictureStyle(std::optional<PictureStyle> style) { fixedStyle_ = style; }
  // 图像选项: the dialog, then the picture again in the style chosen.
  void cmdPictureOptions_Click();
  // 演示模式: texts and lines grown by the picture options' percentage; the picture
  // again at once.
  void setPresenting(bool on);
  bool Presenting() const { return presenting_; }

  // ---- pan and zoom pad (pan_zoom.cpp) ----
  void picUp_Click();
  void picDown_Click();
  void picLeft_Click();
  void picRight_Click();
  void picZoomIn_Click();
  void picZoomOut_Click();
  void picCentre_Click();
  void picSize_Click();

  // ---- the view typed in (view_box_command.cpp) ----
  // 确定: the box of the four boxes shown whole and centred at the largest whole
  // scale; with nothing drawn the axes show it and the first curve keeps it.
  void cmdViewBox_Click();
  // The picture with no curve: the axes of the view the next curve starts from.
  void showEmptyAxes();

  // ---- parametric and polar curves on the 绘制 page (plane_curve_panel.cpp) ----
  // The kind of the family combo's item, for the items after the families.
  static std::optional<PlaneKind> planeKindOfItem(int item);
  std::optional<PlaneKind> chosenPlaneKind() const;
  // The wide boxes for x(t), y(t) or ρ(θ) and the range of t or θ, or the page's own
  // layout back.
  void showPlaneBoxes(PlaneKind kind);
  void showClassicBoxes();
  // A list line of these kinds on the 绘制 page, or a new colour for it; false for a
  // line of another kind.
  bool loadPlaneLineOntoPage(int line);
  bool recolourPlaneLine(int line);

  // ---- piecewise functions and points on the 绘制 page (marked_kinds_panel.cpp) ----
  static std::optional<MarkedKind> markedKindOfItem(int item);
  std::optional<MarkedKind> chosenMarkedKind() const;
  // The kind's rows or box in place of the parameter boxes and ranges; hidden again
  // (the page's own controls back in sight) for another item.
  void showMarkedBoxes(MarkedKind kind);
  void hideMarkedBoxes();
  // A list line of these kinds on the 绘制 page; false for a line of another kind.
  bool loadMarkedLineOntoPage(int line);
  // 粘贴: a table of two columns from the clipboard into the points' box.
  void cmdPastePoints_Click();

  // ---- regions given by inequalities on the 绘制 page (region_panel.cpp) ----
  bool regionChosen() const;
  void showRegionBoxes();
  void hideRegionBoxes();
  // A region's list line on the 绘制 page; false for a line of another kind.
  bool loadRegionLineOntoPage(int line);

 private:
  void addMarkedFamilies();
  void placeMarkedControls();
  void runMarkedDrawSteps(MarkedKind kind);
  // A curve read from the page drawn over the picture as the list draws it, and
  // added to the list in the colour it was drawn in.
  void drawAndAddEntry(const EntryCurve& curve, ListEntry entry);
  // The parameter boxes and the ranges: what the boxes of a kind without parameters
  // hide while it is chosen, all shown again when it goes (marked_kinds_boxes.cpp).
  std::vector<Control*> parameterAndRangeControls();
  bool markedShown_ = false;
  void addRegionFamily();
  void placeRegionControls();
  void runRegionDrawSteps();
  bool regionShown_ = false;
  void addPlaneFamilies();
  void runPlaneDrawSteps(PlaneKind kind);
  // The page's own layout while the plane kinds' is shown: the parameter captions' and
  // boxes' bounds and the x range's caption.
  struct ClassicLayout {
    std::array<std::array<int, 4>, 6> bounds{};
    std::string rangeCaption;
  };
  std::optional<ClassicLayout> classicLayout_;

  void buildControls();
  void wireHandlers();
  void message(const std::string& prompt, const std::string& title, const std::string& detail = {});

  // The draw command's steps.
  void runDrawSteps();
  bool takeChosenFamily();
  // The curve as the 绘制 page's boxes hold it.
  FuncRecord typedRecord() const;
  // The boxes show what the reading made of their texts.
  void showReadTexts(const EntryReading& reading);
  // The refused box gets the focus, with the fault's place in its text selected.
  void selectFault(const FirstInputFailure& failure);
  PlotOptions panelOptions() const;
  // The colours of the ticked curves, for the readable palette's automatic colour.
  std::vector<std::int32_t> tickedColours() const;
  // How a curve the panel draws now is drawn: the panel's options, the list's line,
  // the palette's colours.
  CurveDrawing newCurveDrawing() const;
  void storeEntry(const FuncRecord& record, const std::string& para4, const std::string& line,
                  const std::string& printed);

  // ---- the forms beyond the list file (form_boxes.cpp) ----
  // The 绘制 page's curve read by the list's reader, with box 4 for the forms that have it.
  TypedReading readPanelCurve() const;
  // Box 4 and its caption shown for the forms with a fourth parameter: boxes 3 and 4
  // then share the second row; hidden (box 3 centred again) for the others.
  void showFourthBox(int family, int form);

  // The picture: the sliders and options the drawing reads, and the list drawn with
  // them on `target` from `state` (nothing but a cleared surface while no line is
  // current); the refused entries are reported.
  DrawSettings drawSettings() const;
  // The number of curves drawn.
  std::size_t drawPicture(Surface& target, const FunctionList& list, DrawState& state);
  void redrawList(const FunctionList& list);
  DrawState drawState() const;
  void takeDrawState(const DrawState& state);
  // The document changed: the list box shows it with `current` as its current line,
  // and the working list on disk follows (false, with nothing changed, when it could
  // not be written).
  bool changeDocument(FunctionList list, int current);
  void showDocument(int current);
  void reportRefusedRecords();
  std::vector<RecordedMessage> refusedRecords_;

  // Pan and zoom.
  void pan(PanDirection direction);
  void zoomButton(std::int32_t mode);

  Program& program_;
  mdlDeclare& g_;
  bool loaded_ = false;
  bool redrawRunning_ = false;
  bool drawRunning_ = false;
  FunctionList document_;
  bool onDisk_ = false;  // the working list has a file (清屏 removes it)
  std::optional<PictureStyle> fixedStyle_;
  bool presenting_ = false;
  ListHistory history_;
  std::optional<std::string> savedList_;  // the list's bytes when saved or opened
  int editingLine_ = -1;
  // Live parameters.
  void drawLiveBackground();
  bool liveActive_ = false;
  int liveLine_ = -1;
  bool liveKept_ = false;                 // the other curves are kept on the canvas
  DrawPageState livePage_;                // the 绘制 page before the session
  std::optional<FuncRecord> liveRecord_;  // the line's record when the session began
  std::string liveLineText_;
  bool previewing_ = false;  // the draw command stores nothing and keeps its message
  std::string previewNote_;
};

}  // namespace quorvel
