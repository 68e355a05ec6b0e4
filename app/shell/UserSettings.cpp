#include "app/shell/UserSettings.h"

#include <QSettings>

#include "core/services/Paths.h"

namespace {

QSettings Profile() { return QSettings("Quillora Inc", "Quillora"); }

QString ReadIni(const QString& key) {
    QSettings ini(ProfileIniPath(), QSettings::IniFormat);
    return ini.value(key).toString().left(1024);
}

void WriteIni(const QString& key, const QString& value) {
    QSettings ini(ProfileIniPath(), QSettings::IniFormat);
    ini.setValue(key, value);
}

}  // namespace

QString ProfileIniPath() { return QString::fromStdString(PathJoin(AppDataDirectory(), "p.ini")); }

int ReadApplicationLook() { return Profile().value("ApplicationLook", 210).toInt(); }

void WriteApplicationLook(int id) { Profile().setValue("ApplicationLook", id); }

bool ReadShowAdvanced() { return ReadIni("setting/advanced").compare("true", Qt::CaseInsensitive) == 0; }

void WriteShowAdvanced(bool on) { WriteIni("setting/advanced", on ? "true" : "false"); }

int ReadShowDemoSiteAfterStarted() {
    const QString text = ReadIni("show/ShowDemoSiteAfterStarted").trimmed();
    return text.isEmpty() ? 1 : text.toInt();
}

void WriteShowDemoSiteAfterStarted(int value) { WriteIni("show/ShowDemoSiteAfterStarted", QString::number(value)); }
