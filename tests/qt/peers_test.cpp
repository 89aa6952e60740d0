// The peers on a form built in code: user input reaches the model through its
// entry points, and the widgets show what the model holds.
#include "ui/qt/peers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cctype>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "ui/qt/themes.h"
#include "ui/qt/widgets.h"
#include "vcl/forms.h"

namespace trellis::desktop {
namespace {

using testing::ScopedConfig;

class CodeForm : public vcl::TForm {
 public:
  CodeForm() : vcl::TForm("TCodeForm") {
    Name = "CodeForm";
    SetClientSize(400, 300);
  }
  template <class T>
  T& Add(const std::string& name, vcl::TControl& parent, int left, int top, int width, int height) {
    auto made = std::make_unique<T>();
    T& control = *made;
    control.Name = name;
    Adopt(std::move(made));
    control.SetParent(&parent);
    control.SetBounds(left, top, width, height);
    return control;
  }
  template <class T>
  T& AddComponent(const std::string& name) {
    auto made = std::make_unique<T>();
    T& component = *made;
    component.Name = name;
    Adopt(std::move(made));
    return component;
  }
};

class Peers : public ::testing::Test {
 protected:
  Peers() : app(platform) {}
  // Builds the window and shows the form, as the program would.
  void Render() {
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build({&form});
    form.Show();
    QApplication::processEvents();
  }
  // Renders and makes the window the active one, for keys and focus; false
  // where the platform activates no window.
  bool RenderActive() {
    Render();
    QWidget* window = renderer->Window(form);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
  }
  template <class W>
  W* WidgetOf(const vcl::TControl& control) {
    return dynamic_cast<W*>(renderer->WidgetOf(control));
  }

  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app;
  CodeForm form;
  std::unique_ptr<QtRenderer> renderer;  // goes before the form it shows
};

TEST_F(Peers, TypingReachesTheEditAndCodeChangesDoNotComeBack) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  int changes = 0;
  edit.OnChange = [&](vcl::TObject*) { ++changes; };
  Render();
  auto* line = WidgetOf<QLineEdit>(edit);
  ASSERT_NE(line, nullptr);

  QTest::keyClicks(line, "12");
  EXPECT_EQ(edit.Text(), "12");
  EXPECT_EQ(changes, 2);

  edit.SetText("7");
  EXPECT_EQ(line->text(), "7");
  EXPECT_EQ(changes, 3);

  edit.SetReadOnly(true);
  QTest::keyClicks(line, "9");
  EXPECT_EQ(edit.Text(), "7");
  EXPECT_TRUE(line->isReadOnly());
}

// The length limit counts characters, as the model does: a character beyond
// the basic plane is one, never cut in half; what passes the limit is dropped
// where it was typed.
TEST_F(Peers, TypingStopsAtTheLimitInCharacters) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 160, 21);
  edit.SetMaxLength(8);
  Render();
  auto* line = WidgetOf<QLineEdit>(edit);
  ASSERT_NE(line, nullptr);
  struct Case {
    const char* before;
    int caret;
    const char* typed;
    const char* after;
  } cases[] = {
      {"", 0, "１２３", "１２３"},      {"", 0, "１２３４５６７８９", "１２３４５６７８"},
      {"", 0, "𝟏𝟐𝟑𝟒𝟓𝟔𝟕𝟖𝟗", "𝟏𝟐𝟑𝟒𝟓𝟔𝟕𝟖"}, {"ab", 2, "𝟏𝟐𝟑𝟒𝟓𝟔𝟕", "ab𝟏𝟐𝟑𝟒𝟓𝟔"},
      {"abcdef", 3, "XYZ", "abcXYdef"}, {"abcdefgh", 2, "X", "abcdefgh"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    edit.SetText(c.before);
    line->setCursorPosition(c.caret);
    line->insert(QString::fromUtf8(c.typed));
    EXPECT_EQ(line->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(edit.Text(), c.after);
  }
}

TEST_F(Peers, ClickIntoAnEditRunsItsClickAndTypingGoesOn) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  edit.SetText("100");
  int clicks = 0;
  edit.OnClick = [&](vcl::TObject*) {
    ++clicks;
    edit.SetText("");
  };
  Render();
  auto* line = WidgetOf<QLineEdit>(edit);
  QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(6, line->height() / 2));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(line->text(), "");
  QTest::keyClicks(line, "85");
  EXPECT_EQ(edit.Text(), "85");
  QTest::mouseClick(line, Qt::RightButton, {}, QPoint(6, line->height() / 2));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Peers, EnterInAnEditIsAReturnKeyPress) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  edit.SetText("5");
  std::string pressed;
  edit.OnKeyPress = [&](vcl::TObject*, char& key) { pressed += key; };
  Render();
  auto* line = WidgetOf<QLineEdit>(edit);
  QTest::keyClick(line, Qt::Key_Return);
  QTest::keyClick(line, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(pressed, "\r\r");
  EXPECT_EQ(edit.Text(), "5");
}

