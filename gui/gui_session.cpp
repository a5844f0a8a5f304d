#include "gui/gui_session.h"

#include <QFile>

#include "app/conditions_file.h"
#include "app/metafile_export.h"
#include "app/pdf_export.h"
#include "app/start_up.h"
#include "app/text_export.h"
#include "conditions/control_input.h"
#include "conditions/seismic_aids.h"
#include "conditions/window_rules.h"

namespace kovrel::gui {
namespace {

std::string localPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

bool isSeismicFactor(const std::string& name) {
  return name == "ComboBox5" || name == "ComboBox6";
}

}  // namespace

GuiSession::GuiSession(GuiDialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

void GuiSession::startUp() {
  kovrel::startUp(session_);
  shownMessages_ = session_.messages.size();
  emit conditionsChanged();
  emit resultsChanged();
  emit visibilityChanged();
}

void GuiSession::showNewMessages() {
  // The log may grow while a box is open (it never does today, but a box
  // must not be shown twice if it did).
  while (shownMessages_ < session_.messages.size()) {
    const Message message = session_.messages[shownMessages_++];
    dialogs_.showMessage(message);
  }
}

void GuiSession::change(const std::function<void(Session&)>& fn, bool results) {
  try {
    fn(session_);
  } catch (const ConversionError& e) {
    session_.messages.push_back({MessageKind::Error, {conversionMessage(e)}});
  } catch (const SeismicAidError& e) {
    session_.messages.push_back({MessageKind::Error, {e.what()}});
  }
  showNewMessages();
  emit conditionsChanged();
  if (results) emit resultsChanged();
}

bool GuiSession::enter(const std::string& name, const std::string& value) {
  try {
    applyControlInput(session_.conditions, name, value);
  } catch (const ControlInputError& e) {
    session_.messages.push_back({MessageKind::Error, {e.what()}});
    showNewMessages();
    return false;
  }
  if (isSeismicFactor(name)) proposeKhQuietly();
  emit conditionsChanged();
  // The wall type and the shear key also decide the results window's pages.
  if (name == "PageControl2" || name == "RadioGroup2") emit resultsChanged();
  return true;
}

void GuiSession::proposeKhQuietly() {
  // While kh0 or Cz is being typed, a text such as "" or "0.1x" is on its way
  // to a number: kh keeps its value instead of a box interrupting each key.
  try {
    proposeKh(session_.conditions);
  } catch (const ConversionError&) {
  }
}

void GuiSession::finishSeismicFactor() {
  change([](Session& s) { proposeKh(s.conditions); });
}

void GuiSession::setLoadPage(int page) {
  if (session_.designWindow.loadPage == page) return;
  session_.designWindow.loadPage = page;
  emit conditionsChanged();
}

void GuiSession::setRebarTab(int tab) {
  if (session_.designWindow.rebarTab == tab) return;
  session_.designWindow.rebarTab = tab;
  emit conditionsChanged();
}

void GuiSession::setAidPage(int page) {
  if (session_.designWindow.aidPage == page) return;
  session_.designWindow.aidPage = page;
  emit conditionsChanged();
}

void GuiSession::clickStandardValue(int col, int row) {
  change([col, row](Session& s) {
    kovrel::clickStandardValue(s.conditions, s.designWindow, col, row);
  });
}

void GuiSession::computeTg() {
  change([](Session& s) { kovrel::computeTg(s.conditions); });
}

void GuiSession::clickSoilTypeCell(int col, int row) {
  change([col, row](Session& s) { kovrel::clickSoilTypeCell(s.conditions, col, row); });
}

void GuiSession::listZones(const std::string& initial) {
  change([&initial](Session& s) { kovrel::listZones(s.designWindow, initial); });
}

void GuiSession::applyZone(const std::string& key) {
  change([&key](Session& s) { kovrel::applyZone(s.conditions, s.designWindow, key); });
}

bool GuiSession::openKeypad(const std::string& edit) {
  const bool opened = keypad_.open(session_.conditions, edit);
  emit keypadChanged();
  return opened;
}

void GuiSession::pressKey(const std::string& key) {
  const bool transfer = key == "転記" && keypad_.isOpen();
  keypad_.press(session_.conditions, key);
  emit keypadChanged();
  if (transfer) emit conditionsChanged();
}

bool GuiSession::load(const QString& path, bool announce) {
  const bool loaded = loadConditions(session_, localPath(path));
  if (loaded && !announce && !session_.messages.empty()) {
    // The completion note stays in the log but needs no box.
    shownMessages_ = session_.messages.size();
  }
  showNewMessages();
  if (loaded) {
    emit conditionsChanged();
    emit resultsChanged();
    emit visibilityChanged();
  }
  return loaded;
}

bool GuiSession::save(const QString& path) {
  const bool saved = saveConditions(session_, localPath(path));
  showNewMessages();
  if (saved) {
    emit conditionsChanged();
    emit visibilityChanged();
  }
  return saved;
}

RunStatus GuiSession::run() {
  const RunStatus status = runCalculation(session_);
  showNewMessages();
  emit resultsChanged();
  emit conditionsChanged();
  emit visibilityChanged();
  return status;
}

bool GuiSession::confirmAndRun() {
  setResultsWindowVisible(false);
  const QString question =
      QString::fromStdString(loadCombinationText(session_.conditions)).replace('\r', '\n');
  if (!dialogs_.askYesNo(question)) return false;
  run();
  return true;
}

bool GuiSession::exportText() {
  const bool written = runTextExportCommand(session_, [this](const Message& question) {
    return dialogs_.askYesNo(messageText(question));
  });
  showNewMessages();
  return written;
}

bool GuiSession::exportMetafiles() {
  const bool written = runMetafileExportCommand(session_, [this](const Message& question) {
    return dialogs_.askYesNo(messageText(question));
  });
  showNewMessages();
  return written;
}

bool GuiSession::exportPdf() {
  PdfExportDialogs boxes;
  boxes.askYesNo = [this](const std::vector<std::string>& lines) {
    return dialogs_.askYesNo(messageText(lines));
  };
  boxes.inform = [this](const std::string& text) {
    dialogs_.showMessage({MessageKind::Info, {text}});
  };
  boxes.showError = [this](const std::string& text) {
    dialogs_.showMessage({MessageKind::Error, {text}});
  };
  boxes.openWithViewer = [this](const std::string& path) {
    dialogs_.openWithViewer(QFile::decodeName(path.c_str()));
  };
  return runPdfExportCommand(session_, boxes);
}

void GuiSession::setDesignWindowVisible(bool visible) {
  if (session_.designWindow.visible == visible) return;
  session_.designWindow.visible = visible;
  emit visibilityChanged();
}

void GuiSession::setResultsWindowVisible(bool visible) {
  if (session_.results.visible == visible) return;
  if (visible) {
    showResultsWindow(session_);
  } else {
    session_.results.visible = false;
  }
  emit resultsChanged();
  emit visibilityChanged();
}

void GuiSession::showResultsPage(const std::string& pageControl, const std::string& sheet) {
  session_.results.pageControl(pageControl).active = sheet;
}

void GuiSession::moveTrackBar(const std::string& name, int position) {
  kovrel::moveTrackBar(session_.results, name, position);
  emit resultsChanged();
}

}  // namespace kovrel::gui
