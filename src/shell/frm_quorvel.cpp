// The main window's toolbar commands, the surface's mouse events and the splash timer.
#include "shell/frm_quorvel.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/list_file_check.h"
#include "document/function_list.h"
#include "document/list_formats.h"
#include "document/list_journal.h"
#include "files/atomic_file.h"
#include "plot/view.h"
#include "settings/picture_preferences.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// Saving offers the list file first, the document of every kind second (the filters'
// order is ListFormat's); opening shows both kinds of file at once first.
constexpr const char* kSaveListFilter =
    "函数图像文件(*.QVX)|*.QVX|Quorvel 列表（含新曲线）(*.QVJ)|*.QVJ";
constexpr const char* kOpenListFilter =
    "函数列表(*.QVX;*.QVJ)|*.QVX;*.QVJ|函数图像文件(*.QVX)|*.QVX|Quorvel "
    "列表（含新曲线）(*.QVJ)|*.QVJ";
constexpr int kDocumentFilter = 1;

// The export's formats in the order of its filter's pairs.
constexpr PictureFormat kExportFormats[] = {PictureFormat::Bmp, PictureFormat::Png,
                                            PictureFormat::Svg, PictureFormat::Pdf};

struct ButtonDesign {
  const char* caption;
  const char* toolTip;
  ButtonStyle style;
  int image;
  ToolbarCommand command;
};

// Position 1 is the placeholder that centres the commands in the bar.
constexpr ButtonDesign kToolbarDesign[Toolbar::kButtonCount] = {
    {"", "", ButtonStyle::Placeholder, 0, ToolbarCommand::None},
    {"控制", "打开／隐藏控制窗口", ButtonStyle::Check, 1, ToolbarCommand::Panel},
    {"打开", "打开函数列表", ButtonStyle::Push, 2, ToolbarCommand::Open},
    {"保存", "保存函数列表", ButtonStyle::Push, 3, ToolbarCommand::Save},
    {"导出", "导出BMP图像", ButtonStyle::Push, 4, ToolbarCommand::Export},
    {"上方", "观察上方", ButtonStyle::Push, 5, ToolbarCommand::Up},
    {"下方", "观察下方", ButtonStyle::Push, 6, ToolbarCommand::Down},
    {"左方", "观察左方", ButtonStyle::Push, 7, ToolbarCommand::Left},
    {"右方", "观察右方", ButtonStyle::Push, 8, ToolbarCommand::Right},
    {"放大", "放大图像", ButtonStyle::Push, 9, ToolbarCommand::ZoomIn},
    {"缩小", "缩小图像", ButtonStyle::Push, 10, ToolbarCommand::ZoomOut},
    {"打印", "打印函数图像", ButtonStyle::Push, 11, ToolbarCommand::Print},
    {"分析", "分析曲线", ButtonStyle::Push, 12, ToolbarCommand::Analysis},
    {"参数", "动态参数", ButtonStyle::Push, 13, ToolbarCommand::LiveParameters},
    {"关于", "", ButtonStyle::Push, 14, ToolbarCommand::About},
};

std::string upperCase(std::string text) {
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

}  // namespace

ToolbarCommand toolbarCommand(int position) {
  if (position < 1 || position > Toolbar::kButtonCount) return ToolbarCommand::None;
  return kToolbarDesign[position - 1].command;
}

int toolbarPosition(ToolbarCommand command) {
  for (int position = 1; position <= Toolbar::kButtonCount; ++position) {
    if (kToolbarDesign[position - 1].command == command) return position;
  }
  return 0;
}

ExportTarget exportTargetFor(const std::string& chosen, int filterIndex) {
  const FileDialogRequest filter{"", kExportFilter, "", ""};
  if (filterIndex < 0 || filterIndex >= filter.filterCount()) filterIndex = 0;
  ExportTarget target{std::filesystem::path(chosen),
                      kExportFormats[static_cast<std::size_t>(filterIndex)]};
  // A leading dot names a hidden file, not an extension.
  const std::string last = target.file.filename().string();
  const std::size_t dot = last.rfind('.');
  if (dot == std::string::npos || dot == 0) {
    if (!last.empty()) target.file += "." + filter.filterExtension(filterIndex);
    return target;
  }
  const std::string extension = upperCase(last.substr(dot + 1));
  for (int i = 0; i < filter.filterCount(); ++i) {
    if (extension == filter.filterExtension(i)) {
      target.format = kExportFormats[static_cast<std::size_t>(i)];
    }
  }
  return target;
}