// A line pasted into a box with its end, or several lines: the box and the
// model keep the first line alone.
TEST_F(Peers, APastedLineKeepsItsFirstLine) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  edit.SetText("20");
  Render();
  auto* line = WidgetOf<QLineEdit>(edit);
  ASSERT_NE(line, nullptr);
  const std::pair<const char*, const char*> cases[] = {
      {"25\n", "25"}, {"25\r\n", "25"}, {"25\r", "25"}, {"25\n30\n", "25"}, {"\n25", ""}};
  for (const auto& [pasted, kept] : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(pasted)));
    QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
    line->selectAll();
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), kept);
    EXPECT_EQ(line->text().toStdString(), kept);
  }
}

// Enter and the keypad's Enter press a focused button as Space does; with
// Ctrl or Alt, or held down, they press nothing.
TEST_F(Peers, EnterPressesAFocusedButton) {
  auto& button = form.Add<vcl::TButton>("Button1", form, 10, 10, 75, 25);
  auto& bit = form.Add<vcl::TBitBtn>("BitBtn1", form, 100, 10, 75, 25);
  auto& group = form.Add<vcl::TButtonGroup>("ButtonGroup1", form, 10, 50, 120, 100);
  group.Items().Assign({"Gerber", "Drill", "Netlist"});
  int clicks = 0, bitClicks = 0, groupClicks = 0;
  button.OnClick = [&](vcl::TObject*) { ++clicks; };
  bit.OnClick = [&](vcl::TObject*) { ++bitClicks; };
  group.OnButtonClicked = [&](vcl::TObject*) { ++groupClicks; };
  Render();
  auto* push = WidgetOf<QPushButton>(button);
  auto* bitPush = WidgetOf<QPushButton>(bit);
  ASSERT_NE(push, nullptr);
  ASSERT_NE(bitPush, nullptr);
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    bool repeat;
    int presses;
  } cases[] = {
      {Qt::Key_Return, {}, false, 1},
      {Qt::Key_Enter, Qt::KeypadModifier, false, 1},
      {Qt::Key_Space, {}, false, 1},
      {Qt::Key_Return, Qt::ControlModifier, false, 0},
      {Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, false, 0},
      {Qt::Key_Return, {}, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << QKeySequence(c.key | c.mods).toString().toStdString()
                                      << (c.repeat ? ", held" : ""));
    clicks = bitClicks = 0;
    if (c.repeat) {
      QKeyEvent held(QEvent::KeyPress, c.key, c.mods, QString(), true);
      QApplication::sendEvent(push, &held);
      QApplication::sendEvent(bitPush, &held);
    } else {
      QTest::keyClick(push, c.key, c.mods);
      QTest::keyClick(bitPush, c.key, c.mods);
    }
    EXPECT_EQ(clicks, c.presses);
    EXPECT_EQ(bitClicks, c.presses);
  }
  // A button of a button group picks its item.
  std::vector<QPushButton*> items;
  for (QPushButton* b : renderer->WidgetOf(group)->findChildren<QPushButton*>())
    if (b->text() == "Drill") items.push_back(b);
  ASSERT_EQ(items.size(), 1u);
  QTest::keyClick(items.front(), Qt::Key_Return);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(groupClicks, 1);
}

TEST_F(Peers, FocusMovingToAnotherControlIsTheEditsExit) {
  auto& first = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  auto& second = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 80, 21);
  int exits = 0;
  first.OnExit = [&](vcl::TObject*) { ++exits; };
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  WidgetOf<QLineEdit>(first)->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(WidgetOf<QLineEdit>(first), Qt::Key_Tab);
  EXPECT_TRUE(WidgetOf<QLineEdit>(second)->hasFocus());
  EXPECT_EQ(exits, 1);
}

// Shift+Tab, and the Backtab X11 gives for it, go back one control; with Ctrl
// the key is the calculators', never a move between controls.
TEST_F(Peers, CtrlBacktabMovesNoFocus) {
  auto& first = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  auto& second = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 80, 21);
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    bool back;
  } cases[] = {
      {Qt::Key_Tab, Qt::ShiftModifier, true},
      {Qt::Key_Backtab, Qt::ShiftModifier, true},
      {Qt::Key_Backtab, {}, true},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, false},
      {Qt::Key_Backtab, Qt::ControlModifier, false},
      {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key | c.mods).toString().toStdString());
    WidgetOf<QLineEdit>(second)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(WidgetOf<QLineEdit>(second), c.key, c.mods);
    EXPECT_TRUE(WidgetOf<QLineEdit>(c.back ? first : second)->hasFocus());
  }
}

