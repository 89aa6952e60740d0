#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/qt/renderer.h"
#include "vcl/exceptions.h"
#include "vcl/forms.h"
#include "vcl/script_importer.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace trellis::desktop {

namespace {

constexpr const char* kOrganisation = "Orvane, Inc.";
constexpr const char* kApplication = "Trellis";
constexpr const char* kProgramKey = "software\\orvane, inc.\\trellis";

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Boxes belong to the window the user is working in, so they stay above it;
// while the user is in another program, to the main window, so a box never
// stands on its own where the main window can cover it.
QWidget* BoxParent() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  vcl::TApplication* app = vcl::Application();
  auto* platform = app ? dynamic_cast<QtPlatform*>(&app->GetPlatform()) : nullptr;
  QWidget* main = platform && platform->Renderer() ? platform->Renderer()->MainWindow() : nullptr;
  return main && main->isVisible() ? main : nullptr;
}

std::string ApplicationTitle() {
  vcl::TApplication* app = vcl::Application();
  return app ? app->Title : std::string(kApplication);
}

// The text as the box shows it: a word wider than the box (a long
// paste quoted in a conversion error) loses its middle, and a text taller
// than half the screen keeps its opening and closing parts, so the box stays
// on the screen and still says what went wrong.
QString FittedText(const QString& text, const QFontMetrics& metrics, const QSize& area) {
  // The width the toolkit's box wraps its text at before it gives up on words.
  const int width = std::max(200, std::min(area.width() / 2, 500));
  const int height = std::max(metrics.lineSpacing() * 4, area.height() / 2);
  const QString ellipsis(QChar(0x2026));
  QString fitted;
  fitted.reserve(text.size());
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != u' ' && text[end] != u'\n') ++end;
    const QString word = text.mid(start, end - start);
    // Narrower than the wrap width, so the shortened word keeps a line of its own.
    fitted += metrics.horizontalAdvance(word) > width * 4 / 5
                  ? metrics.elidedText(word, Qt::ElideMiddle, width * 4 / 5)
                  : word;
    if (end < text.size()) fitted += text[end];
    start = end + 1;
  }
  const auto tall = [&](const QString& t) {
    return metrics.boundingRect(QRect(0, 0, width, 1 << 24), Qt::TextWordWrap, t).height() > height;
  };
  if (!tall(fitted)) return fitted;
  // The most of each end that still fits.
  qsizetype fits = 0, over = fitted.size() / 2;
  while (over - fits > 1) {
    const qsizetype keep = (fits + over) / 2;
    (tall(fitted.left(keep) + ellipsis + fitted.right(keep)) ? over : fits) = keep;
  }
  return fitted.left(fits) + ellipsis + fitted.right(fits);
}

int RunBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
  QWidget* parent = BoxParent();
  QMessageBox box(icon, Q(caption), QString(), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  box.ensurePolished();
  const QWidget* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  box.setText(screen ? FittedText(Q(text), (label ? label : &box)->fontMetrics(),
                                  screen->availableGeometry().size())
                     : Q(text));
  box.setEscapeButton(escape);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec();
}

// Launches the first of the desktop's programs that is installed.
bool StartFirstOf(std::initializer_list<const char*> programs) {
  for (const char* name : programs) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

}  // namespace

void ClearDeadSettingsLock(const QString& lockFile) {
  if (!QFileInfo::exists(lockFile)) return;
  QLockFile lock(lockFile);
  qint64 pid = 0;
  QString host, application;
  // A lock that names its holder is the toolkit's to judge: it clears one
  // whose process has gone.
  if (lock.getLockInfo(&pid, &host, &application)) return;
  // A nameless one could only be waited out; the removal refuses while a
  // living holder still has the file locked.
  lock.removeStaleLockFile();
}

// ---- QtSettingsStore ----