frmQuorvel::frmQuorvel(Program& program, Surface& surface) : picPic(surface), program_(program) {
  buildToolbar();
  ProgressBarWorking.setBounds(6120, 180, 1305, 285);
  ProgressBarWorking.setVisible(false);
  picCoordinate.setBounds(6200, 180, 645, 285);
  lblCoordinate.setBounds(0, 0, 0, 0);  // sizes itself to its text
  tmrSplash.Interval = 1000;
  tmrSplash.Tick = [this] { tmrSplash_Timer(); };
}

void frmQuorvel::buildToolbar() {
  tbMain.setBounds(0, 0, 0, 615);  // docked along the top; its width follows the window
  for (int position = 1; position <= Toolbar::kButtonCount; ++position) {
    const ButtonDesign& d = kToolbarDesign[position - 1];
    ToolbarButton& b = tbMain.button(position);
    b.Caption = d.caption;
    b.setToolTipText(d.toolTip);
    b.Style = d.style;
    b.Image = d.image;
  }
  tbMain.button(1).setWidth(200);
  tbMain.button(2).setValue(true);  // the panel is shown at start
}

void frmQuorvel::clickToolbarButton(int position) {
  if (position < 1 || position > Toolbar::kButtonCount) return;
  ToolbarButton& b = tbMain.button(position);
  if (b.Style == ButtonStyle::Placeholder) return;
  if (b.Style == ButtonStyle::Check) b.setValue(!b.Value());
  tbMain_ButtonClick(position);
}

template <class Command>
void frmQuorvel::withZoomModeSuspended(Command command) {
  // A toolbar zoom zooms once without changing what the surface clicks do.
  mdlDeclare& g = program_.g;
  const std::int32_t savedZoomMode = g.zoomMode;
  g.zoomMode = 0;
  if (command()) g.zoomMode = savedZoomMode;
}

void frmQuorvel::tbMain_ButtonClick(int position) {
  if (position < 1 || position > Toolbar::kButtonCount) return;
  frmControl& panel = program_.panel;
  withZoomModeSuspended([&] {
    switch (toolbarCommand(position)) {
      case ToolbarCommand::None: break;
      case ToolbarCommand::Panel: showOrHidePanel(); break;
      case ToolbarCommand::Open: return openList();
      case ToolbarCommand::Save: saveList(); break;
      case ToolbarCommand::Export: exportImage(); break;
      case ToolbarCommand::Up: panel.picUp_Click(); break;
      case ToolbarCommand::Down: panel.picDown_Click(); break;
      case ToolbarCommand::Left: panel.picLeft_Click(); break;
      case ToolbarCommand::Right: panel.picRight_Click(); break;
      case ToolbarCommand::ZoomIn: panel.picZoomIn_Click(); break;
      case ToolbarCommand::ZoomOut: panel.picZoomOut_Click(); break;
      case ToolbarCommand::Print: printImage(); break;
      case ToolbarCommand::Analysis: showAnalysis(); break;
      case ToolbarCommand::LiveParameters:
        if (showLiveParameters) showLiveParameters();
        break;
      case ToolbarCommand::About: showAbout(); break;
    }
    return true;
  });
}

bool frmQuorvel::openGivenList(const std::filesystem::path& source) {
  // Curves not saved are not lost without asking.
  if (!confirmLosingList()) return false;
  bool opened = false;
  withZoomModeSuspended([&] { return opened = openListFile(source); });
  return opened;
}

void frmQuorvel::showOrHidePanel() {
  ToolbarButton& button = tbMain.button(2);
  frmControl& panel = program_.panel;
  if (button.Value()) {
    panel.Form_Load();
    panel.Show();
    button.setValue(true);
  } else {
    panel.Hide();
    button.setValue(false);
  }
}