// A box narrower than its text: the program's text shows from its start, as
// a box of its first characters does; the user's typing keeps the caret.
TEST_F(Peers, TextTheProgramSetsShowsItsStart) {
  auto& longer = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 60, 21);
  auto& start = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 60, 21);
  auto& typed = form.Add<vcl::TEdit>("Edit3", form, 10, 70, 60, 21);
  auto& combo = form.Add<vcl::TComboBox>("ComboBox1", form, 10, 100, 60, 21);
  combo.Style = vcl::TComboBoxStyle::csDropDown;
  typed.OnChange = [&](vcl::TObject*) {
    std::string upper = typed.Text();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    typed.SetText(upper);
  };
  Render();
  auto* line = WidgetOf<QLineEdit>(longer);
  longer.SetText("50000000.0000");
  start.SetText("500");
  // No caret in either picture.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  ASSERT_GT(line->fontMetrics().horizontalAdvance(line->text()), line->width());
  const QImage shown = line->grab().toImage();
  const QImage first = WidgetOf<QLineEdit>(start)->grab().toImage();
  ASSERT_EQ(shown.size(), first.size());
  // Up to the end of "500" where it is drawn, no further.
  const QRect drawn(0, 0, line->fontMetrics().horizontalAdvance("500"), line->height());
  EXPECT_EQ(shown.copy(drawn), first.copy(drawn));

  combo.SetText("50000000.0000");
  EXPECT_EQ(WidgetOf<QComboBox>(combo)->lineEdit()->cursorPosition(), 0);

  // Typed into the middle; the handler's rewrite keeps the caret after the letter.
  auto* box = WidgetOf<QLineEdit>(typed);
  typed.SetText("AC");
  box->setCursorPosition(1);
  QTest::keyClicks(box, "b");
  EXPECT_EQ(box->text(), "ABC");
  EXPECT_EQ(box->cursorPosition(), 2);
  // Typed past the width, the caret and the view stay at the typing.
  box->setCursorPosition(3);
  QTest::keyClicks(box, "defghijklmnop");
  EXPECT_EQ(box->cursorPosition(), 16);
}

// Tab selects a box's whole text, which leaves it showing its end; a result
// box shows its start again once the focus moves on, while a box the user
// types in keeps the caret where the user left it.
TEST_F(Peers, AResultBoxShowsItsStartOnceTheFocusLeavesIt) {
  auto& input = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 60, 21);
  auto& result = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 60, 21);
  auto& typed = form.Add<vcl::TEdit>("Edit3", form, 10, 70, 60, 21);
  auto& start = form.Add<vcl::TEdit>("Edit4", form, 10, 100, 60, 21);
  result.SetReadOnly(true);
  start.SetReadOnly(true);
  input.TabOrder = 0;
  result.TabOrder = 1;
  typed.TabOrder = 2;
  start.TabStop = false;
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  auto* line = WidgetOf<QLineEdit>(result);
  auto* box = WidgetOf<QLineEdit>(typed);
  result.SetText("50000000.0000");
  typed.SetText("1234567890.12345");
  start.SetText("500");
  ASSERT_GT(line->fontMetrics().horizontalAdvance(line->text()), line->width());

  struct Case {
    const char* leaving;
    Qt::FocusReason reason;
    bool home;  // the result box shows its start afterwards
  };
  for (const Case& c : {Case{"by Tab", Qt::TabFocusReason, true},
                        Case{"by a click elsewhere", Qt::MouseFocusReason, true},
                        Case{"to the menu bar", Qt::MenuBarFocusReason, true},
                        Case{"to another window", Qt::ActiveWindowFocusReason, true},
                        // The selection stays for the context menu's Copy.
                        Case{"to a context menu", Qt::PopupFocusReason, false}}) {
    SCOPED_TRACE(c.leaving);
    WidgetOf<QLineEdit>(input)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(WidgetOf<QLineEdit>(input), Qt::Key_Tab);
    ASSERT_TRUE(line->hasFocus());
    ASSERT_EQ(line->selectedText(), line->text());
    if (c.reason == Qt::TabFocusReason)
      QTest::keyClick(line, Qt::Key_Tab);
    else
      box->setFocus(c.reason);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(line->cursorPosition(), c.home ? 0 : line->text().size());
    EXPECT_EQ(line->hasSelectedText(), !c.home);
    if (c.home) {
      // Drawn as the box of the text's first characters is, up to their end.
      const QImage shown = line->grab().toImage();
      const QImage first = WidgetOf<QLineEdit>(start)->grab().toImage();
      const QRect drawn(0, 0, line->fontMetrics().horizontalAdvance("500"), line->height());
      EXPECT_EQ(shown.copy(drawn), first.copy(drawn));
    }
  }

  // The caret the user puts in a box of input stays where it was.
  box->setFocus(Qt::OtherFocusReason);
  box->setCursorPosition(12);
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_FALSE(box->hasFocus());
  EXPECT_EQ(box->cursorPosition(), 12);
}

