#include "gui/help.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace lumtar::gui {

namespace {

struct ContextPage {
  int context;
  const char* page;
};

// Contexts of the kind list, the construction window and the calculators.
// 17 is the cylinder dial of the kind list; the azimuthal dial has 18.
constexpr ContextPage kPages[] = {
    {10, "planar"},       {11, "planar"},
    {12, "umbrella"},     {13, "altitude"},
    {14, "altitude"},     {15, "altitude"},
    {16, "altitude"},     {17, "cylinder"},
    {18, "azimuthal"},    {19, "hidokei"},
    {20, "ring"},         {27, "cylinder"},
    {54, "mean_time"},    {55, "sawyer"},
    {57, "peaucellier"},  {58, "peaucellier"},
    {212, "compressed"},  {28, "rise_set"},
    {29, "sun_position"}, {30, "equation_of_time"},
    {49, "azimuth_time"},
};

QString LanguageFolder(texts::Language language) {
  return language == texts::Language::kGerman ? "de" : "en";
}

}  // namespace

QString HelpPageName(int context) {
  for (const ContextPage& p : kPages)
    if (p.context == context) return p.page;
  return "index";
}

bool IsDebugSwitch(std::string_view argument) {
  if (argument.size() != 6 || (argument[0] != '/' && argument[0] != '-'))
    return false;
  const QString word = QString::fromUtf8(argument.data() + 1, 5);
  return word.compare("debug", Qt::CaseInsensitive) == 0;
}

bool HelpLogWanted(const QStringList& arguments,
                   const std::filesystem::path& program_directory) {
  for (qsizetype i = 1; i < arguments.size(); ++i)
    if (IsDebugSwitch(arguments[i].toStdString())) return true;
  std::error_code ec;
  return std::filesystem::exists(program_directory / "debug.debug", ec);
}

std::filesystem::path HelpLogPath(
    const std::filesystem::path& program_directory) {
  return program_directory / "lumtar_help.log";
}

Help::Help(const model::Model& model, Opener opener,
           std::optional<std::filesystem::path> log_file)
    : model_(model), opener_(std::move(opener)) {
  if (log_file) log_.open(*log_file, std::ios::app);
  folder_ = QDir::temp().filePath(
      QString("lumtar-help-%1").arg(qEnvironmentVariable("USER", "user")));
  Log("help log started");
}

bool Help::WritePages(texts::Language language) {
  const QString target = folder_ + "/" + LanguageFolder(language);
  if (!QDir().mkpath(target)) return false;
  QDirIterator it(":/help/" + LanguageFolder(language));
  bool ok = true;
  while (it.hasNext()) {
    const QString source = it.next();
    const QString file = target + "/" + QFileInfo(source).fileName();
    QFile::remove(file);
    if (!QFile::copy(source, file)) ok = false;
    // Copies of resources are read-only; let the next run replace them.
    QFile::setPermissions(file,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  return ok;
}

QString Help::PageFile(int context, texts::Language language) {
  const QString file = folder_ + "/" + LanguageFolder(language) + "/" +
                       HelpPageName(context) + ".html";
  if (!QFileInfo::exists(file) && !WritePages(language)) return QString();
  return QFileInfo::exists(file) ? file : QString();
}

bool Help::Show(int context) {
  const texts::Language language = model_.Language;
  // Written again on every call, so a page is never older than the program.
  WritePages(language);
  const QString file = PageFile(context, language);
  if (file.isEmpty()) {
    Log(QString("context %1: page %2 could not be written")
            .arg(context)
            .arg(HelpPageName(context)));
    return false;
  }
  const bool shown = opener_ && opener_(QUrl::fromLocalFile(file));
  Log(QString("context %1 (%2) language %3: %4 %5")
          .arg(context)
          .arg(HelpPageName(context), LanguageFolder(language), file,
               shown ? "shown" : "not shown"));
  return shown;
}

void Help::Log(const QString& line) {
  if (!log_.is_open()) return;
  log_ << QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()
       << " " << line.toStdString() << "\n";
  log_.flush();
}

}  // namespace lumtar::gui
