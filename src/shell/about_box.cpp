// The about box: its texts and places, the load that starts the program, and the
// clicks and pointer moves.
#include <string>

#include "quorvel_version.h"
#include "shell/frm_about.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// Labels size themselves to their text: a size of 0 × 0 says so.
void placeLabel(Label& label, int left, int top, const std::string& caption) {
  label.setBounds(left, top, 0, 0);
  label.setCaption(caption);
}

}  // namespace

frmAbout::frmAbout() {
  Width = 4815;  // client area
  Height = 4770;
  imgSplash.setBounds(0, 0, 4800, 3450);
  placeLabel(Label3, 270, 405, "Quor");
  placeLabel(lblProgram, 1410, 390, std::string("vel ") + kShortVersion);
  placeLabel(lblSchool, 2400, 1440, "Quorvel 项目组");
  placeLabel(lblName, 2490, 1980, "开发团队");
  placeLabel(lblWeb1, 120, 3540, "网站：");
  placeLabel(lblWeb2, 930, 3540, kWebAddress);
  placeLabel(lblMail1, 120, 3915, "邮箱：");
  placeLabel(lblMail2, 930, 3915, kMailAddress);
  placeLabel(Label1, 120, 4290, "QQ：");
  placeLabel(Label2, 930, 4290, "-");

  imgSplash.Click = [this] { imgSplash_Click(); };
  lblProgram.Click = [this] { lblProgram_Click(); };
  lblSchool.Click = [this] { lblSchool_Click(); };
  lblName.Click = [this] { lblName_Click(); };
  lblMail2.Click = [this] { lblMail2_Click(); };
  lblWeb2.Click = [this] { lblWeb2_Click(); };
}

void frmAbout::Form_Load(Program& program) {
  if (program_ != nullptr) return;
  program_ = &program;
  frmQuorvel& main = program.main;
  main.Form_Load();
  main.Show();
  main.tmrSplash.setEnabled(true);
  Show();
}

void frmAbout::Form_Click() { Hide(); }

void frmAbout::Form_KeyDown(int keyCode) {
  if (keyCode == kKeyEscape) Hide();
}
void frmAbout::imgSplash_Click() { Hide(); }
void frmAbout::lblProgram_Click() { Hide(); }
void frmAbout::lblSchool_Click() { Hide(); }
void frmAbout::lblName_Click() { Hide(); }

void frmAbout::lblMail2_Click() {
  if (program_ != nullptr) program_->services.links->open(std::string("mailto:") + kMailAddress);
}

void frmAbout::lblWeb2_Click() {
  if (program_ != nullptr) program_->services.links->open(kWebAddress);
}

void frmAbout::lblMail2_MouseMove() { lblMail2.setUnderline(true); }
void frmAbout::lblWeb2_MouseMove() { lblWeb2.setUnderline(true); }

// Only the window's own background clears the links' underline; the picture and
// the other labels keep it.
void frmAbout::Form_MouseMove() {
  lblMail2.setUnderline(false);
  lblWeb2.setUnderline(false);
}

}  // namespace quorvel
