#pragma once
// The about box, which also serves as the start-up splash: the program's title and
// version and the team's addresses over a picture. Clicks on the picture, the title,
// the school, the name or the background hide it, and so does Esc; the web and mail
// addresses are links, underlined while the pointer is over them.
#include "toolkit/controls.h"

namespace quorvel {

class Program;

class frmAbout : public Window {
 public:
  frmAbout();
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

  static constexpr const char* kWebAddress = "https://quorvel.example.org";
  static constexpr const char* kMailAddress = "team@quorvel.example.org";

  Label imgSplash{"imgSplash"};  // the splash picture: shows no text, takes clicks
  Label Label3{"Label3"};        // first word of the title
  Label lblProgram{"lblProgram"};
  Label lblSchool{"lblSchool"};
  Label lblName{"lblName"};
  Label lblWeb1{"lblWeb1"};
  Label lblWeb2{"lblWeb2"};
  Label lblMail1{"lblMail1"};
  Label lblMail2{"lblMail2"};
  Label Label1{"Label1"};
  Label Label2{"Label2"};

  // The first window the program opens: shows the main window (running its load,
  // which shows the control panel), starts the splash timer, then shows the box.
  // Runs once; the box is only ever hidden afterwards.
  void Form_Load(Program& program);
  bool Loaded() const { return program_ != nullptr; }

  void Form_Click();
  // A key pressed while the box has the keyboard: Esc hides it, as a click does.
  void Form_KeyDown(int keyCode);
  static constexpr int kKeyEscape = 27;
  void Form_MouseMove();
  void imgSplash_Click();
  void lblProgram_Click();
  void lblSchool_Click();
  void lblName_Click();
  void lblMail2_Click();
  void lblWeb2_Click();
  void lblMail2_MouseMove();
  void lblWeb2_MouseMove();

 private:
  // Known from the load on; the links need the program's services.
  Program* program_ = nullptr;
};

}  // namespace quorvel
