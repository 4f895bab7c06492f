// The 绘制 page's fourth parameter box, shown for the forms that need one (the conics
// with a centre, A·sin(ωx + φ) + k …), and the reading of the page's curve with it.
#include "catalogue/families.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The second row's places: box 3 alone in the middle, or boxes 3 and 4 side by side
// in the columns of boxes 1 and 2.
constexpr int kRowTop = 3090, kCaptionTop = 3120;
constexpr int kAloneCaptionLeft = 540, kAloneBoxLeft = 960;
constexpr int kLeftCaptionLeft = 90, kLeftBoxLeft = 600;

}  // namespace

void frmControl::showFourthBox(int family, int form) {
  const FormInfo* info = quorvel::form(family, form);
  const bool shown = info != nullptr && family != kCustomFamily && box4Visible(family, form);
  lblParameter[4].setCaption(shown ? info->fourth.caption : std::string());
  lblParameter[4].setVisible(shown);
  txtParameter[4].setVisible(shown);
  lblParameter[3].setLeft(shown ? kLeftCaptionLeft : kAloneCaptionLeft);
  lblParameter[3].setTop(kCaptionTop);
  txtParameter[3].setLeft(shown ? kLeftBoxLeft : kAloneBoxLeft);
  txtParameter[3].setTop(kRowTop);
}

TypedReading frmControl::readPanelCurve() const {
  const FuncRecord typed = typedRecord();
  if (inListFile(typed.family, typed.form)) return readTypedRecord(typed, randomNumbers());
  return readTypedForm(typed, txtParameter[4].Text(), randomNumbers());
}

}  // namespace quorvel
