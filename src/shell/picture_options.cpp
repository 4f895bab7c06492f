// The picture's style: read from the user's preferences for every picture and
// changed with the 图像选项 dialog of the settings page.
#include "shell/frm_control.h"
#include "shell/picture_preferences.h"
#include "shell/program.h"

namespace quorvel {

PictureStyle frmControl::pictureStyle() const {
  return pictureStyleOf(*program_.services.preferences);
}

void frmControl::cmdPictureOptions_Click() {
  Preferences& preferences = *program_.services.preferences;
  const PictureStyle current = pictureStyleOf(preferences);
  const std::optional<PictureStyle> chosen = program_.services.pictureOptions->choose(current);
  if (!chosen) return;
  const PictureStyle style = checkedStyle(*chosen);
  if (style == current) return;
  storePictureStyle(preferences, style);
  // The picture on the screen in the new style.
  if (g_.graphOnScreen) cmdRedraw_Click();
}

}  // namespace quorvel
