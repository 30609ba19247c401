#include "mapview/PinnedFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>

namespace mapview {

namespace {

struct Twin {
    const char* classic;
    const char* file;
};

constexpr Twin Twins[] = {
    {"Courier New", "LiberationMono"}, {"Arial", "LiberationSans"}, {"Times New Roman", "LiberationSerif"}};
constexpr const char* Styles[] = {"Regular", "Bold", "Italic", "BoldItalic"};

QString Key(const QString& family) {
    return family.trimmed().toCaseFolded();
}

// Registers every style of every twin once; a twin whose files are missing
// leaves its classic face to the machine.
QHash<QString, QString> LoadTwins() {
    QHash<QString, QString> families;
    const QDir folder(PinnedFonts::Folder());
    for (const Twin& twin : Twins) {
        QString family;
        for (const char* style : Styles) {
            const QString file = folder.filePath(QStringLiteral("%1-%2.ttf").arg(twin.file, style));
            const int id = QFontDatabase::addApplicationFont(file);
            if (id >= 0 && family.isEmpty())
                family = QFontDatabase::applicationFontFamilies(id).value(0);
        }
        if (!family.isEmpty())
            families.insert(Key(QString::fromLatin1(twin.classic)), family);
    }
    return families;
}

} // namespace

QString PinnedFonts::Folder() {
    return QStringLiteral("/usr/share/fonts/truetype/liberation2");
}

QString PinnedFonts::Family(const QString& requested) {
    static const QHash<QString, QString> twins = LoadTwins();
    return twins.value(Key(requested), requested);
}

QFont PinnedFonts::Font(const QString& requested) {
    QFont font(Family(requested));
    // Hinting follows the machine's font configuration unless told.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

} // namespace mapview