TEST_F(Peers, RadioGroupShowsNoChoiceUntilOneIsClicked) {
  auto& group = form.Add<vcl::TRadioGroup>("RadioGroup1", form, 10, 10, 200, 62);
  group.Columns = 2;
  group.Items().Assign({"Bare", "0.5oz", "1oz"});
  int clicks = 0;
  group.OnClick = [&](vcl::TObject*) { ++clicks; };
  Render();
  auto radios = WidgetOf<QGroupBox>(group)->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  for (QRadioButton* r : radios) EXPECT_FALSE(r->isChecked());
  // Down the first column, then the second.
  EXPECT_EQ(radios[1]->x(), radios[0]->x());
  EXPECT_GT(radios[2]->x(), radios[0]->x());

  // On the button's mark: only the mark and the text take a click.
  auto clickOn = [](QRadioButton* r) {
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
  };
  clickOn(radios[2]);
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(radios[2]->isChecked());

  // Items rebuilt inside the click on one of them drop the selection.
  group.OnClick = [&](vcl::TObject*) {
    group.Items().Clear();
    group.Items().Add("35um");
    group.Items().Add("70um");
  };
  clickOn(radios[0]);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(group.ItemIndex(), -1);
  auto rebuilt = WidgetOf<QGroupBox>(group)->findChildren<QRadioButton*>();
  ASSERT_EQ(rebuilt.size(), 2);
  EXPECT_EQ(rebuilt[0]->text(), "35um");
  for (QRadioButton* r : rebuilt) EXPECT_FALSE(r->isChecked());
}

TEST_F(Peers, RefilledRadioGroupRebuildsItsButtonsOnce) {
  auto& group = form.Add<vcl::TRadioGroup>("RadioGroup1", form, 10, 10, 200, 250);
  group.Items().Assign({"Bare PCB", "0.5oz", "1oz"});
  Render();
  auto* box = WidgetOf<QGroupBox>(group);
  const auto rebuilds = [&] { return box->property(kItemRebuildsProperty).toInt(); };
  const auto shown = [&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return box->findChildren<QRadioButton*>();
  };

  struct Case {
    int items;
    int index;  // chosen after the refill; -1: none
  };
  for (const Case c : {Case{7, -1}, Case{7, 3}, Case{1, 0}, Case{40, 39}, Case{2, -1}}) {
    SCOPED_TRACE(::testing::Message() << c.items << " items, index " << c.index);
    const int before = rebuilds();
    group.Items().Clear();
    for (int i = 0; i < c.items; ++i) group.Items().Add("item " + std::to_string(i));
    if (c.index >= 0) {
      group.SetItemIndex(c.index);
      // Showing the choice needs the buttons: they are there at once.
      EXPECT_EQ(rebuilds(), before + 1);
    }
    QApplication::processEvents();
    EXPECT_EQ(rebuilds(), before + 1);
    const auto radios = shown();
    ASSERT_EQ(radios.size(), c.items);
    for (int i = 0; i < c.items; ++i) {
      EXPECT_EQ(radios[i]->text().toStdString(), "item " + std::to_string(i));
      EXPECT_EQ(radios[i]->isChecked(), i == c.index);
      EXPECT_TRUE(radios[i]->isVisibleTo(box));
    }
    // Down one column, each below the last.
    for (int i = 1; i < c.items; ++i) EXPECT_GT(radios[i]->y(), radios[i - 1]->y());
  }

  // A whole assignment is one change and one rebuild too.
  const int before = rebuilds();
  group.Items().Assign({"35um", "70um"});
  QApplication::processEvents();
  EXPECT_EQ(rebuilds(), before + 1);
  ASSERT_EQ(shown().size(), 2);
  EXPECT_EQ(shown()[1]->text(), "70um");
}

TEST_F(Peers, TabPicksGoThroughTheModel) {
  auto& tabs = form.Add<vcl::TTabControl>("TabControl1", form, 0, 0, 400, 48);
  tabs.MultiLine = true;
  tabs.Tabs().Assign({"Bandwidth && Length", "Impedance", "Spacing"});
  tabs.SetTabIndex(0);
  bool allow = true;
  int changes = 0;
  tabs.OnChanging = [&](vcl::TObject*, bool& allowChange) { allowChange = allow; };
  tabs.OnChange = [&](vcl::TObject*) { ++changes; };
  Render();
  auto* strip = WidgetOf<TabStrip>(tabs);
  ASSERT_NE(strip, nullptr);

  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->TabRect(2).center());
  EXPECT_EQ(tabs.TabIndex(), 2);
  EXPECT_EQ(changes, 1);

  allow = false;
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->TabRect(1).center());
  EXPECT_EQ(tabs.TabIndex(), 2);
  EXPECT_EQ(changes, 1);

  // Code moves the tab without an event.
  tabs.SetTabIndex(1);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(strip->TabRect(1).isEmpty());
}

