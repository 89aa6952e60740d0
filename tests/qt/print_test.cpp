// Printing a window to a PDF file offscreen: the page holds the window's texts
// as text, drawn as vectors, and stays small.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <map>
#include <memory>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/screens_fixture.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

// A PDF file with its drawing inflated, so a test can read what the page draws.
struct PdfFile {
  QByteArray raw;
  QByteArray content;  // the drawing streams, inflated, one after another

  explicit PdfFile(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) raw = f.readAll();
    qsizetype at = 0;
    while (true) {
      const qsizetype keyword = raw.indexOf("stream", at);
      if (keyword < 0) break;
      at = keyword + 6;
      if (keyword >= 3 && raw.mid(keyword - 3, 3) == "end") continue;
      qsizetype begin = at;
      if (begin < raw.size() && raw[begin] == '\r') ++begin;
      if (begin < raw.size() && raw[begin] == '\n') ++begin;
      const qsizetype end = raw.indexOf("endstream", begin);
      if (end < 0) break;
      const qsizetype object = raw.lastIndexOf(" obj", keyword);
      const QByteArray dictionary = raw.mid(object, keyword - object);
      // Only the page's drawing: pictures and fonts are streams too.
      if (object < 0 || dictionary.contains("/Subtype") || dictionary.contains("/Length1"))
        continue;
      const QByteArray bytes = raw.mid(begin, end - begin);
      if (dictionary.contains("/FlateDecode")) {
        // The toolkit's inflater takes the expected size first.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(64u << 20, sized.data());
        content += qUncompress(sized + bytes);
      } else {
        content += bytes;
      }
      content += '\n';
    }
  }
  // Image objects and the widest of them.
  int Images(int* widest) const {
    static const QRegularExpression image("/Subtype\\s*/Image[^>]*?/Width\\s+(\\d+)");
    int n = 0;
    *widest = 0;
    for (auto it = image.globalMatch(raw); it.hasNext();) {
      *widest = std::max(*widest, it.next().captured(1).toInt());
      ++n;
    }
    return n;
  }
};

class PrintedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.SetSleepsSkipped(true);
    ASSERT_NO_FATAL_FAILURE(testing::WriteInstallerSettings(platform));
    program = std::make_unique<Program>(platform);
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
    BoxAnswerer answerer(QMessageBox::Ok);
    program->ShowMainWindow();
    QApplication::processEvents();
  }
  void TearDown() override {
    renderer.reset();
    program.reset();
  }
  QString PrintToPdf(vcl::TForm& form) {
    const QString pdf = dir.filePath(QString::fromStdString(form.Name) + ".pdf");
    platform.Printer().setOutputFormat(QPrinter::PdfFormat);
    platform.Printer().setOutputFileName(pdf);
    platform.PrintForm(form);
    return pdf;
  }

  ScopedConfig config;
  QtPlatform platform;
  std::unique_ptr<Program> program;
  std::unique_ptr<QtRenderer> renderer;
  QTemporaryDir dir;
};

TEST_F(PrintedWindow, MainWindowPrintsAsTextAndVectorsOnOneSmallPage) {
  const QString path = PrintToPdf(program->Main());
  const PdfFile pdf(path);
  ASSERT_FALSE(pdf.raw.isEmpty());
  EXPECT_LT(QFileInfo(path).size(), 300 * 1024);
  EXPECT_EQ(pdf.raw.count("/Type /Page\n") + pdf.raw.count("/Type /Page\r") +
                pdf.raw.count("/Type /Page "),
            1);
  // Text is set in an embedded font, one text object per run of text.
  EXPECT_TRUE(pdf.raw.contains("/FontFile2") || pdf.raw.contains("/FontFile3"));
  static const QRegularExpression textObject("(?s)\\bBT\\b.*?\\bTf\\b.*?\\bET\\b");
  static const QRegularExpression shown("\\bTj\\b");
  int texts = 0, glyphRuns = 0;
  for (auto it = textObject.globalMatch(pdf.content); it.hasNext(); ++texts)
    glyphRuns += static_cast<int>(it.next().captured().count(shown));
  EXPECT_GE(texts, 1);
  EXPECT_GE(glyphRuns, 500);
  EXPECT_TRUE(pdf.raw.contains("/ToUnicode"));
  // No picture of the window: any image is one of its own small pictures.
  int widest = 0;
  pdf.Images(&widest);
  EXPECT_LT(widest, program->Main().ClientWidth() / 2);
}

// Read back with a PDF reader when one is installed: every label the window
// shows is on the page as text.
TEST_F(PrintedWindow, PageHoldsTheCaptionsOfTheLabelsTheWindowShows) {
  const QString reader = QStandardPaths::findExecutable("pdftotext");
  if (reader.isEmpty()) GTEST_SKIP() << "no pdftotext (poppler-utils) to read the page back";
  const QString path = PrintToPdf(program->Main());
  QProcess process;
  process.start(reader, {"-enc", "UTF-8", path, "-"});
  ASSERT_TRUE(process.waitForFinished(30000));
  auto bare = [](QString text) {
    // The reader gives ligatures as their own characters and breaks lines as it sees fit.
    text.replace(QChar(0xFB00), "ff").replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl");
    text.replace(QChar(0xFB03), "ffi").replace(QChar(0xFB04), "ffl");
    static const QRegularExpression space("\\s+");
    return text.remove(space);
  };
  const QString page = bare(QString::fromUtf8(process.readAllStandardOutput()));
  int checked = 0;
  for (vcl::TComponent* c : program->Main().Components()) {
    auto* label = dynamic_cast<vcl::TLabel*>(c);
    if (!label || !label->Showing()) continue;
    const QString caption = bare(QString::fromStdString(label->Caption()));
    if (caption.isEmpty()) continue;
    ++checked;
    EXPECT_TRUE(page.contains(caption)) << label->Name << ": " << label->Caption();
  }
  EXPECT_GE(checked, 20);
}