bool frmQuorvel::openList() {
  // Curves not saved are not lost without asking; 取消 leaves everything as it was.
  if (!confirmLosingList()) return true;
  const FileDialogRequest request{"打开图像", kOpenListFilter, "", kListFileExtension};
  const std::string chosen = program_.services.files->showOpen(request).fileName;
  return chosen.empty() || openListFile(chosen);
}

bool frmQuorvel::confirmLosingList() {
  frmControl& panel = program_.panel;
  if (!panel.listChanged()) return true;
  switch (program_.services.questions->ask(kListChangedPrompt, kQuestionTitle,
                                           {"保存", "不保存", "取消"})) {
    case 0: return saveList();
    case 1: return true;
    default: return false;
  }
}

bool frmQuorvel::openListFile(const std::filesystem::path& source) {
  // The document is replaced only by a list that passes its checks, and only once the
  // working list on disk holds it, so a failure leaves the list, its file and the
  // picture as they were. Either format, told by the file's content.
  ListReading reading = readListFile(source);
  if (!reading.list) {
    program_.message(openRefusalText(source, reading.fault), kTitleError);
    return false;
  }
  return openList(std::move(*reading.list), source);
}

bool frmQuorvel::openListBytes(const std::string& bytes, const std::filesystem::path& source) {
  ListReading reading = listFromBytes(bytes);
  if (!reading.list) {
    program_.message(openRefusalText(source, reading.fault), kTitleError);
    return false;
  }
  return openList(std::move(*reading.list), source);
}

bool frmQuorvel::openList(FunctionList list, const std::filesystem::path& source) {
  std::string error;
  if (!program_.journal.write(list, &error)) {
    program_.message(openRefusalText(source, "不能写入工作列表：" + error), kTitleError);
    return false;
  }
  frmControl& panel = program_.panel;
  panel.openDocument(std::move(list));
  panel.startNewDocument();
  return true;
}

bool frmQuorvel::saveList() {
  FileDialogRequest request{"保存图像", kSaveListFilter, "", kListFileExtension};
  // A list the list file cannot keep is offered the document first.
  if (naturalFormat(program_.panel.document()) == ListFormat::Document) {
    request.defaultExtension = kDocumentExtension;
    request.selectedFilter = kDocumentFilter;
  }
  const FileDialogResult chosen = program_.services.files->showSave(request);
  if (chosen.fileName.empty()) return false;
  // The name's extension decides; a name without one, the filter chosen.
  const ListFormat format =
      formatOfName(chosen.fileName)
          .value_or(chosen.filterIndex == kDocumentFilter ? ListFormat::Document
                                                          : ListFormat::ListFile);
  return saveListFile(chosen.fileName, format);
}

bool frmQuorvel::saveListFile(const std::filesystem::path& target) {
  return saveListFile(target,
                      formatOfName(target).value_or(naturalFormat(program_.panel.document())));
}

bool frmQuorvel::saveListFile(const std::filesystem::path& target, ListFormat format) {
  // The check comes after the dialog: the user picks a name before being told.
  if (!program_.g.graphOnScreen) {
    program_.message("没有图像，不能保存列表。", kTitleError);
    return false;
  }
  std::string refusal;
  const std::optional<std::string> bytes = listBytes(program_.panel.document(), format, &refusal);
  if (!bytes) {
    // Never a curve dropped to make the list fit: the file is not written.
    program_.message(refusal, kTitleError);
    return false;
  }
  if (!replaceFileWith(target, *bytes)) {
    program_.message(kMessageSaveListError, kTitleError);
    return false;
  }
  program_.panel.markListSaved();
  return true;
}

void frmQuorvel::exportImage() {
  const FileDialogRequest request{"导出图像", kExportFilter, "", "BMP"};
  const FileDialogResult chosen = program_.services.files->showSave(request);
  if (chosen.fileName.empty()) return;
  const ExportTarget target = exportTargetFor(chosen.fileName, chosen.filterIndex);
  // The size, asked with the one asked last.
  Preferences& preferences = *program_.services.preferences;
  const std::optional<PictureSize> size = program_.services.exportSize->choose(
      exportSizeOf(preferences), picPic.AreaWidthPixels(), picPic.AreaHeightPixels());
  if (!size) return;
  if (drawable(*size)) storeExportSize(preferences, *size);
  const std::string problem = exportPicture(target.file, target.format, *size);
  if (!problem.empty()) program_.message("导出图像错误\n" + problem, kTitleError);
}

