#pragma once

#include "RecordingHost.h"
#include "base/MessageSink.h"
#include "settings/OptionsDialog.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vesrin::test {

class RecordedMessages : public MessageSink {
public:
    std::vector<std::string> Shown;
    void ShowError(std::string_view row) override { Shown.emplace_back(row); }
};

// A dialog over fresh settings, a recording host and a program folder of its own.
class OptionsFixture : public ::testing::Test {
protected:
    std::unique_ptr<TFormOptions> Open(QSize screen = QSize(1920, 1080)) {
        auto dialog = std::make_unique<TFormOptions>(settings, host, folder.Places(), screen);
        host.Clear();
        return dialog;
    }
    // The settings as the next start reads them after this exit wrote them.
    Settings AfterRestart();

    Settings settings;
    RecordingHost host{settings};
    ProgramFolder folder;
    RecordedMessages messages;
};

} // namespace vesrin::test