// Keys pick a tab as a click does, through the model. The arrows on a focused
// strip stop at the ends; Ctrl+Tab and Ctrl+Shift+Tab go round them, from
// anywhere in the window for the window's own strip, and a focused strip in a
// panel takes them for itself. A refused pick, a hidden or a disabled strip
// changes nothing.
TEST_F(Peers, TabStripKeysPickThroughTheModel) {
  auto& tabs = form.Add<vcl::TTabControl>("TabControl1", form, 0, 0, 400, 48);
  tabs.Tabs().Assign({"Bandwidth", "Impedance", "Spacing"});
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 60, 80, 21);
  auto& panel = form.Add<vcl::TPanel>("Panel1", form, 0, 100, 400, 150);
  auto& inner = form.Add<vcl::TTabControl>("TabControl2", panel, 4, 4, 300, 100);
  inner.Tabs().Assign({"LED Bias", "R Series", "R Parallel"});
  bool allow = true;
  int changes = 0, innerChanges = 0;
  tabs.OnChanging = [&](vcl::TObject*, bool& allowChange) { allowChange = allow; };
  tabs.OnChange = [&](vcl::TObject*) { ++changes; };
  inner.OnChange = [&](vcl::TObject*) { ++innerChanges; };
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  auto* strip = WidgetOf<TabStrip>(tabs);
  auto* innerStrip = WidgetOf<TabStrip>(inner);
  ASSERT_NE(strip, nullptr);
  ASSERT_NE(innerStrip, nullptr);

  enum Change { None, Refused, Hidden, Disabled };
  constexpr auto kCtrl = Qt::ControlModifier;
  constexpr auto kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  struct Case {
    vcl::TControl* focus;
    int from, innerFrom;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    Change change;
    int to, innerTo;
  } cases[] = {
      {&tabs, 0, 0, Qt::Key_Right, {}, None, 1, 0},
      {&tabs, 1, 0, Qt::Key_Down, {}, None, 2, 0},
      {&tabs, 2, 0, Qt::Key_Right, {}, None, 2, 0},
      {&tabs, 1, 0, Qt::Key_Left, {}, None, 0, 0},
      {&tabs, 1, 0, Qt::Key_Up, {}, None, 0, 0},
      {&tabs, 0, 0, Qt::Key_Left, {}, None, 0, 0},
      {&tabs, 2, 0, Qt::Key_Tab, kCtrl, None, 0, 0},
      {&tabs, 0, 0, Qt::Key_Tab, kCtrlShift, None, 2, 0},
      {&edit, 1, 0, Qt::Key_Tab, kCtrl, None, 2, 0},
      {&edit, 2, 0, Qt::Key_Tab, kCtrl, None, 0, 0},
      {&edit, 0, 0, Qt::Key_Tab, kCtrlShift, None, 2, 0},
      // X11 reports Shift+Tab as Backtab.
      {&edit, 0, 0, Qt::Key_Backtab, kCtrlShift, None, 2, 0},
      {&inner, 0, 0, Qt::Key_Tab, kCtrl, None, 0, 1},
      {&inner, 0, 2, Qt::Key_Tab, kCtrl, None, 0, 0},
      {&inner, 0, 0, Qt::Key_Tab, kCtrlShift, None, 0, 2},
      {&inner, 0, 1, Qt::Key_Right, {}, None, 0, 2},
      {&tabs, 0, 0, Qt::Key_Right, {}, Refused, 0, 0},
      {&edit, 0, 0, Qt::Key_Tab, kCtrl, Refused, 0, 0},
      {&edit, 0, 0, Qt::Key_Tab, kCtrl, Hidden, 0, 0},
      {&edit, 0, 0, Qt::Key_Tab, kCtrl, Disabled, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.focus->Name << " from " << c.from << "/" << c.innerFrom << ", "
                 << QKeySequence(c.key | c.mods).toString().toStdString() << ", change "
                 << c.change);
    tabs.SetTabIndex(c.from);
    inner.SetTabIndex(c.innerFrom);
    allow = c.change != Refused;
    tabs.SetVisible(c.change != Hidden);
    tabs.SetEnabled(c.change != Disabled);
    QApplication::processEvents();
    renderer->WidgetOf(*c.focus)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(renderer->WidgetOf(*c.focus)->hasFocus());
    changes = innerChanges = 0;
    QTest::keyClick(QApplication::focusWidget(), c.key, c.mods);
    EXPECT_EQ(tabs.TabIndex(), c.to);
    EXPECT_EQ(inner.TabIndex(), c.innerTo);
    EXPECT_EQ(changes, c.to != c.from ? 1 : 0);
    EXPECT_EQ(innerChanges, c.innerTo != c.innerFrom ? 1 : 0);
    // The strips show what the model holds, and the focus stays where it was.
    EXPECT_EQ(strip->Current(), tabs.TabIndex());
    EXPECT_EQ(innerStrip->Current(), inner.TabIndex());
    EXPECT_TRUE(renderer->WidgetOf(*c.focus)->hasFocus());
  }
}

