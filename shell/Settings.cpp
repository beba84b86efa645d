// The nine settings in "TamoruWatch.ini" beside the program: read once at start-up, written
// once at unload. There is no built-in default: a key the file doesn't supply leaves its field
// as the record started.
#include <array>

#include "platform/ProfileFile.h"
#include "shell/SettingsConversion.h"
#include "shell/frmStopwatch.h"

namespace {

const QByteArray kSection = QByteArrayLiteral("TamoruWatch");

struct NumericKey {
    const char* name;
    int32_t StopwatchState::*field;
};

// In the order both procedures handle them; "AnalogColor" goes between the fifth and sixth.
constexpr std::array<NumericKey, 5> kKeysBeforeColour{{
    {"Showbutton", &StopwatchState::showButton},
    {"ShowDigital", &StopwatchState::showDigital},
    {"ShowAnalog", &StopwatchState::showAnalog},
    {"LapType", &StopwatchState::lapType},
    {"AnalogScale", &StopwatchState::analogScale},
}};
constexpr std::array<NumericKey, 3> kKeysAfterColour{{
    {"WindowForceFront", &StopwatchState::windowForceFront},
    {"BehaviorMode", &StopwatchState::behaviorMode},
    {"PlaySound", &StopwatchState::playSound},
}};
constexpr const char* kColourKey = "AnalogColor";

}  // namespace

QString frmStopwatch::settingsPath() const {
    return env().appPath + QStringLiteral("/TamoruWatch.ini");
}

std::optional<QString> frmStopwatch::ReadIniString(const QString& key, const QString& path) {
    std::optional<QString> text;
    trap(101, [&] {
        text = QString::fromUtf8(
            platform::readProfileString(path, kSection, key.toUtf8(), QByteArrayLiteral("ERROR")));
    });
    return text;
}

bool frmStopwatch::WriteIniString(const std::optional<QString>& value, const QString& key,
                                  const QString& path) {
    bool written = false;
    trap(102, [&] {
        const std::optional<QByteArray> bytes =
            value ? std::optional<QByteArray>(value->toUtf8()) : std::nullopt;
        written = platform::writeProfileString(path, kSection, key.toUtf8(), bytes);
    });
    return written;
}

void frmStopwatch::LoadSettings() {
    trap(106, [this] {
        const QString path = settingsPath();
        const auto load = [&](const NumericKey& key) {
            state.*key.field =
                SettingToInt32(ReadIniString(QLatin1String(key.name), path).value_or(QString()));
        };
        for (const NumericKey& key : kKeysBeforeColour) load(key);
        state.analogColor = ReadIniString(QLatin1String(kColourKey), path);
        for (const NumericKey& key : kKeysAfterColour) load(key);
    });
}

void frmStopwatch::SaveSettings() {
    trap(107, [this] {
        const QString path = settingsPath();
        const auto save = [&](const NumericKey& key) {
            WriteIniString(QString::number(state.*key.field), QLatin1String(key.name), path);
        };
        for (const NumericKey& key : kKeysBeforeColour) save(key);
        WriteIniString(state.analogColor, QLatin1String(kColourKey), path);
        for (const NumericKey& key : kKeysAfterColour) save(key);
    });
}
