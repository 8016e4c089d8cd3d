#include "shell/settings_file.h"

#include <QFile>
#include <QSaveFile>

#include "shell/record_file.h"

namespace bw {

Settings ReadSettings(const std::string& path) {
    Settings s;
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly)) {
        // The file is one short line; anything large is not a settings file.
        const QByteArray bytes = file.read(64 * 1024);
        RecordReader reader(std::string_view(bytes.constData(), bytes.size()));
        [&] {
            auto font = reader.int16();
            if (!font) return;
            s.printerFontChoice = *font;
            auto name = reader.text();
            if (!name) return;
            s.userName = *name;
            auto symbol = reader.text();
            if (!symbol) return;
            s.currencySymbol = *symbol;
            auto compounding = reader.int16();
            if (!compounding) return;
            s.defaultCompounding = *compounding;
        }();
    }
    if (s.currencySymbol.empty()) s.currencySymbol.assign(1, '$');
    return s;
}

std::string SettingsLine(const Settings& settings) {
    RecordWriter w;
    w.integer(settings.printerFontChoice)
        .text(settings.userName)
        .text(settings.currencySymbol)
        .integer(settings.defaultCompounding)
        .endLine();
    return w.str();
}

bool WriteSettings(const std::string& path, const Settings& settings) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string line = SettingsLine(settings);
    if (file.write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace bw