// A focused strip marks its current tab with the style's focus rectangle, and
// no other tab, once the keyboard is in use: reached by Shift+Tab, or holding
// the window's focus and given a key (here one that moves nothing).
TEST_F(Peers, FocusedStripMarksItsCurrentTab) {
  auto& tabs = form.Add<vcl::TTabControl>("TabControl1", form, 0, 0, 400, 48);
  tabs.Tabs().Assign({"Bandwidth", "Impedance", "Spacing"});
  tabs.SetTabIndex(2);
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 60, 80, 21);
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  auto* strip = WidgetOf<TabStrip>(tabs);
  auto* line = WidgetOf<QLineEdit>(edit);
  ASSERT_NE(strip, nullptr);
  struct Arrival {
    const char* how;
    std::function<void()> arrive;
  } arrivals[] = {
      {"Shift+Tab", [&] { QTest::keyClick(line, Qt::Key_Backtab, Qt::ShiftModifier); }},
      {"a key",
       [&] {
         strip->setFocus(Qt::ActiveWindowFocusReason);
         QTest::keyClick(strip, Qt::Key_Right);
       }},
  };
  for (const Arrival& a : arrivals) {
    SCOPED_TRACE(a.how);
    // A window that has seen no key yet.
    renderer->Window(form)->setAttribute(Qt::WA_KeyboardFocusChange, false);
    line->setFocus(Qt::OtherFocusReason);
    const QImage plain = strip->grab().toImage();
    a.arrive();
    ASSERT_TRUE(strip->hasFocus());
    ASSERT_EQ(tabs.TabIndex(), 2);
    const QImage focused = strip->grab().toImage();
    ASSERT_EQ(plain.size(), focused.size());
    const QRect current = strip->TabRect(2);
    int inside = 0, outside = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x)
        if (plain.pixel(x, y) != focused.pixel(x, y)) ++(current.contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
  }
}

// The mark of a focused strip stands out from its tab in every theme: a frame
// round the caption at a contrast of 3 : 1 at least.
TEST_F(Peers, FocusedStripsMarkIsPlainInEveryTheme) {
  auto& tabs = form.Add<vcl::TTabControl>("TabControl1", form, 0, 0, 400, 48);
  tabs.Tabs().Assign({"Bandwidth", "Impedance", "Spacing"});
  tabs.SetTabIndex(1);
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  auto* strip = WidgetOf<TabStrip>(tabs);
  ASSERT_NE(strip, nullptr);
  // Relative luminance and contrast as the accessibility guidelines define them.
  auto luminance = [](QRgb rgb) {
    auto channel = [](int c) {
      const double v = c / 255.0;
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
  };
  auto contrast = [&](QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  };
  const std::string before = CurrentDesktopTheme();
  for (const char* theme :
       {"Windows", "Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows10"}) {
    SCOPED_TRACE(theme);
    ApplyDesktopTheme(theme);
    strip->clearFocus();
    QApplication::processEvents();
    const QImage plain = strip->grab().toImage();
    strip->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(strip->hasFocus());
    const QImage focused = strip->grab().toImage();
    ASSERT_EQ(plain.size(), focused.size());
    // Each pixel of the mark against what it covers.
    const QRect tab = strip->TabRect(1);
    int clear = 0;
    for (int y = tab.top(); y <= tab.bottom(); ++y)
      for (int x = tab.left(); x <= tab.right(); ++x)
        if (contrast(plain.pixel(x, y), focused.pixel(x, y)) >= 3.0) ++clear;
    // At least a line round the caption, inside the tab's bevel.
    EXPECT_GE(clear, 2 * (tab.width() - 8) + 2 * (tab.height() - 8));
  }
  ApplyDesktopTheme(before);
}

TEST_F(Peers, TabsWrapOntoRowsThatFillTheWidth) {
  auto& tabs = form.Add<vcl::TTabControl>("TabControl1", form, 0, 0, 400, 48);
  tabs.MultiLine = true;
  tabs.Tabs().Assign({"Bandwidth && Max Conductor Length", "Conductor Impedance",
                      "Conductor Properties", "Conversion Calculator"});
  tabs.SetTabIndex(0);
  Render();
  auto* strip = WidgetOf<TabStrip>(tabs);
  ASSERT_GE(strip->RowCount(), 2);
  // The current tab's row lies next to the body, below the others.
  EXPECT_GT(strip->TabRect(0).top(), strip->TabRect(3).top());
  for (int i = 0; i < 4; ++i) EXPECT_LE(strip->TabRect(i).right(), strip->width()) << i;
}

TEST_F(Peers, CheckBoxClickTogglesTheModelOnce) {
  auto& box = form.Add<vcl::TCheckBox>("CheckBox1", form, 10, 10, 120, 17);
  box.SetCaption("Derating");
  int clicks = 0;
  box.OnClick = [&](vcl::TObject*) { ++clicks; };
  Render();
  auto* check = WidgetOf<QCheckBox>(box);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(clicks, 1);
  box.SetChecked(false);
  EXPECT_FALSE(check->isChecked());
}

TEST_F(Peers, ComboChoiceRunsItsChangeButCodeDoesNot) {
  auto& combo = form.Add<vcl::TComboBox>("ComboBox1", form, 10, 10, 150, 21);
  combo.Items().Assign({"FR-4 STD", "Polyimide", "Custom"});
  combo.SetItemIndex(1);
  int changes = 0;
  combo.OnChange = [&](vcl::TObject*) { ++changes; };
  Render();
  auto* box = WidgetOf<QComboBox>(combo);
  EXPECT_EQ(box->currentIndex(), 1);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
  combo.SetItemIndex(0);
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(Peers, UpDownArrowsStepTheirEdit) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 48, 21);
  auto& updown = form.Add<vcl::TUpDown>("UpDown1", form, 58, 10, 17, 21);
  updown.SetRange(0, 300);
  updown.Associate = &edit;
  edit.SetText("20");
  Render();
  auto* arrows = WidgetOf<UpDownButtons>(updown);
  ASSERT_NE(arrows, nullptr);
  QTest::mouseClick(arrows->Up(), Qt::LeftButton);
  EXPECT_EQ(edit.Text(), "21");
  QTest::mouseClick(arrows->Down(), Qt::LeftButton);
  QTest::mouseClick(arrows->Down(), Qt::LeftButton);
  EXPECT_EQ(edit.Text(), "19");
  EXPECT_EQ(WidgetOf<QLineEdit>(edit)->text(), "19");
}

