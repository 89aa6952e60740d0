// The windows that belong to the main window are owned by it, so the window
// manager keeps them above it: the ones it waits for, disabled, and the
// dialogs and tool windows. A window with a border of its own is not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

class OwnedWindows : public testing::SolvedScreensFixture {
 protected:
  QWindow* Handle(vcl::TForm& form) { return renderer->Window(form)->windowHandle(); }
  vcl::TForm& Form(const char* name) {
    for (vcl::TForm* form : program->Windows())
      if (form->Name == name) return *form;
    ADD_FAILURE() << "no window " << name;
    return *program->Windows().front();
  }
};

TEST_F(OwnedWindows, WindowsOfTheMainWindowAreOwnedByIt) {
  struct Case {
    const char* window;
    std::function<void()> open;
    bool owned;
  };
  // Menu items the program keeps hidden are shown for the user to reach them.
  main->Resources1->SetVisible(true);
  main->Export1->SetVisible(true);
  const std::vector<Case> cases = {
      // The main window waits for these, disabled.
      {"Form11",
       [&] {
         vcl::user::PickMenuItem(*main->ConversionData1);
         vcl::user::Click(*main->Button23);
       },
       true},
      {"Form5", [&] { vcl::user::PickMenuItem(*main->References1); }, true},
      {"Form2", [&] { vcl::user::PickMenuItem(*main->About1); }, true},
      // A window of its own kind that the main window waits for too.
      {"Form10", [&] { vcl::user::PickMenuItem(*main->Export1); }, true},
      // Dialogs beside the working main window.
      {"Form6", [&] { vcl::user::PickMenuItem(*main->CopperWeight1); }, true},
      {"Form8", [&] { vcl::user::PickMenuItem(*main->ReinstallRegistryKeys1); }, true},
      {"Form12", [&] { vcl::user::PickMenuItem(*main->Crosstalk1); }, true},
      // Its own window, with a minimise button: the user may put it behind.
      {"Form9", [&] { vcl::user::PickMenuItem(*main->Resources2); }, false},
  };
  QWindow* mainHandle = Handle(*main);
  ASSERT_NE(mainHandle, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    vcl::TForm& form = Form(c.window);
    c.open();
    QApplication::processEvents();
    ASSERT_TRUE(form.Visible());
    QWindow* handle = Handle(form);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->transientParent(), c.owned ? mainHandle : nullptr);
    // Only a dialog or a tool window is kept above its owner by the window manager.
    if (c.owned) {
      EXPECT_NE(handle->type(), Qt::Window);
    }
    // A window without a close box is left through its own buttons, which close it.
    if (form.BorderIcons & vcl::biSystemMenu)
      vcl::user::CloseForm(form);
    else
      form.Close();
    QApplication::processEvents();
    EXPECT_TRUE(main->Enabled());
  }
}

// A box stands above the window the user is in; while the user is in another
// program, above the main window.
TEST_F(OwnedWindows, AMessageBoxIsOwnedByTheActiveWindowOrElseTheMainWindow) {
  struct Case {
    const char* where;
    std::function<void()> before;
    const char* owner;
  };
  // A window that is none of the program's widgets, as another program's is.
  QWindow elsewhere;
  const std::vector<Case> cases = {
      {"in the main window", [] {}, "Form1"},
      {"in the design rules",
       [&] {
         vcl::user::PickMenuItem(*main->ConversionData1);
         vcl::user::Click(*main->Button23);
       },
       "Form11"},
      {"in another program",
       [&] {
         elsewhere.show();
         elsewhere.requestActivate();
       },
       "Form1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    c.before();
    QApplication::processEvents();
    if (&c == &cases.back()) {
      ASSERT_EQ(QApplication::activeWindow(), nullptr);
    }
    QWindow* owner = nullptr;
    bool seen = false;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = true;
      owner = box->windowHandle()->transientParent();
      box->accept();
    });
    answer.start();
    vcl::ShowMessage("A box.");
    EXPECT_TRUE(seen);
    EXPECT_EQ(owner, Handle(Form(c.owner)));
    if (&Form(c.owner) != main) vcl::user::CloseForm(Form(c.owner));
    QApplication::processEvents();
  }
}

// The control that had the focus before a window opened has it again once
// the window closes, whether the main window waited for it, disabled, or
// worked on beside it.
TEST_F(OwnedWindows, TheFocusComesBackWhenTheWindowCloses) {
  struct Case {
    const char* window;
    std::function<void()> open, close;
  };
  const std::vector<Case> cases = {
      {"Form2", [&] { vcl::user::PickMenuItem(*main->About1); },
       [&] { vcl::user::Click(*Form("Form2").Find<vcl::TControl>("Button1")); }},
      {"Form5", [&] { vcl::user::PickMenuItem(*main->References1); },
       [&] { vcl::user::CloseForm(Form("Form5")); }},
      {"Form11", [&] { vcl::user::Click(*main->Button23); },
       [&] { vcl::user::Click(*Form("Form11").Find<vcl::TControl>("Button1")); }},
      {"Form6", [&] { vcl::user::PickMenuItem(*main->CopperWeight1); },
       [&] { vcl::user::CloseForm(Form("Form6")); }},
  };
  vcl::user::PickMenuItem(*main->ConversionData1);
  QWidget* window = renderer->Window(*main);
  for (vcl::TControl* control :
       {static_cast<vcl::TControl*>(main->Edit80), static_cast<vcl::TControl*>(main->Button2)}) {
    QWidget* widget = renderer->WidgetOf(*control);
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << control->Name << ", " << c.window);
      widget->setFocus(Qt::TabFocusReason);
      ASSERT_EQ(window->focusWidget(), widget);
      c.open();
      QApplication::processEvents();
      ASSERT_TRUE(Form(c.window).Visible());
      c.close();
      QApplication::processEvents();
      ASSERT_FALSE(Form(c.window).Visible());
      ASSERT_TRUE(main->Enabled());
      EXPECT_EQ(window->focusWidget(), widget);
    }
  }
}

}  // namespace
}  // namespace trellis::desktop