std::string frmQuorvel::exportPicture(const std::filesystem::path& file, PictureFormat format) {
  return exportPicture(file, format, PictureSize{});
}

std::string frmQuorvel::exportPicture(const std::filesystem::path& file, PictureFormat format,
                                      const PictureSize& size) {
  // A picture written over the working list would lose every curve.
  std::error_code ec;
  if (std::filesystem::equivalent(file, program_.listPath(), ec)) {
    return "不能覆盖正在使用的函数列表";
  }
  if (!drawable(size)) return "图像尺寸超出范围";
  // The picture is what the surface shows, drawn afresh by the one drawing function:
  // the ticked lines in the surface's view, with the panel's sliders. Another size
  // shows the same region fitted into it, drawn as much larger as it is fitted.
  const PictureSpec pictureSpec = fittedPictureSpecFor(
      format, size, picPic.AreaWidthPixels(), picPic.AreaHeightPixels(), picPic.BorderPixels());
  const bool windowSized = pictureSpec.widthPixels == picPic.AreaWidthPixels() &&
                           pictureSpec.heightPixels == picPic.AreaHeightPixels();
  return program_.services.pictures->write(pictureSpec, file, [this, windowSized](Surface& target) {
    if (windowSized) {
      program_.panel.replayOnto(target);
    } else {
      program_.panel.replayCentredOnto(target);
    }
    return true;
  });
}

void frmQuorvel::printImage() {
  // The picture the screen shows, drawn afresh at the window's size, as 打印… prints
  // it. Only the message is new: the picture, the list and the view stay as they were.
  const PictureSpec picture =
      pictureSpecFor(PictureFormat::Svg, PictureSize{}, picPic.AreaWidthPixels(),
                     picPic.AreaHeightPixels(), picPic.BorderPixels());
  const DrawPicture draw = [this](Surface& page) {
    program_.panel.replayOnto(page);
    return true;
  };
  switch (program_.services.printer->print(picture, draw)) {
    case PrintOutcome::Printed: return;
    case PrintOutcome::NoPrinter: program_.message("没有可用的打印机", kTitleError); return;
    case PrintOutcome::Failed: program_.message("打印错误", kTitleError); return;
  }
}

void frmQuorvel::showAnalysis() { program_.analysis.showWindow(); }

void frmQuorvel::showAbout() { program_.about.Show(); }

void frmQuorvel::picPic_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
  picCoordinate.setHeight(lblCoordinate.Height());
  picCoordinate.setWidth(lblCoordinate.Width());
  // While the analysis traces a curve, the read-out shows the curve's point instead.
  const std::optional<std::string> traced = program_.analysis.pointerMoved(x, y);
  lblCoordinate.setCaption(traced ? *traced : pointerReadout(x, y, program_.g.zoomScale));
}

void frmQuorvel::picPic_MouseLeave() { program_.analysis.pointerLeft(); }

void frmQuorvel::picPic_MouseUp(int button, int /*shift*/, float x, float y) {
  mdlDeclare& g = program_.g;
  if (button != 1 || !g.graphOnScreen) return;
  ZoomMode mode;
  if (g.zoomMode == 1) {
    if (g.zoomScale > kZoomInLimit) {
      program_.message("不能继续缩放", kTitleError);
      return;
    }
    mode = ZoomMode::In;
  } else if (g.zoomMode == 2) {
    // A click may still halve 2 to 1, one step further than the button.
    if (g.zoomScale < 2) {
      program_.message("不能继续缩放", kTitleError);
      return;
    }
    mode = ZoomMode::Out;
  } else {
    program_.analysis.pointerClicked(x, y);
    return;
  }
  if (zoomExtentsAtClick(g, mode, x, y, picPic.Width(), picPic.Height()) != kOk) {
    program_.message("不能继续缩放", kTitleError);
    return;
  }
  g.zoomPending = true;
  picPic.Cls();
  program_.panel.cmdRedraw_Click();
}

void frmQuorvel::tmrSplash_Timer() {
  program_.about.Hide();
  tmrSplash.setEnabled(false);
}

}  // namespace quorvel