// Up and Down in the box a spin button is paired with step it exactly as a
// click on that arrow does; in another box, or with Shift, they step nothing.
TEST_F(Peers, ArrowKeysStepThePairedSpinButtonAsItsArrowsDo) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 48, 21);
  auto& updown = form.Add<vcl::TUpDown>("UpDown1", form, 58, 10, 17, 21);
  auto& other = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 48, 21);
  updown.SetRange(0, 300);
  updown.Associate = &edit;
  other.SetText("5");
  std::vector<std::string> events;
  updown.OnChanging = [&](vcl::TObject*, bool&) { events.push_back("changing " + edit.Text()); };
  updown.OnClick = [&](vcl::TObject*, vcl::TUDBtnType button) {
    events.push_back((button == vcl::TUDBtnType::btNext ? "next " : "prev ") + edit.Text());
  };
  edit.OnChange = [&](vcl::TObject*) { events.push_back("change " + edit.Text()); };
  Render();
  auto* arrows = WidgetOf<UpDownButtons>(updown);
  auto* line = WidgetOf<QLineEdit>(edit);
  ASSERT_NE(arrows, nullptr);
  // What each arrow does when clicked, from "20".
  std::vector<std::string> clicked[2];
  for (bool up : {true, false}) {
    edit.SetText("20");
    events.clear();
    QTest::mouseClick(up ? arrows->Up() : arrows->Down(), Qt::LeftButton);
    clicked[up] = events;
  }
  ASSERT_EQ(clicked[true], (std::vector<std::string>{"changing 20", "change 21", "next 21"}));
  for (bool up : {true, false}) {
    SCOPED_TRACE(up ? "Up" : "Down");
    edit.SetText("20");
    events.clear();
    QTest::keyClick(line, up ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(events, clicked[up]);
    EXPECT_EQ(line->text(), up ? "21" : "19");
  }
  events.clear();
  QTest::keyClick(line, Qt::Key_Up, Qt::ShiftModifier);
  QTest::keyClick(WidgetOf<QLineEdit>(other), Qt::Key_Up);
  QTest::keyClick(WidgetOf<QLineEdit>(other), Qt::Key_Down);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(edit.Text(), "19");
  EXPECT_EQ(other.Text(), "5");
}

