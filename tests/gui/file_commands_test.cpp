// The file commands of the main window: a loaded design-condition file shows
// every stored value in its widget, a save right after writes the same bytes,
// and a broken file changes no widget and says why.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

#include "app/conditions_file.h"
#include "app/start_up.h"
#include "conditions/control_input.h"
#include "conditions/dat_file.h"
#include "fake_dialogs.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

struct Fixture {
  const char* name;
  std::vector<std::pair<std::string, std::string>> sets;
};

// Walls that reach every kind of line: both wall types, a key, the seismic
// case with water and layers, a slope with snow and surcharge on it.
const Fixture kFixtures[] = {
    {"inverted-t",
     {{"Edit15", "19.5"},
      {"RadioGroup3", "1"},
      {"ComboBox7", "23.5"},
      {"Edit7", "6000"},
      {"Edit9", "4000"},
      {"RadioGroup16", "1"}}},
    {"l-with-key",
     {{"PageControl2", "1"},
      {"Edit48", "4700"},
      {"Edit47", "3900"},
      {"RadioGroup2", "1"},
      {"Edit35", "700"},
      {"RadioGroup14", "1"},
      {"RadioGroup15", "3"},
      {"ComboBox17", "19mm"}}},
    {"seismic-with-water",
     {{"RadioGroup5", "1"},
      {"ComboBox5", "0.16"},
      {"ComboBox6", "0.85"},
      {"Edit61", "0.14"},
      {"RadioGroup9", "2"},
      {"CheckBox3", "1"},
      {"Edit62", "1.2"},
      {"StringGrid2[1,1]", "10"},
      {"StringGrid2[2,1]", "8"},
      {"StringGrid2[3,1]", "粘性土"},
      {"Edit53", "Tg=0.20"},
      {"Edit26", "270"}}},
    {"slope",
     {{"TabControl1", "1"},
      {"RadioGroup8", "1"},
      {"CheckBox1", "1"},
      {"ComboBox1", "1.8"},
      {"CheckBox4", "1"},
      {"Edit43", "1.5"},
      {"RadioGroup4", "1"},
      {"CheckBox9", "1"},
      {"Edit54", "1.5"},
      {"CheckBox6", "1"},
      {"ComboBox4", "50"},
      {"RadioGroup10", "1"}}},
};

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QColor expectedColour(Colour c) {
  return toQColor(c);
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  std::map<std::string, Session> sources;  // the session that wrote each fixture

  QString fixturePath(const char* name) { return dir.filePath(QString(name) + ".dat"); }

  struct Running {
    testing::FakeDialogs dialogs;
    std::unique_ptr<Program> program;
    Running() {
      program = std::make_unique<Program>(&dialogs);
      program->start({"kovrel"});
    }
    DesignConditionsWindow& window() { return *program->mainWindow().designConditionsWindow(); }
    QWidget* widget(const std::string& name) { return window().binder().widget(name); }
    void load(const QString& path) {
      dialogs.openName = path;
      program->mainWindow().command("N11")->trigger();
    }
    // What every bound widget shows, as text, for comparing two moments.
    std::map<std::string, QString> snapshot() {
      std::map<std::string, QString> out;
      for (const std::string& name : window().binder().names()) {
        QWidget* w = widget(name);
        QString s = QString("enabled=%1 base=%2 text=%3 ")
                        .arg(w->isEnabled())
                        .arg(w->palette().color(QPalette::Base).name())
                        .arg(w->palette().color(QPalette::WindowText).name());
        if (auto* e = qobject_cast<QLineEdit*>(w)) s += e->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) s += c->currentText();
        if (auto* b = qobject_cast<QCheckBox*>(w)) s += QString::number(b->isChecked());
        if (auto* t = qobject_cast<QTabBar*>(w)) s += QString::number(t->currentIndex());
        if (auto* t = qobject_cast<QTabWidget*>(w)) s += QString::number(t->currentIndex());
        if (auto* g = qobject_cast<QGroupBox*>(w)) {
          for (auto* r : g->findChildren<QRadioButton*>()) s += QString::number(r->isChecked());
        }
        if (auto* t = qobject_cast<QTableWidget*>(w)) {
          for (int r = 0; r < t->rowCount(); ++r) {
            for (int c = 0; c < t->columnCount(); ++c) s += t->item(r, c)->text() + "|";
          }
        }
        out[name] = s;
      }
      out["caption"] = window().windowTitle();
      return out;
    }
  };

  // Every line of the file, read back from the widget that shows it.
  void expectWidgetsShow(Running& run, const DesignConditions& expected, const char* fixture) {
    for (const DatEntry& entry : datLayout()) {
      const std::string name = entry.control;
      const QByteArray where = QByteArray(fixture) + " " + entry.control;
      const Control& c = expected.control(name);
      QWidget* w = run.widget(name);
      QVERIFY2(w, where.constData());
      switch (entry.kind) {
        case DatEntryKind::Index:
          if (auto* g = qobject_cast<QGroupBox*>(w)) {
            auto* item =
                g->findChild<QRadioButton*>(QString("%1.%2").arg(entry.control).arg(c.index));
            QVERIFY2(item && item->isChecked(), where.constData());
          } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            QVERIFY2(bar->currentIndex() == c.index, where.constData());
          } else {
            QVERIFY2(qobject_cast<QTabWidget*>(w)->currentIndex() == c.index, where.constData());
          }
          break;
        case DatEntryKind::Text:
        case DatEntryKind::EditState: {
          QString text;
          if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
          if (auto* b = qobject_cast<QComboBox*>(w)) text = b->currentText();
          QVERIFY2(text == QString::fromStdString(c.text),
                   (where + " " + text.toUtf8()).constData());
          if (entry.kind == DatEntryKind::EditState) {
            QVERIFY2(w->isEnabled() == c.enabled, where.constData());
            QVERIFY2(w->palette().color(QPalette::Base) == expectedColour(c.colour),
                     where.constData());
          }
          break;
        }
        case DatEntryKind::CheckState: {
          auto* b = qobject_cast<QCheckBox*>(w);
          QVERIFY2(b->isChecked() == c.checked, where.constData());
          QVERIFY2(b->palette().color(QPalette::WindowText) == expectedColour(c.colour),
                   where.constData());
          break;
        }
        case DatEntryKind::Cell: {
          auto* t = qobject_cast<QTableWidget*>(w);
          const QString cell = t->item(entry.row, entry.col)->text();
          QVERIFY2(cell == QString::fromStdString(expected.cell(name, entry.col, entry.row)),
                   where.constData());
          break;
        }
      }
    }
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir.isValid());
    // Each fixture as the command line makes it: start-up, the values set
    // as a user enters them, the save command.
    for (const Fixture& f : kFixtures) {
      Session& s = sources[f.name];
      startUp(s);
      for (const auto& [name, value] : f.sets) applyControlInput(s.conditions, name, value);
      QVERIFY(saveConditions(s, fixturePath(f.name).toStdString()));
    }
  }

  void loadShowsEveryStoredValueAndSaveReproducesTheFile() {
    for (const Fixture& f : kFixtures) {
      Running run;
      run.load(fixturePath(f.name));
      QCOMPARE(run.dialogs.messageTexts(), QStringList{"設計条件を読込みました。"});
      QCOMPARE(run.window().windowTitle(), QString("設計条件 ") + f.name);
      QVERIFY(run.window().isVisible());
      QCOMPARE(run.window().loadPages()->currentIndex(), 0);
      expectWidgetsShow(run, sources[f.name].conditions, f.name);
      if (QTest::currentTestFailed()) return;

      const QString copy = dir.filePath(QString(f.name) + "-saved.dat");
      run.dialogs.saveName = copy;
      run.program->mainWindow().command("N21")->trigger();
      QCOMPARE(run.dialogs.messageTexts().back(), QString("設計条件を保存しました。"));
      const QByteArray original = readAll(fixturePath(f.name));
      QVERIFY(!original.isEmpty());
      QVERIFY2(readAll(copy) == original, f.name);
    }
  }

  // A file that stops after line 100 (the text of Edit1): nothing of it is
  // applied, every widget shows what it showed before, the message says why.
  void brokenFileChangesNoWidget() {
    QByteArray bytes = readAll(fixturePath("slope"));
    int cut = 0;
    for (int line = 0; line < 100; ++line) cut = bytes.indexOf("\r\n", cut) + 2;
    const QString broken = dir.filePath("broken.dat");
    QFile out(broken);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(cut));
    out.close();

    Running run;
    run.load(fixturePath("l-with-key"));
    run.dialogs.clear();
    const auto before = run.snapshot();
    run.load(broken);
    QCOMPARE(int(run.dialogs.messages.size()), 1);
    QVERIFY(run.dialogs.messages.front().kind == MessageKind::Error);
    const QString why = run.dialogs.messageTexts().front();
    QVERIFY2(why.contains("broken.dat") && why.contains("101"), qPrintable(why));
    const auto after = run.snapshot();
    for (const auto& [name, shown] : before) {
      QVERIFY2(after.at(name) == shown,
               (name + ": " + shown.toStdString() + " -> " + after.at(name).toStdString()).c_str());
    }
    QCOMPARE(run.program->session().session().currentFileName, std::string("l-with-key"));

    // A file that cannot be read at all says so too.
    run.dialogs.clear();
    run.load(dir.filePath("missing.dat"));
    QCOMPARE(int(run.dialogs.messages.size()), 1);
    QVERIFY(run.dialogs.messageTexts().front().contains("missing.dat"));
  }

  void cancelledDialogsDoNothing() {
    Running run;
    run.dialogs.openName.clear();
    run.dialogs.saveName.clear();
    const auto before = run.snapshot();
    run.program->mainWindow().command("N11")->trigger();
    run.program->mainWindow().command("N21")->trigger();
    QVERIFY(run.dialogs.messages.empty());
    QVERIFY(run.snapshot() == before);
  }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
