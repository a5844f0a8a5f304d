#pragma once
// GuiSession: the one object through which every window of the desktop
// program reaches the document.
//
// It owns the kovrel::Session (design conditions, design-window state,
// results window model, messages, file name) and is the only place where the
// GUI changes it. Every change goes through a core function (the same ones the
// command line calls), and afterwards the session
//   1. shows, in order, every message the core added (input-check findings,
//      completion notes, failures) through GuiDialogs, and
//   2. emits the signals below, so every window refreshes itself from the
//      model. Widgets never hold state of their own that the model lacks.
//
// Windows take a GuiSession& in their constructor and connect to:
//   conditionsChanged()  – any design condition, the design window's pages,
//                          tabs, picture labels, seismic lists and pictures,
//                          the menus that follow the wall type (reportMenu),
//                          the allowable-stresses window's values (Form9.*).
//   resultsChanged()     – the results window model after a calculation,
//                          and after a font-size track bar moved.
//   visibilityChanged()  – session().results.visible or
//                          session().designWindow.visible changed; the
//                          results and design-conditions windows show or hide
//                          themselves to match.
//   keypadChanged()      – the numeric keypad opened, typed or closed.
//
// A window that changes the document in a way not listed here (a soil
// constant copied in, Form9's "設計条件に転記") calls change() with a lambda
// that calls the core; the session catches the core's conversion errors,
// shows them, and emits the signals for every window.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "conditions/numeric_keypad.h"
#include "gui/gui_dialogs.h"
#include "run/calculation.h"
#include "run/session.h"

namespace kovrel::gui {

class GuiSession : public QObject {
  Q_OBJECT

 public:
  explicit GuiSession(GuiDialogs& dialogs, QObject* parent = nullptr);

  Session& session() { return session_; }
  const Session& session() const { return session_; }
  const DesignConditions& conditions() const { return session_.conditions; }
  const DesignWindow& designWindow() const { return session_.designWindow; }
  const ResultsWindow& results() const { return session_.results; }
  const NumericKeypad& keypad() const { return keypad_; }
  GuiDialogs& dialogs() { return dialogs_; }

  // The design conditions as start-up leaves them (window rules installed,
  // the window set up, menus laid out for the wall type), no file name.
  void startUp();

  // --- Input at the design-conditions window --------------------------------
  // One value as the user enters it, by control name, exactly as the command
  // line's --set: text for an edit, combo or cell ("StringGrid2[c,r]"), an
  // index for a radio group, tab set or page control, "1"/"0" for a check
  // box. Rules run as on a click. Typing into kh0 or Cz (ComboBox5,
  // ComboBox6) also proposes kh; a text that is no number yet leaves kh as it
  // was until the edit is finished (finishSeismicFactor). Returns false, with
  // a message, when no control takes the value.
  bool enter(const std::string& name, const std::string& value);
  // Leaving kh0 or Cz: proposes kh, and says so when the text is no number.
  void finishSeismicFactor();
  // The window's own view state: the load page, reinforcement tab, aid page.
  void setLoadPage(int page);
  void setRebarTab(int tab);
  void setAidPage(int page);

  // --- The seismic aids of the page "(4)設計震度" ----------------------------
  void clickStandardValue(int col, int row);
  void computeTg();
  void clickSoilTypeCell(int col, int row);
  void listZones(const std::string& initial);
  void applyZone(const std::string& key);

  // --- The numeric keypad -----------------------------------------------------
  // Opens it for an edit; false (and closed) for edits it does not serve.
  bool openKeypad(const std::string& edit);
  void pressKey(const std::string& key);

  // --- Commands ----------------------------------------------------------------
  // A design-condition file; a failed load changes nothing and says why.
  // `announce` false keeps the completion note to itself (a file opened at
  // start-up from the command line); failures are always shown.
  bool load(const QString& path, bool announce = true);
  bool save(const QString& path);
  // The calculation command: input checks (warnings and blocks shown one by
  // one), then the run; the results window shows.
  RunStatus run();
  // "計算開始": hides the results window, asks to confirm the load
  // combination, runs on Yes. Returns whether it ran.
  bool confirmAndRun();
  // The exports into the current folder, each asking first.
  bool exportText();
  bool exportMetafiles();
  bool exportPdf();

  // --- Windows -------------------------------------------------------------------
  void setDesignWindowVisible(bool visible);
  // Showing runs the results window's set-up when it was hidden.
  void setResultsWindowVisible(bool visible);

  // Any other change of the document: runs `change` on the session, shows the
  // messages it added (and a conversion error it threw), then emits
  // conditionsChanged() (and resultsChanged() when `results` is true).
  void change(const std::function<void(Session&)>& change, bool results = false);

  // Shows every message added to the session since the last call.
  void showNewMessages();

  // --- The results window's own controls ------------------------------------
  // The page a page control shows (a tab chosen): view state only, no signal.
  void showResultsPage(const std::string& pageControl, const std::string& sheet);
  // A font-size track bar moved: its series' labels take the size at once.
  void moveTrackBar(const std::string& name, int position);

 signals:
  void conditionsChanged();
  void resultsChanged();
  void visibilityChanged();
  void keypadChanged();

 private:
  void proposeKhQuietly();

  Session session_;
  GuiDialogs& dialogs_;
  NumericKeypad keypad_;
  size_t shownMessages_ = 0;
};

}  // namespace kovrel::gui
