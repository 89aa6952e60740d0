#include "ui/qt/qt_platform.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
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
#include <QSpacerItem>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/qt/renderer.h"
#include "vcl/exceptions.h"
#include "vcl/forms.h"
#include "vcl/script_importer.h"

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

// What a title bar takes beside its caption: the window's icon and its buttons.
constexpr int kTitleBarButtons = 128;

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
  // The window manager writes the caption beside its own buttons: a box only
  // as wide as a short text would show its caption cut to the first letter.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(Q(caption)) + kTitleBarButtons;
    const int most = screen ? screen->availableGeometry().width() / 2 : title;
    grid->addItem(new QSpacerItem(std::min(title, most), 0), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
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

// ---- The settings file ----

namespace {

// A settings file this large is no file of ours; reading it would only stall.
constexpr qint64 kMaxSettingsFile = 1 << 20;
// The longest a write waits for another copy's lock.
constexpr qint64 kLockWaitMs = 10000;

QByteArray Encoded(const QString& path) { return QFile::encodeName(path); }

enum class Kind { Missing, Regular, Other };

// What is at a path, a link followed: a regular file, nothing, or anything
// else (a folder, a pipe, a device), which is never opened.
Kind KindOf(const QString& path, struct stat* st = nullptr) {
  struct stat own {};
  if (!st) st = &own;
  if (::stat(Encoded(path).constData(), st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::Other;
  return S_ISREG(st->st_mode) ? Kind::Regular : Kind::Other;
}

// The whole of a regular file no larger than `limit`, else nothing. The file
// is opened without waiting and checked again once open, in case something
// else took its place meanwhile.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit) {
  if (KindOf(path) != Kind::Regular) return std::nullopt;
  const int fd = ::open(Encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<QByteArray> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit) {
    QByteArray all;
    char buffer[16384];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      if (n == 0) {
        bytes = all;
        break;
      }
      if (all.size() + n > limit) break;  // grew past the limit while read
      all.append(buffer, n);
    }
  }
  ::close(fd);
  return bytes;
}

// Writes a new file whole and flushes it to the disk.
bool WriteNewFile(const QString& path, const QByteArray& bytes) {
  const int fd = ::open(Encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  qint64 done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  const bool whole = done == bytes.size() && ::fsync(fd) == 0;
  return ::close(fd) == 0 && whole;
}

int KillProbe(qint64 pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 ? 0 : errno; }

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The value of a line as the toolkit writes a string: quotes, backslash
// escapes and commas outside quotes joining the parts, "@@" for a leading
// "@". Nothing else is interpreted: "@Variant(...)" is the text it shows.
QString UnescapedValue(const QByteArray& raw) {
  QStringList parts;
  QString part;
  bool quoted = false, partQuoted = false;
  qsizetype keep = 0;  // the part's length that trailing blanks may not cut into
  const auto skipBlanks = [&](qsizetype i) {
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    return i;
  };
  const auto chop = [&] {
    if (partQuoted) return;
    while (part.size() > keep && (part.back() == u' ' || part.back() == u'\t')) part.chop(1);
  };
  qsizetype i = skipBlanks(0);
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '\\') {
      if (++i >= raw.size()) break;
      const char e = raw[i++];
      static const char codes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
      bool known = false;
      for (const auto& code : codes)
        if (e == code[0]) {
          part += QLatin1Char(code[1]);
          known = true;
        }
      if (!known && (e == 'x' || (e >= '0' && e <= '7'))) {
        char16_t code = e == 'x' ? 0 : static_cast<char16_t>(e - '0');
        const bool hex = e == 'x';
        if (!hex || (i < raw.size() && IsHex(raw[i]))) {
          while (i < raw.size() && (hex ? IsHex(raw[i]) : (raw[i] >= '0' && raw[i] <= '7'))) {
            const char d = raw[i++];
            code = static_cast<char16_t>(hex ? (code << 4) +
                                                   (d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10)
                                             : (code << 3) + (d - '0'));
          }
          part += QChar(code);
        }
      }
      keep = part.size();
    } else if (c == '"') {
      ++i;
      partQuoted = true;
      quoted = !quoted;
      if (!quoted) i = skipBlanks(i);
    } else if (c == ',' && !quoted) {
      chop();
      parts << part;
      part.clear();
      partQuoted = false;
      keep = 0;
      i = skipBlanks(i + 1);
    } else {
      qsizetype j = i + 1;
      while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') ++j;
      part += QString::fromUtf8(raw.mid(i, j - i));
      i = j;
    }
  }
  chop();
  parts << part;
  for (QString& p : parts)
    if (p.startsWith(QStringLiteral("@@"))) p.remove(0, 1);
  return parts.join(u',');
}

// A string as the toolkit writes it, so any copy reads it back as it was.
QByteArray EscapedValue(const QString& value) {
  const QString text = value.startsWith(u'@') ? QStringLiteral("@") + value : value;
  QByteArray out;
  bool quotes = false, escapeHexDigit = false;
  for (const char32_t c : text.toUcs4()) {
    if (c == ';' || c == ',' || c == '=') quotes = true;
    if (escapeHexDigit && c < 0x80 && IsHex(static_cast<char>(c))) {
      out += "\\x" + QByteArray::number(static_cast<uint>(c), 16);
      continue;
    }
    escapeHexDigit = false;
    switch (c) {
      case '\0':
        out += "\\0";
        escapeHexDigit = true;
        break;
      case '\a':
        out += "\\a";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\v':
        out += "\\v";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += static_cast<char>(c);
        break;
      default:
        if (c <= 0x1F) {
          out += "\\x" + QByteArray::number(static_cast<uint>(c), 16);
          escapeHexDigit = true;
        } else {
          out += QString::fromUcs4(&c, 1).toUtf8();
        }
    }
  }
  if (quotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
  return out;
}

// A key or section name as the file writes it: '\' for '/', '%' escapes.
QString UnescapedKey(const QByteArray& raw) {
  QString key;
  qsizetype i = 0;
  while (i < raw.size()) {
    if (raw[i] == '\\') {
      key += u'/';
      ++i;
    } else if (raw[i] == '%' && i + 5 < raw.size() && raw[i + 1] == 'U' && IsHex(raw[i + 2]) &&
               IsHex(raw[i + 3]) && IsHex(raw[i + 4]) && IsHex(raw[i + 5])) {
      key += QChar(static_cast<char16_t>(raw.mid(i + 2, 4).toUInt(nullptr, 16)));
      i += 6;
    } else if (raw[i] == '%' && i + 2 < raw.size() && IsHex(raw[i + 1]) && IsHex(raw[i + 2])) {
      key += QChar(static_cast<char16_t>(raw.mid(i + 1, 2).toUInt(nullptr, 16)));
      i += 3;
    } else {
      qsizetype j = i + 1;
      while (j < raw.size() && raw[j] != '\\' && raw[j] != '%') ++j;
      key += QString::fromUtf8(raw.mid(i, j - i));
      i = j;
    }
  }
  return key;
}

QByteArray EscapedKey(const QString& key) {
  QByteArray out;
  for (const QChar ch : key) {
    const char16_t c = ch.unicode();
    if (c == u'/')
      out += '\\';
    else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
             c == u'_' || c == u'-' || c == u'.')
      out += static_cast<char>(c);
    else if (c <= 0xFF)
      out += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
    else
      out += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
  }
  return out;
}

// The group a section header stands for: "" for the top level, else "name/".
QString GroupOfHeader(const QByteArray& header) {
  if (header.compare("general", Qt::CaseInsensitive) == 0) return {};
  if (header.compare("%general", Qt::CaseInsensitive) == 0) return QStringLiteral("General/");
  return UnescapedKey(header) + u'/';
}

}  // namespace