namespace {

// A settings file this large is no file of ours; reading it would only stall.
constexpr qint64 kMaxSettingsFile = 1 << 20;

// Where the toolkit keeps the program's file, learnt without reading it: a
// settings object reads every file it stands for as it is made, so the folder
// is asked of one for a name no program uses.
QString ProgramSettingsFile() {
  const QString probe = QStringLiteral("trellis-settings-folder-probe");
  const QString probeFile =
      QSettings(QSettings::NativeFormat, QSettings::UserScope, probe, probe).fileName();
  const QString folder = QFileInfo(QFileInfo(probeFile).path()).path();
  return folder + QLatin1Char('/') + QLatin1String(kOrganisation) + QLatin1Char('/') +
         QLatin1String(kApplication) + QStringLiteral(".conf");
}

// The file a write replaces: a linked file is written where the link leads,
// as the toolkit does.
QString WriteTarget(const QString& file) {
  const QFileInfo link(file);
  return link.isSymLink() ? link.symLinkTarget() : file;
}

bool ProcessRunning(qint64 pid) {
#ifdef Q_OS_UNIX
  // A process of another user is there too, only not ours to signal.
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
  Q_UNUSED(pid);
  return true;
#endif
}

// A write killed midway leaves its new file, the toolkit's lock of it and,
// where the file system has no nameless files, the toolkit's temporary file
// of it. Those of runs that have ended are removed; so are those bearing this
// run's number, which before its first write can only be an ended run's.
// Every write makes its files while it holds the settings lock, so the files
// are looked at only while this run holds it: a copy writing on another
// machine, whose number means nothing here, keeps its own.
void ClearDeadWrites(const QString& file) {
  const QFileInfo target(WriteTarget(file));
  QDir folder = target.dir();
  const QRegularExpression leftover(
      QStringLiteral("^%1\\.(\\d+)-\\d+\\.new(\\.lock|\\.[A-Za-z0-9]{6})?$")
          .arg(QRegularExpression::escape(target.fileName())));
  const auto dead = [&] {
    QStringList names;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      const QRegularExpressionMatch m = leftover.match(name);
      if (!m.hasMatch()) continue;
      const qint64 pid = m.captured(1).toLongLong();
      if (pid == QCoreApplication::applicationPid() || !ProcessRunning(pid)) names << name;
    }
    return names;
  };
  if (dead().isEmpty()) return;
  const QString lockName = file + QStringLiteral(".lock");
  ClearDeadSettingsLock(lockName);
  QLockFile lock(lockName);
  // A copy that is writing now holds the lock; its leftovers wait for the next start.
  if (!lock.tryLock(0)) return;
  for (const QString& name : dead()) folder.remove(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore() : file_(ProgramSettingsFile()) { ClearDeadWrites(file_); }

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::GroupOf(const std::string& key) {
  const std::string lower = Lower(key);
  const std::string own = kProgramKey;
  std::string path = key;
  if (lower == own)
    path.clear();
  else if (lower.size() > own.size() && lower.compare(0, own.size(), own) == 0 &&
           lower[own.size()] == '\\')
    path = key.substr(own.size() + 1);
  std::replace(path.begin(), path.end(), '\\', '/');
  return Q(path);
}

bool QtSettingsStore::Oversized() const { return QFileInfo(file_).size() > kMaxSettingsFile; }

QSettings* QtSettingsStore::Reader() {
  // An oversized file reads as no file at all; the next write replaces it.
  if (Oversized()) return nullptr;
  // The program's file alone: another it would fall back on is not measured.
  if (!settings_) settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
  // Only a file another run has changed is read again.
  settings_->sync();
  return settings_.get();
}

bool QtSettingsStore::KeyExists(const std::string& key) {
  if (created_.count(Lower(key))) return true;
  QSettings* settings = Reader();
  if (!settings) return false;
  settings->beginGroup(GroupOf(key));
  const bool exists = !settings->allKeys().isEmpty();
  settings->endGroup();
  return exists;
}

bool QtSettingsStore::OpenKey(const std::string& key, bool canCreate) {
  if (KeyExists(key)) return true;
  if (!canCreate || !Writable()) return false;
  created_.insert(Lower(key));
  return true;
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& key,
                                                       const std::string& name) {
  QSettings* settings = Reader();
  if (!settings) return std::nullopt;
  settings->beginGroup(GroupOf(key));
  std::optional<std::string> out;
  if (settings->contains(Q(name))) {
    const QVariant v = settings->value(Q(name));
    // A hand-edited file may hold an unquoted comma, which reads as a list.
    if (v.typeId() == QMetaType::QStringList)
      out = v.toStringList().join(',').toStdString();
    else
      out = v.toString().toStdString();
  }
  settings->endGroup();
  return out;
}

bool QtSettingsStore::Writable() const {
  const QFileInfo info(file_);
  if (info.exists()) return QFile(file_).open(QIODevice::ReadWrite);
  return QDir().mkpath(info.absolutePath()) && QFileInfo(info.absolutePath()).isWritable();
}

bool QtSettingsStore::WriteString(const std::string& key, const std::string& name,
                                  const std::string& value) {
  // An unchanged value needs no write, so it cannot fail.
  if (ReadString(key, name) == value) return true;
  if (!Writable()) return false;

  // The toolkit keeps a value it failed to store as a change still to make and
  // stores it with the next write that succeeds. So the new file is written
  // beside the old one and put in its place only whole: a refused write leaves
  // the file, and what this store holds, as they were.
  const QString lockName = file_ + QStringLiteral(".lock");
  ClearDeadSettingsLock(lockName);
  QLockFile lock(lockName);
  if (!lock.tryLock(10000)) return false;
  const QString target = WriteTarget(file_);
  const QFileInfo old(target);
  const bool existed = old.exists();
  const qint64 oldSize = old.size();
  const QDateTime oldTime = old.lastModified();
  const QFile::Permissions oldPermissions = old.permissions();
  // The toolkit shares what it holds of a file among its readers of that name,
  // a refused change included; a name no write of this run has used starts clean.
  static int written = 0;
  const QString next =
      target + QStringLiteral(".%1-%2.new").arg(QCoreApplication::applicationPid()).arg(++written);
  // Files of that name are an ended run's whose number this run was given:
  // the toolkit would read that run's values into this write, and wait out
  // a lock it left empty.
  QFile::remove(next);
  QFile::remove(next + QStringLiteral(".lock"));
  bool stored = false;
  {
    QSettings out(next, QSettings::IniFormat);
    if (QSettings* settings = Reader())
      for (const QString& k : settings->allKeys()) out.setValue(k, settings->value(k));
    out.beginGroup(GroupOf(key));
    out.setValue(Q(name), Q(value));
    out.endGroup();
    out.sync();
    stored = out.status() == QSettings::NoError && QFileInfo::exists(next);
  }
  if (stored) {
    if (existed) QFile::setPermissions(next, oldPermissions);
    stored = std::rename(QFile::encodeName(next).constData(),
                         QFile::encodeName(target).constData()) == 0;
  }
  if (!stored) {
    QFile::remove(next);
    return false;
  }
  // The toolkit rereads a file whose size or time has changed; a rewrite of the
  // same size within its clock's step would go unseen.
  const QFileInfo now(target);
  if (existed && now.size() == oldSize && now.lastModified() == oldTime) {
    QFile touched(target);
    if (touched.open(QIODevice::ReadWrite))
      touched.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
  }
  Sync();
  return true;
}

void QtSettingsStore::Sync() { Reader(); }

// ---- QtPlatform ----

QtPlatform::QtPlatform() : workingDirectory_(QDir::currentPath().toStdString()) {
  QCoreApplication::setOrganizationName(kOrganisation);
  QCoreApplication::setApplicationName(kApplication);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(const std::string& text) {
  RunBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

int QtPlatform::MessageBox(const std::string& text, const std::string& caption, int flags) {
  const bool question = (flags & vcl::MB_YESNO) == vcl::MB_YESNO;
  const QMessageBox::Icon icon =
      (flags & vcl::MB_ICONQUESTION) ? QMessageBox::Question : QMessageBox::NoIcon;
  if (!question) {
    RunBox(icon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
    return vcl::IDOK;
  }
  const int answer =
      RunBox(icon, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes ? vcl::IDYES : vcl::IDNO;
}

void QtPlatform::ShowException(const std::string& title, const std::string& message) {
  RunBox(QMessageBox::Critical, title, message, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPlatform::ShowMathError(const std::string& caption, const std::string& text) {
  RunBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::string QtPlatform::UserDecimalSeparator() {
  return QLocale::system().decimalPoint() == QStringLiteral(",") ? "," : ".";
}

namespace {

// What the registry editor does with the installer's script, as the program
// reads it: anything the program refuses in the script refuses it whole.
bool ImportRegistryScript(vcl::SettingsStore& store, const std::string& path) {
  constexpr qint64 kMaxScript = 1 << 20;
  const vcl::ScriptImporter* importer = vcl::CurrentScriptImporter();
  if (!importer) return false;  // a program that reads no scripts has nothing to open them
  QFile file(Q(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  auto refuse = [&](const std::string& why) {
    RunBox(QMessageBox::Critical, ApplicationTitle(),
           "The registry script " + path + " was not imported: " + why + ".", QMessageBox::Ok,
           QMessageBox::Ok);
    return false;
  };
  if (file.size() > kMaxScript) return refuse("the file is too large");
  const QByteArray bytes = file.readAll();
  const vcl::ScriptContents script =
      importer->Read(std::string_view(bytes.constData(), bytes.size()));
  if (!script.ok()) return refuse(script.error);
  const std::string question = "Import the program's settings from " + path + "?\n\nThis sets " +
                               std::to_string(script.values.size()) +
                               " values of HKEY_CURRENT_USER\\" + script.key + ".";
  if (RunBox(QMessageBox::Question, ApplicationTitle(), question,
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return false;
  for (const vcl::ScriptValue& v : script.values) {
    if (!store.WriteString(script.key, v.name, v.value)) {
      RunBox(QMessageBox::Critical, ApplicationTitle(),
             "The registry script " + path + " was imported only in part: the value \"" + v.name +
                 "\" could not be stored.",
             QMessageBox::Ok, QMessageBox::Ok);
      return false;
    }
  }
  return true;
}

}  // namespace

bool QtPlatform::ShellOpen(const std::string& target) {
  const std::string lower = Lower(target);
  if (lower == "calc.exe")
    return StartFirstOf({"gnome-calculator", "kcalc", "galculator", "xcalc"});
  if (lower == "notepad.exe")
    return StartFirstOf({"gedit", "gnome-text-editor", "kate", "mousepad", "xed", "leafpad"});
  if (EndsWith(lower, ".reg"))
    return ImportRegistryScript(settings_,
                                QDir(Q(workingDirectory_)).filePath(Q(target)).toStdString());

  const bool isUrl = lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0 ||
                     lower.rfind("mailto:", 0) == 0 || lower.find("://") != std::string::npos;
  if (isUrl) return QDesktopServices::openUrl(QUrl(Q(target)));
  // A relative document is looked for in the working folder, then beside the program.
  for (const QString& folder : {Q(workingDirectory_), QCoreApplication::applicationDirPath()}) {
    const QFileInfo document(QDir(folder), Q(target));
    if (document.exists())
      return QDesktopServices::openUrl(QUrl::fromLocalFile(document.absoluteFilePath()));
  }
  return false;
}

QPrinter& QtPlatform::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

bool QtPlatform::PrinterSetup() {
  QPrintDialog dialog(&Printer(), BoxParent());
  return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::PrintForm(vcl::TForm& form) {
  QPrinter& printer = Printer();
  // Without a print system Qt's printer falls back to PDF with no file to write.
  const bool toPdfFile =
      printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
  if (QPrinterInfo::availablePrinters().isEmpty() && !toPdfFile)
    throw vcl::EPrinter("There is no default printer currently selected");
  if (!renderer_) throw vcl::EPrinter("Printing failed");
  QWidget* client = renderer_->ClientArea(form);
  // Rendering straight to a printer gives one bitmap of the window; recorded
  // first, the drawing reaches the page as vectors and its texts as text.
  QPicture picture;
  {
    QPainter recorder(&picture);
    client->render(&recorder, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
  QPainter painter;
  if (!painter.begin(&printer)) throw vcl::EPrinter("Printing failed");
  // The printable width, or less when the window would run off the page; centred.
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const QSizeF size(std::max(1, client->width()), std::max(1, client->height()));
  const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
  painter.translate((page.width() - size.width() * scale) / 2,
                    (page.height() - size.height() * scale) / 2);
  // The picture replays in its own resolution, scaled up to the printer's.
  painter.scale(scale * picture.logicalDpiX() / std::max(1, printer.logicalDpiX()),
                scale * picture.logicalDpiY() / std::max(1, printer.logicalDpiY()));
  painter.drawPicture(QPointF(0, 0), picture);
  if (!painter.end()) throw vcl::EPrinter("Printing failed");
}

namespace {

// A timer's tick, handed to the program as the event loop hands it.
void Fire(vcl::TTimer* t) {
  vcl::TApplication* app = vcl::Application();
  if (!app) return;
  // Nothing may cross the event loop, not even the program's exit.
  try {
    app->Dispatch([t] {
      if (t->OnTimer) t->OnTimer(t);
    });
  } catch (...) {
  }
}

}  // namespace

bool QtPlatform::Sleep(int milliseconds) {
  if (milliseconds <= 0) return true;
  if (sleepsSkipped_) return false;
  QThread::msleep(static_cast<unsigned long>(milliseconds));
  return true;
}

void QtPlatform::ProcessMessages() { QCoreApplication::processEvents(); }

void QtPlatform::TimerChanged(vcl::TTimer& timer) {
  std::unique_ptr<QTimer>& q = timers_[&timer];
  if (!q) {
    q = std::make_unique<QTimer>();
    vcl::TTimer* t = &timer;
    QObject::connect(q.get(), &QTimer::timeout, [t] { Fire(t); });
  }
  if (!timer.Running()) {
    q->stop();
    return;
  }
  // Only a new interval or a fresh start restarts the count, as the toolkit does.
  if (!q->isActive() || q->interval() != timer.Interval()) q->start(timer.Interval());
}

void QtPlatform::TimerDestroyed(vcl::TTimer& timer) {
  auto it = timers_.find(&timer);
  if (it == timers_.end()) return;
  // The timer may be going away inside its own tick.
  it->second->stop();
  it->second.release()->deleteLater();
  timers_.erase(it);
}

vcl::LocalTime QtPlatform::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string QtPlatform::ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtPlatform::DataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

void QtPlatform::FormShown(vcl::TForm& form) {
  if (renderer_) renderer_->Show(form);
}

void QtPlatform::FormHidden(vcl::TForm& form) {
  if (renderer_) renderer_->Hide(form);
}

// The loop ends as it is: a quit request would first ask every window to
// close, and one that may not (the installer) would keep the program running.
void QtPlatform::Quit() { QCoreApplication::exit(0); }

void QtPlatform::Exit(int code) {
  settings_.Sync();
  std::exit(code);
}

}  // namespace trellis::desktop
