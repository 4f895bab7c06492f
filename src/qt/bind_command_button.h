#pragma once
// Command buttons: caption, the default mark and the click.
#include <QPushButton>

#include "qt/binder.h"

namespace quorvel {

class CommandButtonBinder : public Binder {
 public:
  CommandButtonBinder(CommandButton& model, QPushButton* widget);

 private:
  void refresh() override;
  CommandButton& model_;
  QPushButton* widget_;
};

}  // namespace quorvel
