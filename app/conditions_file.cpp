#include "app/conditions_file.h"

#include <filesystem>

#include "app/start_up.h"
#include "base/atomic_file.h"
#include "conditions/dat_file.h"
#include "conditions/window_rules.h"

namespace kovrel {
namespace {

std::string fileStem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

void fail(Session& session, std::string text) {
  session.messages.push_back({MessageKind::Error, {std::move(text)}});
}

void nameTheFile(Session& session, const std::string& path) {
  session.currentFileName = fileStem(path);
  session.designWindow.visible = true;
  session.designWindow.caption = "設計条件 " + session.currentFileName;
}

}  // namespace

bool saveConditions(Session& session, const std::string& path) {
  try {
    writeFileAtomically(path, conditionsFileBytes(session.conditions));
  } catch (const DatFileError& e) {
    fail(session, path + ": not saved: " + e.what());
    return false;
  } catch (const FileError& e) {
    fail(session, e.what());
    return false;
  }
  nameTheFile(session, path);
  session.messages.push_back({MessageKind::Info, {"設計条件を保存しました。"}});
  return true;
}

bool loadConditions(Session& session, const std::string& path) {
  std::string bytes;
  try {
    bytes = readWholeFile(path);
  } catch (const FileError& e) {
    fail(session, e.what());
    return false;
  }
  // The copy runs the window rules against a copy of the window state; the
  // wall-type layout waits for the commit, which redoes it anyway.
  DesignConditions conditions = session.conditions;
  DesignWindow window = session.designWindow;
  conditions.setRuleHook(windowRulesHook(window, windowRuleLinks(nullptr)));
  window.loadPage = 0;
  try {
    applyConditionsFile(conditions, bytes);
  } catch (const DatFileError& e) {
    fail(session, path + ": " + e.what() + "; nothing was loaded");
    return false;
  }
  conditions.setRuleHook(nullptr);
  session.conditions = std::move(conditions);
  session.designWindow = std::move(window);
  installWindowRules(session);
  nameTheFile(session, path);
  session.designWindow.seismicPageVisible = session.conditions.index("RadioGroup5") == 1;
  applySessionLayout(session);
  redrawWallPictures(session.conditions, session.designWindow.pictures);
  session.messages.push_back({MessageKind::Info, {"設計条件を読込みました。"}});
  return true;
}

}  // namespace kovrel
