#include "OptionsFixture.h"

#include "settings/SettingsFile.h"

namespace vesrin::test {

Settings OptionsFixture::AfterRestart() {
    const std::filesystem::path file = folder.Path(QStringLiteral("Vesrin.ini")).toStdString();
    EXPECT_TRUE(WriteSettings(file, settings, RecordsState::Usable, messages));
    return ReadSettings(file);
}

} // namespace vesrin::test
