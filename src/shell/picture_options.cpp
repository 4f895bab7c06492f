// The picture's style: read from the user's preferences for every picture and
// changed with the 图像选项 dialog of the settings page.
#include "settings/picture_preferences.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

PictureStyle frmControl::pictureStyle() const {
  if (fixedStyle_) return *fixedStyle_;
  return pictureStyleOf(*program_.services.preferences);
}

void frmControl::cmdPictureOptions_Click() {
  Preferences& preferences = *program_.services.preferences;
  // The dialog shows the options as stored, also those the classic look leaves unused.
  const PictureStyle current = storedPictureStyle(preferences);
  const std::optional<PictureStyle> chosen = program_.services.pictureOptions->choose(current);
  if (!chosen) return;
  const PictureStyle style = checkedStyle(*chosen);
  if (style == current) return;
  const PictureStyle drawnBefore = pictureStyle();
  storePictureStyle(preferences, style);
  // The picture on the screen in the new style.
  if (pictureStyle() == drawnBefore) return;
  if (g_.graphOnScreen) {
    cmdRedraw_Click();
  } else {
    showEmptyAxes();
  }
}

void frmControl::setPresenting(bool on) {
  if (presenting_ == on) return;
  presenting_ = on;
  if (g_.graphOnScreen) {
    cmdRedraw_Click();
  } else {
    showEmptyAxes();
  }
}

}  // namespace quorvel