TEST_F(Peers, LabelsShowAmpersandsAndTheModelsFont) {
  auto& label = form.Add<vcl::TLabel>("Label1", form, 10, 10, 60, 13);
  label.SetCaption("Copper && &Plating");
  label.SetFontColor(vcl::clNavy);
  label.SetFontStyle(vcl::fsBold);
  int clicks = 0;
  label.OnClick = [&](vcl::TObject*) { ++clicks; };
  Render();
  auto* text = WidgetOf<QLabel>(label);
  EXPECT_EQ(text->text(), "Copper & Plating");
  EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
  EXPECT_TRUE(text->font().bold());
  // Auto-sized, the label is as wide as its text, not the layout's guess.
  EXPECT_EQ(text->width(), text->sizeHint().width());

  label.SetFontColor(vcl::clWindowText);
  label.SetFontStyle(0);
  EXPECT_EQ(text->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
  EXPECT_FALSE(text->font().bold());

  QTest::mouseClick(text, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Peers, ChildrenSitInTheirGroupAndGraphicsLieBeneath) {
  auto& group = form.Add<vcl::TGroupBox>("GroupBox1", form, 20, 30, 200, 100);
  group.SetCaption(" Options ");
  auto& edit = form.Add<vcl::TEdit>("Edit1", group, 8, 20, 60, 21);
  auto& label = form.Add<vcl::TLabel>("Label1", group, 8, 20, 60, 13);
  label.SetCaption("under");
  Render();
  auto* box = WidgetOf<QGroupBox>(group);
  EXPECT_EQ(box->title(), " Options ");
  EXPECT_EQ(box->geometry(), QRect(20, 30, 200, 100));
  EXPECT_EQ(renderer->WidgetOf(edit)->parentWidget(), box);
  EXPECT_EQ(renderer->WidgetOf(edit)->geometry(), QRect(8, 20, 60, 21));
  // The label came later but is drawn under the edit, as the toolkit draws it.
  EXPECT_EQ(box->childAt(12, 25), renderer->WidgetOf(edit));
}

TEST_F(Peers, StatusBarShowsTheHintUnderTheMouse) {
  auto& edit = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  edit.SetHint("Width|Conductor width.");
  auto& bar = form.Add<vcl::TStatusBar>("StatusBar1", form, 0, 280, 400, 20);
  bar.AutoHint = true;
  bar.AddPanel({"ready", 250});
  bar.AddPanel({"09:30", 150});
  Render();
  auto* strip = WidgetOf<StatusStrip>(bar);
  ASSERT_EQ(strip->PanelCount(), 2);
  EXPECT_EQ(strip->PanelText(0), "ready");
  EXPECT_EQ(renderer->WidgetOf(edit)->toolTip(), "Width");

  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(renderer->WidgetOf(edit), &enter);
  EXPECT_EQ(strip->PanelText(0), "Conductor width.");
  EXPECT_EQ(strip->PanelText(1), "09:30");
  // The clock ticking in the other panel leaves the hint; the program's own text replaces it.
  bar.SetPanelText(1, "09:31");
  EXPECT_EQ(strip->PanelText(0), "Conductor width.");
  EXPECT_EQ(strip->PanelText(1), "09:31");
  bar.SetPanelText(0, "solved");
  EXPECT_EQ(strip->PanelText(0), "solved");
}

// A window disabled while it waits for another loses the focus without an
// exit from the control that had it, and gives it back when it is enabled,
// marked: also a button the mouse had focused, which showed no mark then.
TEST_F(Peers, AWaitingWindowGivesTheFocusBackWithoutAnExit) {
  auto& first = form.Add<vcl::TEdit>("Edit1", form, 10, 10, 80, 21);
  auto& second = form.Add<vcl::TEdit>("Edit2", form, 10, 40, 80, 21);
  auto& button = form.Add<vcl::TButton>("Button1", form, 10, 70, 75, 25);
  button.SetCaption("Rules");
  int exits = 0;
  second.OnExit = [&](vcl::TObject*) { ++exits; };
  if (!RenderActive()) GTEST_SKIP() << "no active window here";
  auto* line = WidgetOf<QLineEdit>(second);
  line->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(line->hasFocus());
  form.SetEnabled(false);
  EXPECT_FALSE(line->hasFocus());
  form.SetEnabled(true);
  EXPECT_TRUE(line->hasFocus());
  EXPECT_EQ(exits, 0);
  // Moving on is an exit as ever.
  QTest::keyClick(line, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(WidgetOf<QLineEdit>(first)->hasFocus());
  EXPECT_EQ(exits, 1);

  renderer->Window(form)->setAttribute(Qt::WA_KeyboardFocusChange, false);
  auto* push = WidgetOf<QPushButton>(button);
  const QImage unfocused = push->grab().toImage();
  push->setFocus(Qt::MouseFocusReason);
  ASSERT_EQ(push->grab().toImage(), unfocused);
  form.SetEnabled(false);
  form.SetEnabled(true);
  EXPECT_TRUE(push->hasFocus());
  EXPECT_NE(push->grab().toImage(), unfocused);
}

TEST_F(Peers, CloseBoxAsksTheForm) {
  bool canClose = false;
  form.OnCloseQuery = [&](vcl::TObject*, bool& allow) { allow = canClose; };
  Render();
  QWidget* window = renderer->Window(form);
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(form.Visible());
  canClose = true;
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(form.Visible());
}

TEST_F(Peers, MenuItemsFollowTheModel) {
  auto& menu = form.AddComponent<vcl::TMainMenu>("MainMenu1");
  auto& file = form.AddComponent<vcl::TMenuItem>("File1");
  auto& open = form.AddComponent<vcl::TMenuItem>("Open1");
  auto& line = form.AddComponent<vcl::TMenuItem>("N1");
  auto& exit = form.AddComponent<vcl::TMenuItem>("Exit1");
  file.SetCaption("&File");
  open.SetCaption("&Open");
  line.SetCaption("-");
  exit.SetCaption("E&xit");
  menu.Add(&file);
  file.Add(&open);
  file.Add(&line);
  file.Add(&exit);
  form.Menu = &menu;
  int opened = 0;
  open.OnClick = [&](vcl::TObject*) { ++opened; };
  Render();

  EXPECT_EQ(renderer->ActionOf(file)->text(), "&File");
  EXPECT_TRUE(renderer->ActionOf(line)->isSeparator());
  renderer->ActionOf(open)->trigger();
  EXPECT_EQ(opened, 1);

  exit.SetVisible(false);
  open.SetChecked(true);
  open.SetEnabled(false);
  EXPECT_FALSE(renderer->ActionOf(exit)->isVisible());
  EXPECT_TRUE(renderer->ActionOf(open)->isChecked());
  EXPECT_FALSE(renderer->ActionOf(open)->isEnabled());
}

}  // namespace
}  // namespace trellis::desktop
