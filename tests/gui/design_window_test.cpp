// The design-conditions window driven with the mouse and the keyboard: each
// switch of the window rules changes the widgets as its rule says, typing
// reaches the model, the seismic aids and the numeric keypad work from
// their widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "fake_dialogs.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/numeric_keypad_window.h"
#include "gui/program.h"
#include "gui/seismic_page.h"
#include "gui/wall_picture_view.h"
#include "started_program.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kMaroon(128, 0, 0);
const QColor kBlack(0, 0, 0);

// An edit or combo as a rule leaves it. `colour` false for the
// reinforcement combos, which keep their background.
struct Field {
  const char* name;
  const char* text;
  bool enabled;
  bool colour = true;
};

// One click and what it must leave: fields, check boxes, picture labels.
struct RuleClick {
  const char* control;
  int value;
  std::vector<Field> fields;
  std::vector<std::pair<const char*, bool>> checks;  // box, checked
  std::vector<std::pair<const char*, bool>> labels;  // picture label, shown
};

}  // namespace

class DesignWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeDialogs> dialogs;
  std::unique_ptr<Program> program;
  DesignConditionsWindow* window = nullptr;
  GuiSession* session = nullptr;

  QWidget* widget(const char* name) { return window->binder().widget(name); }

  QString fieldText(const char* name) {
    QWidget* w = widget(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return QString("<not an edit>");
  }

  // A radio item or check box takes a click on its mark or its text, not on
  // the empty rest of its row.
  static QPoint indicator(QWidget* button) { return QPoint(8, button->height() / 2); }

  // Clicks a radio item, a check box or a tab as the user does.
  void click(const char* control, int value) {
    QWidget* w = widget(control);
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
      if (box->isChecked() != bool(value))
        QTest::mouseClick(box, Qt::LeftButton, {}, indicator(box));
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(value).center());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                        tabs->tabBar()->tabRect(value).center());
    } else {
      auto* item = window->findChild<QRadioButton*>(QString("%1.%2").arg(control).arg(value));
      QVERIFY2(item, control);
      QTest::mouseClick(item, Qt::LeftButton, {}, indicator(item));
    }
  }

  void showLoadPage(int page) {
    QTabBar* bar = window->loadPages()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
  }

  bool labelShown(const char* caption) {
    for (const char* picture : {"Image5", "Image6"}) {
      if (QLabel* l = window->picture(picture)->label(caption)) return !l->isHidden();
    }
    return false;
  }

 private slots:
  void init() {
    testing::startProgram(dialogs, program);
    window = program->mainWindow().designConditionsWindow();
    session = &program->session();
  }

  void cleanup() { testing::stopProgram(dialogs, program); }

  // Every switch of the rule table, clicked in this order; each row is
  // checked on the state the rows before it left.
  void eachSwitchChangesItsWidgets() {
    const RuleClick clicks[] = {
        {"RadioGroup1",
         1,
         {{"Edit15", "19", true},
          {"Edit14", "30", true},
          {"Edit21", "0.0", true},
          {"Edit16", "600", true}},
         {},
         {}},
        {"RadioGroup1",
         2,
         {{"Edit15", "18", true},
          {"Edit14", "25", true},
          {"Edit21", "0.0", true},
          {"Edit16", "300", true}},
         {},
         {}},
        {"RadioGroup2",
         1,
         {{"Edit35", "800", true}, {"Edit40", "500", true}, {"Edit41", "400", true}},
         {},
         {{"(1)", true}, {"(2)", true}, {"(3)", true}}},
        {"RadioGroup2",
         0,
         {{"Edit35", "0", false}, {"Edit40", "0", false}, {"Edit41", "0", false}},
         {},
         {{"(1)", false}, {"(2)", false}, {"(3)", false}}},
        {"TabControl1", 2, {{"ComboBox1", "1.0", true}, {"Edit28", "2000", true}}, {}, {}},
        {"TabControl1",
         1,
         {{"ComboBox1", "1.0", true}, {"Edit28", "0.0", false}, {"Edit1", "0.0", false}},
         {{"CheckBox1", false}},
         {}},
        {"CheckBox1", 1, {{"Edit1", "10.0", true}}, {{"CheckBox1", true}}, {}},
        // On the slope, surcharge on the flat part only cannot stay on.
        {"RadioGroup8", 1, {{"Edit1", "10.0", true}}, {{"CheckBox1", true}}, {}},
        {"RadioGroup8", 0, {{"Edit1", "0.0", false}}, {{"CheckBox1", false}}, {}},
        {"TabControl1", 0, {{"ComboBox1", "-", false}, {"Edit28", "0.0", false}}, {}, {}},
        {"CheckBox1", 1, {{"Edit1", "10.0", true}}, {{"CheckBox1", true}}, {}},
        {"CheckBox4", 1, {{"Edit43", "1.0", true}, {"Edit13", "0.35", true}}, {}, {}},
        {"CheckBox4", 0, {{"Edit43", "0.0", false}, {"Edit13", "0.0", false}}, {}, {}},
        {"CheckBox9", 1, {{"Edit54", "1.0", true}}, {}, {{"仮想地盤面 ----", true}, {"Ho", true}}},
        {"CheckBox9",
         0,
         {{"Edit54", "0.0", false}},
         {},
         {{"仮想地盤面 ----", false}, {"Ho", false}}},
        {"CheckBox3",
         1,
         {{"Edit62", "0.5", true}, {"ComboBox8", "9.8", true}},
         {{"CheckBox2", true}},
         {{"H1", true}}},
        {"CheckBox3",
         0,
         {{"Edit62", "0.0", false}, {"ComboBox8", "0.0", false}},
         {{"CheckBox2", false}},
         {{"H1", false}}},
        {"CheckBox5",
         1,
         {{"ComboBox3", "1.0", true}, {"ComboBox2", "1.0", true}},
         {},
         {{"H2", true}}},
        {"CheckBox5",
         0,
         {{"ComboBox3", "0.0", false}, {"ComboBox2", "0.0", false}},
         {},
         {{"H2", false}}},
        {"CheckBox6",
         1,
         {{"ComboBox4", "30", true}, {"ComboBox9", "0.6", true}},
         {},
         {{"H3", true}}},
        {"CheckBox6",
         0,
         {{"ComboBox4", "0.0", false}, {"ComboBox9", "0.0", false}},
         {},
         {{"H3", false}}},
        {"RadioGroup5",
         1,
         {{"Edit61", "0.12", true}, {"ComboBox5", "0.12", true}, {"ComboBox6", "1.0", true}},
         {},
         {}},
        {"RadioGroup5",
         0,
         {{"Edit61", "0.0", false}, {"ComboBox5", "0.0", false}, {"ComboBox6", "1.0", false}},
         {},
         {}},
        {"RadioGroup11", 1, {{"LabeledEdit1", "1.5", true}, {"LabeledEdit2", "1.2", true}}, {}, {}},
        {"RadioGroup11", 0, {{"LabeledEdit1", "-", false}, {"LabeledEdit2", "-", false}}, {}, {}},
    };
    int row = 0;
    for (const RuleClick& c : clicks) {
      const QByteArray where =
          QString("row %1: %2=%3").arg(row++).arg(c.control).arg(c.value).toUtf8();
      click(c.control, c.value);
      if (auto* box = qobject_cast<QCheckBox*>(widget(c.control))) {
        QVERIFY2(box->isChecked() == bool(c.value), where.constData());
        QVERIFY2(box->palette().color(QPalette::WindowText) == (c.value ? kMaroon : kBlack),
                 (where + " font").constData());
      }
      for (const Field& f : c.fields) {
        const QByteArray field = where + " " + f.name;
        QVERIFY2(fieldText(f.name) == QString::fromUtf8(f.text),
                 (field + " text " + fieldText(f.name).toUtf8()).constData());
        QVERIFY2(widget(f.name)->isEnabled() == f.enabled, field.constData());
        if (f.colour) {
          QVERIFY2(
              widget(f.name)->palette().color(QPalette::Base) == (f.enabled ? kWhite : kSilver),
              field.constData());
        }
      }
      for (const auto& [box, checked] : c.checks) {
        auto* b = qobject_cast<QCheckBox*>(widget(box));
        QVERIFY2(b->isChecked() == checked, (where + " " + box).constData());
        // The buoyancy box has no rule of its own, so no font colour either.
        if (QString(box) == "CheckBox2") continue;
        QVERIFY2(b->palette().color(QPalette::WindowText) == (checked ? kMaroon : kBlack),
                 (where + " font of " + box).constData());
      }
      for (const auto& [caption, shown] : c.labels) {
        QVERIFY2(labelShown(caption) == shown, (where + " label " + caption).constData());
      }
    }
  }

  // The switches whose rule shows or hides pages, tabs and groups.
  void switchesShowAndHidePages() {
    QTabWidget* pages = window->loadPages();
    QTabWidget* rebar = window->rebarTabs();
    QVERIFY(!pages->isTabVisible(3));
    QVERIFY(!rebar->isTabVisible(3));
    QVERIFY(!widget("RadioGroup9")->isEnabled());

    showLoadPage(1);
    click("RadioGroup5", 1);
    QVERIFY(pages->isTabVisible(3));
    QVERIFY(widget("RadioGroup9")->isEnabled());
    QVERIFY(window->seismicPage()->aidPages()->widget(0)->isEnabled());
    QCOMPARE(window->seismicPage()->zones()->palette().color(QPalette::Base), kWhite);
    click("RadioGroup5", 0);
    QVERIFY(!pages->isTabVisible(3));
    QCOMPARE(window->seismicPage()->zones()->palette().color(QPalette::Base), kSilver);

    // The shear key's reinforcement tab follows the key.
    showLoadPage(0);
    click("RadioGroup2", 1);
    QVERIFY(rebar->isTabVisible(3));
    click("RadioGroup2", 0);
    QVERIFY(!rebar->isTabVisible(3));

    // The wall type: the L-type tab and the pictures' outline.
    const int redraws = session->designWindow().pictures.redraws;
    click("PageControl2", 1);
    QCOMPARE(session->conditions().index("PageControl2"), 1);
    QVERIFY(session->designWindow().pictures.outline == OutlineCase::LType);
    QVERIFY(session->designWindow().pictures.redraws > redraws);

    // Nothing on the virtual back face: the band stops short of the heel.
    showLoadPage(1);
    click("RadioGroup4", 1);
    QCOMPARE(session->designWindow().pictures.surcharge, 3);
  }

  // The pitch and diameter combos of each member follow its choice; they
  // keep their background, only the enabled flag changes.
  void reinforcementChoicesEnableTheirCombos() {
    click("RadioGroup2", 1);
    const char* members[4][3] = {{"RadioGroup12", "ComboBox10", "ComboBox11"},
                                 {"RadioGroup13", "ComboBox12", "ComboBox13"},
                                 {"RadioGroup14", "ComboBox14", "ComboBox15"},
                                 {"RadioGroup15", "ComboBox16", "ComboBox17"}};
    const struct {
      int item;
      const char *pitch, *diameter;
    } choices[] = {{1, "150mm", "-"}, {2, "-", "16mm"}, {3, "150mm", "16mm"}, {0, "-", "-"}};
    for (const auto& m : members) {
      for (const auto& choice : choices) {
        click(m[0], choice.item);
        QCOMPARE(fieldText(m[1]), QString(choice.pitch));
        QCOMPARE(fieldText(m[2]), QString(choice.diameter));
        QCOMPARE(widget(m[1])->isEnabled(), QString(choice.pitch) != "-");
        QCOMPARE(widget(m[2])->isEnabled(), QString(choice.diameter) != "-");
      }
    }
  }

  // Typing goes to the model as typed; a radio click that selects the item
  // already chosen runs no rule.
  void typingChangesTheModel() {
    auto* edit = qobject_cast<QLineEdit*>(widget("Edit15"));
    edit->selectAll();
    QTest::keyClicks(edit, "21.5");
    QCOMPARE(session->conditions().text("Edit15"), std::string("21.5"));
    auto* combo = qobject_cast<QComboBox*>(widget("ComboBox7"));
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "23.0");
    QCOMPARE(session->conditions().text("ComboBox7"), std::string("23.0"));
    // A prefix of an item stays as typed: no completion adds to it.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "23");
    QCOMPARE(combo->currentText(), QString("23"));
    QCOMPARE(session->conditions().text("ComboBox7"), std::string("23"));
    auto* layers = window->findChild<QTableWidget*>("StringGrid2");
    layers->item(2, 1)->setText("3.5");
    QCOMPARE(session->conditions().cell("StringGrid2", 1, 2), std::string("3.5"));

    click("RadioGroup2", 1);
    auto* key = qobject_cast<QLineEdit*>(widget("Edit35"));
    key->selectAll();
    QTest::keyClicks(key, "650");
    click("RadioGroup2", 1);
    QCOMPARE(fieldText("Edit35"), QString("650"));
  }

  void seismicAidsWorkFromTheirWidgets() {
    showLoadPage(1);
    click("RadioGroup5", 1);
    showLoadPage(3);
    SeismicPage* page = window->seismicPage();
    // The standard-value table: a data cell becomes kh0 and kh follows.
    QTableWidget* standard = page->standardValues();
    QTest::mouseClick(standard->viewport(), Qt::LeftButton, {},
                      standard->visualRect(standard->model()->index(2, 2)).center());
    QCOMPARE(fieldText("ComboBox5"), QString("0.20"));
    QCOMPARE(fieldText("Edit61"), QString("0.20"));
    // kh0 typed: kh is proposed after each key.
    auto* kh0 = qobject_cast<QComboBox*>(widget("ComboBox5"));
    kh0->lineEdit()->selectAll();
    QTest::keyClicks(kh0->lineEdit(), "0.15");
    QCOMPARE(fieldText("Edit61"), QString("0.15"));
    // A zone: its municipalities, its factor and the proposal.
    page->aidPages()->setCurrentIndex(1);
    QTest::mouseClick(window->findChild<QPushButton*>("initial.か"), Qt::LeftButton);
    QCOMPARE(page->zones()->count(), 5);
    QListWidget* zones = page->zones();
    QListWidgetItem* kagoshima = zones->findItems("鹿児島県C", Qt::MatchExactly).value(0);
    QVERIFY(kagoshima);
    QTest::mouseClick(zones->viewport(), Qt::LeftButton, {},
                      zones->visualItemRect(kagoshima).center());
    QCOMPARE(fieldText("ComboBox6"), QString("0.7"));
    QCOMPARE(fieldText("Edit61"), QString("0.11"));
    QCOMPARE(page->municipalities()->count(), 1);
    QCOMPARE(page->municipalities()->item(0)->text(), QString("名瀬市大島郡以外"));

    // Tg from one cohesive layer 10 m thick with N = 8.
    page->aidPages()->setCurrentIndex(0);
    auto* layers = window->findChild<QTableWidget*>("StringGrid2");
    layers->item(1, 1)->setText("10");
    layers->item(1, 2)->setText("8");
    const QPoint soilCell = layers->visualRect(layers->model()->index(1, 3)).center();
    QTest::mouseClick(layers->viewport(), Qt::LeftButton, {}, soilCell);
    QCOMPARE(layers->item(1, 3)->text(), QString("砂質土"));
    QTest::mouseClick(layers->viewport(), Qt::LeftButton, {}, soilCell);
    QCOMPARE(layers->item(1, 3)->text(), QString("粘性土"));
    QTest::mouseClick(window->findChild<QPushButton*>("特性値（Tg）計算"), Qt::LeftButton);
    QCOMPARE(fieldText("Edit53"), QString("Tg=0.20"));
    QVERIFY(dialogs->messages.empty());

    // A kh0 that is no number: no box while typing, one when leaving it.
    kh0->lineEdit()->selectAll();
    QTest::keyClicks(kh0->lineEdit(), "x");
    QVERIFY(dialogs->messages.empty());
    QCOMPARE(fieldText("Edit61"), QString("0.11"));
    emit kh0->lineEdit()->editingFinished();
    QCOMPARE(int(dialogs->messages.size()), 1);
    QVERIFY(dialogs->messageTexts().front().contains("ComboBox5"));
  }

  // The keypad opens below the clicked edit without taking the focus,
  // types, and "転記" writes into the edit and the model.
  void numericKeypadTransfersWithoutTakingTheFocus() {
    NumericKeypadWindow* keypad = program->mainWindow().keypadWindow();
    auto* edit = qobject_cast<QLineEdit*>(widget("Edit14"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(keypad->isVisible());
    QVERIFY(keypad->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(keypad->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(edit->hasFocus());
    QCOMPARE(QApplication::activeWindow(), window);
    const QPoint below = edit->mapToGlobal(QPoint(0, edit->height()));
    QVERIFY(keypad->pos().y() >= below.y());
    QCOMPARE(keypad->pos().x(), below.x());
    for (const char* key : {"3", "2", ".", "5"})
      QTest::mouseClick(keypad->key(key), Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    QCOMPARE(keypad->display()->text(), QString("32.5"));
    QTest::mouseClick(keypad->key("転記"), Qt::LeftButton);
    QCOMPARE(edit->text(), QString("32.5"));
    QCOMPARE(session->conditions().text("Edit14"), std::string("32.5"));
    QVERIFY(!keypad->isVisible());

    // Closed by its frame, it cancels: the next transfer writes nothing typed before.
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(keypad->key("7"), Qt::LeftButton);
    keypad->close();
    QVERIFY(!session->keypad().isOpen());
    QCOMPARE(session->keypad().text(), std::string());
    QCOMPARE(edit->text(), QString("32.5"));

    // A disabled edit and the kh result do not open it.
    QTest::mouseClick(widget("Edit28"), Qt::LeftButton);
    QVERIFY(!keypad->isVisible());
  }

  void buttonsShowTheirWindowsAndMessages() {
    QTest::mouseClick(window->button("δ説明"), Qt::LeftButton);
    QCOMPARE(int(dialogs->messages.size()), 1);
    QVERIFY(
        dialogs->messageTexts().front().startsWith("壁面摩擦角δは\n土とコンクリートが接する場合"));
    QTest::mouseClick(window->button("地盤定数一覧表"), Qt::LeftButton);
    QVERIFY(program->mainWindow().findChild<QWidget*>("Form4")->isVisible());
    QTest::mouseClick(window->button("許容応力度"), Qt::LeftButton);
    QVERIFY(program->mainWindow().findChild<QWidget*>("Form9")->isVisible());
  }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
