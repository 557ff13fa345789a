#include "support/PrivateCupsServer.h"

#include <cups/cups.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// A PostScript printer that takes PDF documents as they are, on Letter (its
// default) or A4, each page's printable area (ImageableArea: left, bottom,
// right and top edges in points from the bottom left corner) as
// PrivateCupsServer::kLetterBorder and kA4Border give it.
constexpr char kTestPpd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TARLOWE.PPD"
*Manufacturer: "Tarlowe"
*Product: "(Test Printer)"
*ModelName: "Tarlowe Test Printer"
*ShortNickName: "Tarlowe Test Printer"
*NickName: "Tarlowe Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 36 603 765"
*ImageableArea A4/A4: "12 24 589 812"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)ppd";

// Every request answered without a log-on, every job's attributes shown.
constexpr char kCupsdConf[] = R"(Browsing No
LogLevel warn
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";

// CUPS's programs, in the system's folders, which a user's PATH may lack.
QString FindProgram(const std::string& name) {
  const QString program = QString::fromStdString(name);
  const QString found = QStandardPaths::findExecutable(program, {"/usr/sbin", "/usr/local/sbin", "/sbin"});
  return found.isEmpty() ? QStandardPaths::findExecutable(program) : found;
}

bool WriteFile(const std::string& path, const std::string& text) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

bool Answers(const std::string& socketPath) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const bool connected = s >= 0 && ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (s >= 0) ::close(s);
  return connected;
}

}  // namespace

// A short folder name: the socket's path must fit in 108 bytes.
PrivateCupsServer::PrivateCupsServer()
    : folder_((QDir::tempPath().size() > 60 ? QString("/tmp") : QDir::tempPath()) + "/cups-XXXXXX") {
  failure_ = start();
  if (!failure_.empty()) return;
  const std::pair<const char*, std::string> environment[] = {{"CUPS_SERVER", path("cups.sock")},
                                                              {"CUPS_SERVERROOT", path("conf")},
                                                              {"HOME", path("home")},
                                                              {"LOCALEDIR", path("locale")}};
  for (const auto& [name, value] : environment) {
    const char* old = std::getenv(name);
    savedEnvironment_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv(name, value.c_str(), 1);
  }
  // A queue named in these would come before the user's default.
  for (const char* name : {"LPDEST", "PRINTER"}) {
    const char* old = std::getenv(name);
    savedEnvironment_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    ::unsetenv(name);
  }
  cupsSetServer(nullptr);  // libcups reads CUPS_SERVER again, and leaves any server it had
}

PrivateCupsServer::~PrivateCupsServer() {
  if (cupsd_.state() != QProcess::NotRunning) {
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000)) {
      cupsd_.kill();
      cupsd_.waitForFinished();
    }
  }
  for (const auto& [name, value] : savedEnvironment_) {
    if (value) ::setenv(name.c_str(), value->c_str(), 1);
    else ::unsetenv(name.c_str());
  }
  cupsSetServer(nullptr);
}

std::string PrivateCupsServer::start() {
  const QString cupsd = FindProgram("cupsd");
  if (cupsd.isEmpty() || FindProgram("lpadmin").isEmpty())
    return "cupsd or lpadmin is not installed (Debian packages cups-daemon and cups-client)";
  if (!folder_.isValid()) return "no temporary folder: " + folder_.errorString().toStdString();
  if (path("cups.sock").size() >= sizeof(sockaddr_un{}.sun_path))
    return "the temporary folder's path is too long for a socket: " + path("cups.sock");
  // cupsd started by the superuser runs its helpers as the user lp.
  ::chmod(folder_.path().toLocal8Bit().constData(), 0755);
  for (const char* sub : {"conf", "spool", "tmp", "cache", "state", "log", "home/.cups", "locale"})
    if (!QDir().mkpath(QString::fromStdString(path(sub)))) return "cannot make " + path(sub);
  const std::string files = "ServerRoot " + path("conf") + "\nRequestRoot " + path("spool") + "\nTempDir " +
                            path("tmp") + "\nCacheDir " + path("cache") + "\nStateDir " + path("state") +
                            "\nAccessLog " + path("log/access_log") + "\nErrorLog " + path("log/error_log") +
                            "\nPageLog " + path("log/page_log") + "\nPrintcap " + path("printcap") +
                            "\nFileDevice Yes\n";
  if (!WriteFile(path("conf/cups-files.conf"), files) ||
      !WriteFile(path("conf/cupsd.conf"), "Listen " + path("cups.sock") + "\n" + kCupsdConf) ||
      !WriteFile(path("test.ppd"), kTestPpd))
    return "cannot write the server's files in " + path("");

  cupsd_.setProgram(cupsd);
  // With no translation in its locale folder it answers in English,
  // whatever language the client asks in.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LOCALEDIR", QString::fromStdString(path("locale")));
  cupsd_.setProcessEnvironment(environment);
  cupsd_.setProcessChannelMode(QProcess::MergedChannels);
  cupsd_.setArguments({"-f", "-c", QString::fromStdString(path("conf/cupsd.conf")), "-s",
                       QString::fromStdString(path("conf/cups-files.conf"))});
  // It ends with the test process, however that ends.
  cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
  cupsd_.start();
  if (!cupsd_.waitForStarted()) return "cupsd could not be started: " + cupsd_.errorString().toStdString();
  for (int wait = 0; wait < 200 && cupsd_.state() == QProcess::Running; ++wait) {
    if (Answers(path("cups.sock"))) return "";
    cupsd_.waitForFinished(50);
  }
  const std::string how = cupsd_.state() == QProcess::Running
                              ? " in 10 seconds"
                              : " and ended with exit code " + std::to_string(cupsd_.exitCode());
  QFile log(QString::fromStdString(path("log/error_log")));
  const QByteArray said = cupsd_.readAll() + (log.open(QIODevice::ReadOnly) ? log.readAll().right(1000) : "");
  return "cupsd did not answer on " + path("cups.sock") + how + ": " + said.trimmed().toStdString();
}

std::string PrivateCupsServer::path(const char* name) const { return folder_.filePath(name).toStdString(); }

std::string PrivateCupsServer::addQueue(const std::string& name, bool withPpd) {
  QStringList arguments = {"-p", QString::fromStdString(name), "-E", "-v", "file:///dev/null"};
  arguments << (withPpd ? QStringList{"-P", QString::fromStdString(path("test.ppd"))} : QStringList{"-m", "raw"});
  return run("lpadmin", arguments);
}

std::string PrivateCupsServer::run(const std::string& command, const QStringList& arguments) {
  QProcess process;
  process.start(FindProgram(command), arguments);
  if (!process.waitForFinished(30000)) return command + " did not run: " + process.errorString().toStdString();
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return "";
  return command + ": " + process.readAllStandardError().trimmed().toStdString();
}

void PrivateCupsServer::setUserOptions(const std::string& lines) { WriteFile(path("home/.cups/lpoptions"), lines); }

QByteArray PrivateCupsServer::spooledDocument(int job) const {
  char name[32];
  std::snprintf(name, sizeof name, "spool/d%05d-001", job);
  QFile file(QString::fromStdString(path(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string PrivateCupsServer::jobAttribute(int job, const std::string& attribute) const {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  const std::string uri = "ipp://localhost/jobs/" + std::to_string(job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, attribute.c_str());
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/");  // frees the request
  ipp_attribute_t* found = ippFindAttribute(response, attribute.c_str(), IPP_TAG_ZERO);
  const char* value = found ? ippGetString(found, 0, nullptr) : nullptr;
  const std::string text = value ? value : "";
  ippDelete(response);
  return text;
}