int (*ProbeProcess)(qint64 pid) = KillProbe;

SettingsText SettingsText::Parse(const QByteArray& bytes) {
  SettingsText text;
  Section* section = &text.SectionOf(QString(), "General");
  const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  for (QByteArray line : bytes.mid(start).split('\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(';')) continue;
    if (line.startsWith('[')) {
      const qsizetype close = line.indexOf(']');
      const QByteArray header = line.mid(1, close < 0 ? -1 : close - 1);
      section = &text.SectionOf(GroupOfHeader(header), header);
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    const QByteArray name = line.left(std::max<qsizetype>(equals, 0)).trimmed();
    if (name.isEmpty()) continue;
    const QString key = section->group + UnescapedKey(name);
    const QByteArray raw = line.mid(equals + 1).trimmed();
    // A key written twice holds its last value, in its first place.
    if (Entry* known = text.Find(key)) {
      known->raw = raw;
    } else {
      text.entryAt_.insert(key, {&*section - text.sections_.data(), section->entries.size()});
      section->entries.push_back({key, name, raw});
    }
  }
  return text;
}

SettingsText::Section& SettingsText::SectionOf(const QString& group, const QByteArray& header) {
  const auto it = sectionAt_.constFind(group);
  if (it != sectionAt_.cend()) return sections_[*it];
  sectionAt_.insert(group, sections_.size());
  sections_.push_back({group, header, {}});
  return sections_.back();
}

const SettingsText::Entry* SettingsText::Find(const QString& key) const {
  const auto it = entryAt_.constFind(key);
  return it == entryAt_.cend() ? nullptr : &sections_[it->first].entries[it->second];
}

SettingsText::Entry* SettingsText::Find(const QString& key) {
  return const_cast<Entry*>(std::as_const(*this).Find(key));
}

std::optional<QString> SettingsText::Value(const QString& key) const {
  if (const Entry* e = Find(key)) return UnescapedValue(e->raw);
  return std::nullopt;
}

bool SettingsText::HoldsGroup(const QString& group) const {
  for (const Section& s : sections_)
    for (const Entry& e : s.entries)
      if (group.isEmpty() || e.key.startsWith(group + u'/')) return true;
  return false;
}

void SettingsText::Set(const QString& key, const QString& value) {
  if (Entry* e = Find(key)) {
    e->raw = EscapedValue(value);
    return;
  }
  // The first part of a longer key is its section, as the toolkit writes it.
  const qsizetype slash = key.indexOf(u'/');
  const QString group = slash < 0 ? QString() : key.left(slash + 1);
  const QString inSection = slash < 0 ? key : key.mid(slash + 1);
  QByteArray header = "General";
  if (slash >= 0)
    header = key.left(slash).compare(QStringLiteral("general"), Qt::CaseInsensitive) == 0
                 ? "%" + EscapedKey(key.left(slash))
                 : EscapedKey(key.left(slash));
  Section& section = SectionOf(group, header);
  entryAt_.insert(key, {&section - sections_.data(), section.entries.size()});
  section.entries.push_back({key, EscapedKey(inSection), EscapedValue(value)});
}

QByteArray SettingsText::Text() const {
  QByteArray out;
  for (const Section& s : sections_) {
    if (s.entries.empty()) continue;
    if (!out.isEmpty()) out += '\n';
    out += '[' + s.header + "]\n";
    for (const Entry& e : s.entries) out += e.name + '=' + e.raw + '\n';
  }
  return out;
}

void ClearDeadSettingsLock(const QString& lockFile) {
  if (KindOf(lockFile) != Kind::Regular) return;
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

// Where the program's file is, learnt without reading any file.
QString ProgramSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QLatin1Char('/') + QLatin1String(kOrganisation) + QLatin1Char('/') +
         QLatin1String(kApplication) + QStringLiteral(".conf");
}

// The file a write replaces: a linked file is written where the link leads,
// as the toolkit does.
QString WriteTarget(const QString& file) {
  const QFileInfo link(file);
  return link.isSymLink() ? link.symLinkTarget() : file;
}

bool ProcessRunning(qint64 pid) {
  if (pid <= 0) return false;
  // A process of another user is there too, only not ours to signal.
  const int answer = ProbeProcess(pid);
  return answer == 0 || answer == EPERM;
}

// Takes the settings lock, looking again every few milliseconds: another
// copy holds it for milliseconds, so a long back-off would only add waiting.
// Anything but a regular file where the lock belongs fails at once.
bool TakeSettingsLock(QLockFile& lock, const QString& lockName) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    if (KindOf(lockName) == Kind::Other) return false;
    if (lock.tryLock(0)) return true;
    if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(kLockWaitMs)) return false;
    QThread::msleep(2);
  }
}