// A result wider than its box, after the user has Tabbed through the box: the
// page shows its leading digits, as the window does, not the tail Tab left.
TEST_F(PrintedWindow, AWideResultPrintsItsLeadingDigitsAfterTheFocusPassedThrough) {
  const QString reader = QStandardPaths::findExecutable("pdftotext");
  if (reader.isEmpty()) GTEST_SKIP() << "no pdftotext (poppler-utils) to read the page back";
  TForm1& main = program->Main();
  QWidget* window = renderer->Window(main);
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) GTEST_SKIP() << "no active window here";
  vcl::user::PickTab(*main.TabControl1, 10);
  vcl::user::ChooseItem(*main.RadioGroup13, 2);
  vcl::user::TypeText(*main.Edit245, "5000");
  vcl::user::TypeText(*main.Edit246, "0.0001");
  vcl::user::Click(*main.Button1);
  ASSERT_EQ(main.Edit244->Text(), "50000000.0000");
  auto* result = qobject_cast<QLineEdit*>(renderer->WidgetOf(*main.Edit244));
  ASSERT_NE(result, nullptr);
  QWidget* before = renderer->WidgetOf(*main.Edit246);
  before->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(before, Qt::Key_Tab);
  ASSERT_TRUE(result->hasFocus());
  QTest::keyClick(result, Qt::Key_Tab);
  ASSERT_FALSE(result->hasFocus());
  // Solving again with the same inputs sets no new text: only the focus
  // leaving can have brought the start back.
  vcl::user::Click(*main.Button1);
  QApplication::processEvents();

  // The words the reader finds where the page shows the box: the text runs on
  // past the box's end, clipped there, so where it starts is what the box shows.
  const QString path = PrintToPdf(main);
  QProcess process;
  process.start(reader, {"-bbox", path, "-"});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString page = QString::fromUtf8(process.readAllStandardOutput());
  // The window as printed: scaled to the printable area and centred in it.
  const QRectF printable = platform.Printer().pageRect(QPrinter::Point);
  const QSizeF drawn(main.ClientWidth(), main.ClientHeight());
  const double scale =
      std::min(printable.width() / drawn.width(), printable.height() / drawn.height());
  const QPointF origin =
      printable.topLeft() + QPointF(printable.width() - drawn.width() * scale,
                                    printable.height() - drawn.height() * scale) /
                                2;
  const QRectF box(origin + QPointF(result->mapTo(renderer->ClientArea(main), QPoint())) * scale,
                   QSizeF(result->size()) * scale);
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
  QString starting;
  for (auto it = word.globalMatch(page); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (box.contains(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())))
      starting += m.captured(3) + " ";
  }
  EXPECT_TRUE(starting.startsWith("50000000.")) << starting.toStdString();
}

// Drawn at a low resolution by the same reader's tools: the window fills the
// printable width and sits in the middle of the page.
TEST_F(PrintedWindow, WindowFillsThePrintableWidthAndIsCentred) {
  const QString drawer = QStandardPaths::findExecutable("pdftoppm");
  if (drawer.isEmpty()) GTEST_SKIP() << "no pdftoppm (poppler-utils) to draw the page";
  const QString path = PrintToPdf(program->Main());
  constexpr int kDpi = 36;
  QProcess process;
  process.start(drawer,
                {"-r", QString::number(kDpi), "-png", "-singlefile", path, dir.filePath("page")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  // The window's extent: everything that is not the paper's white.
  QRect drawn;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixelColor(x, y) != Qt::white) drawn |= QRect(x, y, 1, 1);
  ASSERT_FALSE(drawn.isEmpty());
  const QRectF printable = platform.Printer().pageRect(QPrinter::Inch);
  EXPECT_NEAR(drawn.width(), printable.width() * kDpi, 2);
  EXPECT_NEAR(drawn.left(), page.width() - 1 - drawn.right(), 2);
  EXPECT_NEAR(drawn.top(), page.height() - 1 - drawn.bottom(), 2);
  // In the window's own colours: the commonest one on screen is the commonest on paper.
  auto commonest = [](const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
  };
  const QImage screen = renderer->ClientArea(program->Main())->grab().toImage();
  EXPECT_EQ(QColor(commonest(page, drawn)).name().toStdString(),
            QColor(commonest(screen, screen.rect())).name().toStdString());
  // The window keeps its proportions.
  EXPECT_NEAR(double(drawn.height()) / drawn.width(),
              double(program->Main().ClientHeight()) / program->Main().ClientWidth(), 0.01);
}

}  // namespace
}  // namespace trellis::desktop
