#include "resources/module.h"

#include "resources/ids.h"

namespace fotovuelo::res {

const framework::TModule& ProgramModule() {
  static const framework::TModule module = [] {
    framework::TModule m;
    m.AddMenu(kMainMenu, MainMenu());
    m.AddIcon(kProgramIcon, ProgramIcon());
    m.AddIcon(kFrameIcon, FrameIcon());
    m.AddDialog(kDataForm, DataFormTemplate());
    m.AddDialog(kResultsDialog, ResultsTemplate());
    return m;
  }();
  return module;
}

}  // namespace fotovuelo::res