// A write killed midway leaves its new file, the toolkit's lock of it and,
// where the file system has no nameless files, the toolkit's temporary file
// of it. Those of runs that have ended are removed; so are those bearing this
// run's number, which before its first write can only be an ended run's.
// Every write makes its files while it holds the settings lock, so the files
// are looked at only while this run holds it: a copy writing on another
// machine, whose number means nothing here, keeps its own.
void ClearDeadWrites(const QString& file) {
  const QString lockName = file + QStringLiteral(".lock");
  const QString targetPath = WriteTarget(file);
  if (KindOf(targetPath) == Kind::Other || KindOf(lockName) == Kind::Other) return;
  const QFileInfo target(targetPath);
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

QString QtSettingsStore::FullKey(const std::string& key, const std::string& name) {
  const QString group = GroupOf(key);
  return group.isEmpty() ? Q(name) : group + u'/' + Q(name);
}

QtSettingsStore::Stamp QtSettingsStore::StampOf(const struct stat& st) {
  return {static_cast<qint64>(st.st_dev), static_cast<qint64>(st.st_ino),
          static_cast<qint64>(st.st_size),
          static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

const SettingsText& QtSettingsStore::Current() {
  struct stat st {};
  const Kind kind = KindOf(file_, &st);
  // An oversized file reads as no file at all; the next write replaces it.
  if (kind != Kind::Regular || st.st_size > kMaxSettingsFile) {
    text_ = SettingsText();
    stamp_ = Stamp();
    return text_;
  }
  const Stamp now = StampOf(st);
  // Only a file another run has changed is read again.
  if (now == stamp_) return text_;
  const std::optional<QByteArray> bytes = ReadRegularFile(file_, kMaxSettingsFile);
  text_ = bytes ? SettingsText::Parse(*bytes) : SettingsText();
  stamp_ = bytes ? now : Stamp();
  return text_;
}

bool QtSettingsStore::KeyExists(const std::string& key) {
  if (created_.count(Lower(key))) return true;
  return Current().HoldsGroup(GroupOf(key));
}

bool QtSettingsStore::OpenKey(const std::string& key, bool canCreate) {
  if (KeyExists(key)) return true;
  if (!canCreate || !Writable()) return false;
  created_.insert(Lower(key));
  return true;
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& key,
                                                       const std::string& name) {
  const std::optional<QString> value = Current().Value(FullKey(key, name));
  if (!value) return std::nullopt;
  return value->toStdString();
}

bool QtSettingsStore::Writable() const {
  const QString target = WriteTarget(file_);
  switch (KindOf(target)) {
    case Kind::Regular:
      return ::access(Encoded(target).constData(), W_OK) == 0;
    case Kind::Missing: {
      const QString folder = QFileInfo(target).absolutePath();
      return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    }
    case Kind::Other:
      break;
  }
  return false;
}

bool QtSettingsStore::WriteString(const std::string& key, const std::string& name,
                                  const std::string& value) {
  if (!Writable()) return false;

  // The new file is written beside the old one and put in its place only
  // whole: a refused write leaves the file, and what this store holds, as
  // they were.
  const QString lockName = file_ + QStringLiteral(".lock");
  if (KindOf(lockName) == Kind::Other) return false;
  ClearDeadSettingsLock(lockName);
  QLockFile lock(lockName);
  if (!TakeSettingsLock(lock, lockName)) return false;
  const QString target = WriteTarget(file_);
  struct stat old {};
  const Kind kind = KindOf(target, &old);
  if (kind == Kind::Other) return false;
  const bool existed = kind == Kind::Regular;
  // What another copy stored meanwhile stays; a file that cannot be read now
  // is not replaced by one that lacks its values.
  SettingsText text;
  if (existed && old.st_size <= kMaxSettingsFile) {
    const std::optional<QByteArray> bytes = ReadRegularFile(target, kMaxSettingsFile);
    if (!bytes) return false;
    text = SettingsText::Parse(*bytes);
  }
  text.Set(FullKey(key, name), Q(value));
  const QString next =
      target + QStringLiteral(".%1-%2.new").arg(QCoreApplication::applicationPid()).arg(++written_);
  // Files of that name are an ended run's whose number this run was given.
  QFile::remove(next);
  QFile::remove(next + QStringLiteral(".lock"));
  bool stored = WriteNewFile(next, text.Text());
  if (stored) {
    if (existed) ::chmod(Encoded(next).constData(), old.st_mode & 07777);
    stored = std::rename(Encoded(next).constData(), Encoded(target).constData()) == 0;
  }
  if (!stored) {
    QFile::remove(next);
    return false;
  }
  // Copies that reread a file only when its size or time (in milliseconds)
  // has changed would miss a rewrite of the same size within that step.
  const auto ms = [](const timespec& t) { return qint64{t.tv_sec} * 1000 + t.tv_nsec / 1000000; };
  struct stat now {};
  if (existed && ::stat(Encoded(target).constData(), &now) == 0 && now.st_size == old.st_size &&
      ms(now.st_mtim) == ms(old.st_mtim)) {
    const qint64 later = ms(old.st_mtim) + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {later / 1000, (later % 1000) * 1000000}};
    ::utimensat(AT_FDCWD, Encoded(target).constData(), times, 0);
  }
  // The store holds what it wrote, without reading it again.
  struct stat st {};
  if (KindOf(file_, &st) == Kind::Regular) {
    stamp_ = StampOf(st);
    text_ = std::move(text);
  }
  Sync();
  return true;
}

void QtSettingsStore::Sync() { Current(); }

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
  auto refuse = [&](const std::string& why) {
    RunBox(QMessageBox::Critical, ApplicationTitle(),
           "The registry script " + path + " was not imported: " + why + ".", QMessageBox::Ok,
           QMessageBox::Ok);
    return false;
  };
  struct stat st {};
  switch (KindOf(Q(path), &st)) {
    case Kind::Missing:
      return false;
    case Kind::Other:
      // A pipe would never end and a device may never stop giving.
      return refuse("it is not a regular file");
    case Kind::Regular:
      break;
  }
  if (st.st_size > kMaxScript) return refuse("the file is too large");
  const std::optional<QByteArray> read = ReadRegularFile(Q(path), kMaxScript);
  if (!read) return false;
  const QByteArray& bytes = *read;
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
