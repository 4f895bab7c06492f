#pragma once
// The program: its services, its shared state and its three windows. Tests build
// one with a recording surface and scripted services in a temporary folder; the Qt
// application builds one with a raster surface and the platform's services.
#include <filesystem>
#include <string>

#include "document/list_journal.h"
#include "plot/surface.h"
#include "settings/working_folder.h"
#include "shell/frm_about.h"
#include "shell/frm_analysis.h"
#include "shell/frm_control.h"
#include "shell/frm_quorvel.h"
#include "shell/mdl_declare.h"
#include "shell/services.h"

namespace quorvel {

class Program {
 public:
  // picPic is the main window's drawing surface; every service must be given.
  Program(Surface& picPic, Services services);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's folder: Quorvel.ini lives here.
  const std::filesystem::path& folder() const { return services.programFolder; }
  // The working list on disk, in the folder this running copy owns (the program
  // folder unless another copy is running there).
  const std::filesystem::path& listPath() const { return journal.path(); }

  // A message box with the stop icon and one OK button.
  void message(const std::string& prompt, const std::string& title);

  Services services;
  WorkingFolder working;
  ListJournal journal;  // the document on disk, in the working folder
  mdlDeclare g;
  frmQuorvel main;  // before the panel: the panel draws on main's picPic
  frmControl panel;
  frmAbout about;
  frmAnalysis analysis;  // after the panel: it follows the panel's list
};

}  // namespace quorvel
