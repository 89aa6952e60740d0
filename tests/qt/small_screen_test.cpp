// Windows larger than the screen they open on: each is kept inside the
// screen's free area and its client area scrolls, so the menus, the status bar
// and every control stay within reach. Where the screen has room, nothing
// changes: no scroll bar, and the window is its client area and menu bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "tests/qt/screens_fixture.h"
#include "vcl/forms.h"

namespace trellis::desktop {
namespace {

using testing::ScreenNamed;
using testing::Text;

void ForEachControl(const vcl::TControl& parent, const std::function<void(vcl::TControl&)>& f) {
  for (vcl::TControl* child : parent.Children()) {
    f(*child);
    ForEachControl(*child, f);
  }
}

struct Screen {
  const char* name;
  bool roomy;  // every window fits
};

class WindowOnScreen : public testing::ScreensFixture,
                       public ::testing::WithParamInterface<Screen> {
 protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    screen = ScreenNamed(GetParam().name);
    ASSERT_NE(screen, nullptr) << GetParam().name;
    for (vcl::TForm* form : program->Windows()) renderer->Window(*form)->setScreen(screen);
    program->ShowMainWindow();
    QApplication::processEvents();
  }

  // The window lies inside the screen's free area, and scrolling (where the
  // window scrolls) brings each shown control into the part of its client area
  // the window shows.
  void ExpectReachable(vcl::TForm& form) {
    SCOPED_TRACE(form.Name);
    QApplication::processEvents();
    QWidget* window = renderer->Window(form);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->screen(), screen);
    const QRect area = screen->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << Text(window->frameGeometry()) << " outside " << Text(area);
    QWidget* client = renderer->ClientArea(form);
    auto* bar = window->findChild<QMenuBar*>();
    auto* scroller = window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    if (scroller) {
      ASSERT_EQ(scroller->widget(), client);
    }
    // What the window shows of its client area, in the window's terms.
    const QRect view = (scroller ? QRect(scroller->viewport()->mapTo(window, QPoint()),
                                         scroller->viewport()->size())
                                 : QRect(client->mapTo(window, QPoint()), client->size())) &
                       window->rect();
    if (GetParam().roomy) {
      if (scroller) {
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
      }
      EXPECT_EQ(window->size(), client->size() + QSize(0, bar ? bar->height() : 0));
    }
    // Too short for the screen but wide enough for the client area and a
    // vertical scroll bar beside it: it scrolls down only, its full width shown.
    if (scroller) {
      const QSize frame = window->frameGeometry().size() - window->size();
      const int menu = bar ? bar->height() : 0;
      const int barWidth = scroller->verticalScrollBar()->sizeHint().width();
      if (client->height() + menu + frame.height() > area.height() &&
          client->width() + barWidth + frame.width() <= area.width()) {
        ++scrolledDownOnly;
        EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
        EXPECT_EQ(scroller->viewport()->width(), client->width());
      }
    }
    int checked = 0;
    ForEachControl(form, [&](vcl::TControl& control) {
      QWidget* widget = renderer->WidgetOf(control);
      if (!widget || !widget->isVisibleTo(client)) return;
      // The part of the control inside the client area, the only part any window shows.
      const QRect part = QRect(widget->mapTo(client, QPoint()), widget->size()) & client->rect();
      if (part.isEmpty()) return;
      if (scroller) scroller->ensureWidgetVisible(widget, 0, 0);
      const QRect shown = QRect(client->mapTo(window, part.topLeft()), part.size());
      EXPECT_EQ((shown & view).size(), part.size().boundedTo(view.size()))
          << control.Name << " at " << Text(shown) << " in " << Text(view);
      ++checked;
    });
    EXPECT_GT(checked, 0);
    // Each menu of the bar has its place in it and opens inside the screen.
    if (bar) {
      for (QAction* action : bar->actions()) {
        if (!action->isVisible() || !action->menu()) continue;
        const QRect place = bar->actionGeometry(action);
        EXPECT_TRUE(bar->rect().contains(place)) << action->text().toStdString();
        QMenu* menu = action->menu();
        menu->popup(bar->mapToGlobal(place.bottomLeft()));
        QApplication::processEvents();
        EXPECT_TRUE(area.contains(menu->geometry()))
            << action->text().toStdString() << " at " << Text(menu->geometry());
        menu->hide();
      }
    }
  }

  TForm1& Main() { return program->Main(); }

  QScreen* screen = nullptr;
  int scrolledDownOnly = 0;  // windows too short for the screen but wide enough
};

TEST_P(WindowOnScreen, EveryWindowLiesInsideTheScreenWithItsMenusAndControlsInReach) {
  // The window opens on the start of its client area, below the menu bar.
  QWidget* window = renderer->Window(Main());
  QApplication::processEvents();
  const QString shot = testing::ShotPath(QString("main_on_%1.png").arg(GetParam().name));
  EXPECT_TRUE(window->grab().save(shot));
  EXPECT_EQ(renderer->ClientArea(Main())->mapTo(window, QPoint()),
            QPoint(0, window->findChild<QMenuBar*>()->height()));
  ExpectReachable(Main());
  ASSERT_NE(renderer->WidgetOf(*Main().StatusBar1), nullptr);
  for (vcl::TForm* form : program->Windows()) {
    if (form == &Main() || form->Visible()) continue;
    form->Show();
    ExpectReachable(*form);
    form->Close();
    QApplication::processEvents();
  }
  if (!GetParam().roomy) {
    EXPECT_GT(scrolledDownOnly, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowOnScreen,
                         ::testing::Values(Screen{"Desktop", true}, Screen{"Laptop", false},
                                           Screen{"Netbook", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellis::desktop
